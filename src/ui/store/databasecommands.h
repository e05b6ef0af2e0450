#pragma once

#include "core/store/databaselock.h"
#include "core/store/recoverykeeper.h"

#include <QObject>
#include <QString>

class QAction;

namespace trelfin {

class Database;
class DatabaseView;
class RecentDatabases;
class Desktop;
class GroupSetCommands;
class Tdialogblokujacy;
class Tnazwaokresu;
class Topcjebazy;
class Tpodajhaslo;
class Tpodaniehasla;
class Tusuwaniebazy;

// The commands on the database and its periods, shared by the "Plik" menu, the "Główne menu"
// buttons and the options window: new, open, save, save as, close, options, lock, the period
// switch, and renaming, adding and deleting periods, the password and deleting the database.
// It owns the "Plik" menu items of these commands, the group-set commands the options window
// offers, and the windows these commands show.
class DatabaseCommands : public QObject
{
    Q_OBJECT
public:
    DatabaseCommands(Database &db, Desktop &desktop, DatabaseView &view, QObject *parent = nullptr);
    ~DatabaseCommands() override;

    // The handlers of the "Plik" menu items (and of the "Główne menu" buttons).
    void nowa1Click();
    // Opens a database: `path` when given (from the command line), else the one the user chooses.
    void otworz2Click(const QString &path = QString());
    void zapisz6Click();
    void Zapiszjako1Click();
    void zamknij3Click();
    void opcje4Click();
    void blokuj8Click();
    // Converts a database of the 2000 version ("<name>.tfc") into today's layout and opens it.
    void Importujdane1Click();
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
    GroupSetCommands *groupSetCommands() const { return m_groupSets; }

    // The "Plik" menu items, in menu order: "&Nowy", "&Otwórz...", "&Zapisz", "Z&apisz jako...",
    // "Z&amknij", "Importuj dane z TrelFIN 2000", "Blokuj", "Op&cje".
    QList<QAction *> fileActions() const;
    // The recent databases' items of the "Plik" menu, with their separator and "Wyczyść listę".
    RecentDatabases *recentDatabases() const { return m_recent; }
    QAction *actionNew() const { return m_actNew; }
    QAction *actionOpen() const { return m_actOpen; }
    // Enables the items that need an open database, and the group-set items, for the state the
    // database is in.
    void enableActions(bool databaseOpen);

private:
    void createActions();
    bool closeCurrentPeriod();
    void leaveDatabase();
    // Takes the lock of the database at `path` for this window; says so and returns false when
    // another window or running program has that database open.
    bool lockDatabaseAt(const QString &path);
    // Says why the lock of a database in `folder` could not be taken.
    void showLockRefusal(const DatabaseLock &lock, const QString &folder);
    // The new password typed twice in the window captioned `caption`; empty when none was given.
    QString askNewPassword(const QString &caption);

    // Steps of opening a database and changing periods.
    bool convertImportedPeriods();
    // Asks the database's password when it has one; a wrong one says so and leaves the program
    // with no database.
    bool passwordAccepted();
    // The reminder walk: at open a booked entry is settled in place, at a period switch moved.
    void checkDueEntries(bool atOpen);
    void checkDueNotes();
    void fillRecurringWindows();
    // At open: a recovery file left by a run that ended without saving is offered ("Przywróć",
    // "Odrzuć", "Pokaż później"); a damaged one or one of another database is said and kept aside.
    void offerRecovery();

    Database &m_db;
    Desktop &m_desktop;
    DatabaseView &m_view;
    GroupSetCommands *m_groupSets = nullptr;
    bool m_creatingDatabase = false;
    DatabaseLock m_lock;
    // The recovery file of the open database while it holds unsaved changes.
    RecoveryKeeper *m_recovery = nullptr;
    RecentDatabases *m_recent = nullptr;

    QAction *m_actNew = nullptr;
    QAction *m_actOpen = nullptr;
    QAction *m_actSave = nullptr;
    QAction *m_actSaveAs = nullptr;
    QAction *m_actClose = nullptr;
    QAction *m_actImport2000 = nullptr;
    QAction *m_actLock = nullptr;
    QAction *m_actOptions = nullptr;

    Topcjebazy *m_options = nullptr;
    Tnazwaokresu *m_nameWindow = nullptr;
    Tusuwaniebazy *m_deleteWindow = nullptr;
    Tpodaniehasla *m_passwordWindow = nullptr;
    Tpodajhaslo *m_passwordPrompt = nullptr;
    Tdialogblokujacy *m_lockWindow = nullptr;
};

} // namespace trelfin
