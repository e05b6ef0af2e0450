#pragma once

#include "core/store/databaselock.h"

#include <QObject>
#include <QString>

namespace trelfin {

class Database;
class DatabaseView;
class Desktop;
class Tdialogblokujacy;
class Tnazwaokresu;
class Topcjebazy;
class Tpodajhaslo;
class Tpodaniehasla;
class Tusuwaniebazy;
class ToolCommands;

// The commands on the database and its periods, shared by the "Plik" menu, the "Główne menu"
// buttons and the options window: new, open, save, save as, close, options, lock, the period
// switch, and renaming, adding and deleting periods, the password and deleting the database.
// It owns the windows these commands show.
class DatabaseCommands : public QObject
{
    Q_OBJECT
public:
    DatabaseCommands(Database &db, Desktop &desktop, DatabaseView &view, ToolCommands &tools,
                     QObject *parent = nullptr);
    ~DatabaseCommands() override;

    void newDatabase();
    // Opens a database: `path` when given (from the command line), else the one the user chooses.
    void openDatabase(const QString &path = QString());
    void save();
    void saveAs();
    void closeDatabase();
    void showOptions();
    void lockProgram();
    // Converts a database of the 2000 version ("<name>.tfc") into today's layout and opens it.
    void importDatabase2000();
    // Switches to period `period` (1-based).
    void switchPeriod(int period);
    // The close query of the main window: true when the program may end.
    bool confirmQuit();

    // The options window's period and database buttons. Each acts on the database at once.
    void renamePeriod();
    void addPeriod();
    void deletePeriod();
    void changePassword();
    // Deletes the open database after its confirmation window, or abandons the database being
    // created. True when the database is gone and the options window is to close.
    bool deleteDatabase();

    // Writes the database record (the options window's OK); false after a message when it failed.
    bool writeDatabaseRecord();

    // Whether "Nowy" is waiting for the options window of the database it just wrote.
    bool creatingDatabase() const { return m_creatingDatabase; }

    Topcjebazy *optionsWindow();

private:
    bool closeCurrentPeriod();
    void leaveDatabase();
    // Takes the lock of the database at `path` for this window; says so and returns false when
    // another window or running program has that database open.
    bool lockDatabaseAt(const QString &path);
    void showDatabaseInUse();
    void removeAbandonedDatabase();

    // Steps of opening a database and changing periods that other features fill in.
    void noticePreviousVersion();
    bool convertImportedPeriods();
    // The reminder walk: at open a booked entry is settled in place, at a period switch moved.
    void checkDueEntries(bool atOpen);
    void checkDueNotes();
    void fillRecurringWindows();

    Database &m_db;
    Desktop &m_desktop;
    DatabaseView &m_view;
    ToolCommands &m_tools;
    bool m_creatingDatabase = false;
    DatabaseLock m_lock;

    Topcjebazy *m_options = nullptr;
    Tnazwaokresu *m_nameWindow = nullptr;
    Tusuwaniebazy *m_deleteWindow = nullptr;
    Tpodaniehasla *m_passwordWindow = nullptr;
    Tpodajhaslo *m_passwordPrompt = nullptr;
    Tdialogblokujacy *m_lockWindow = nullptr;
};

} // namespace trelfin
