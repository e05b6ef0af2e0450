#pragma once

#include "core/tools/export.h"

#include <QObject>

namespace trelfin {

class Database;
class DatabaseView;
class Desktop;
class Tedycjagrup;
class Teksport;
class Tdrukuj;
class Tnotatnik;
class RegisterCommands;
class Tlistazakupow;
class Tshowlistazakupow;
class Tshownotatka;

// The household and output tools shared by the "&Narzędzia" menu, the options window and the
// pages: for now the group set (edit, export, import); printing, export of the registers, the
// shopping list and the notes join them. It owns the windows these commands show.
class ToolCommands : public QObject
{
    Q_OBJECT
public:
    ToolCommands(Database &db, Desktop &desktop, DatabaseView &view, RegisterCommands &registers,
                 QObject *parent = nullptr);

    // The group-set editor, storing the names whichever way it closes.
    void editGroupSet();
    // Writes the group set into a ".tgr" file the user chooses.
    void exportGroupSet();
    // Replaces the group set with a ".tgr" file the user chooses.
    void importGroupSet();

    // Writes the chosen registers of the current period to text or CSV files.
    void exportRegisters(ExportFormat format);

    // The print panel: as the user left it (the menu), or with every section box but the bank
    // account's cleared (the "Drukuj" buttons of the pages and tool windows).
    void showPrintPanel(bool clearSections);

    // "Lista zakupów": the editor (closing the viewer); the database counts as modified.
    void editShoppingList();
    // "Pokaż listę zakupów": the viewer, without blocking.
    void showShoppingList();
    // "Do listy zakup.": the descriptions of planned rows top..bottom into the list, after asking.
    void copyPlannedToShoppingList(int top, int bottom);

    // "Notatki": the notes editor; the database counts as modified.
    void editNotes();
    // Shows each due note in number order (a database was opened).
    void remindDueNotes();

    Tedycjagrup *groupSetEditor();
    Tnotatnik *notesWindow();
    Tlistazakupow *shoppingListEditor();
    Tshowlistazakupow *shoppingListViewer();
    Tshownotatka *noteReminder();
    Tdrukuj *printPanel();
    Teksport *exportWindow(ExportFormat format);

private:
    Database &m_db;
    Desktop &m_desktop;
    DatabaseView &m_view;
    RegisterCommands &m_registers;
    Tedycjagrup *m_groupSetEditor = nullptr;
    Teksport *m_textExportWindow = nullptr;
    Tdrukuj *m_printPanel = nullptr;
    Tnotatnik *m_notesWindow = nullptr;
    Tlistazakupow *m_shoppingListEditor = nullptr;
    Tshowlistazakupow *m_shoppingListViewer = nullptr;
    Tshownotatka *m_noteReminder = nullptr;
    Teksport *m_csvExportWindow = nullptr;
};

} // namespace trelfin
