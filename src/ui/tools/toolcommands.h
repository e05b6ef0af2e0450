#pragma once

#include "core/tools/export.h"

#include <QList>
#include <QObject>

class QAction;

namespace trelfin {

class Database;
class DatabaseView;
class Desktop;
class Teksport;
class PeriodsSummaryWindow;
class Tdrukuj;
class Tnotatnik;
class RegisterCommands;
class Tlistazakupow;
class Tshowlistazakupow;
class Tshownotatka;

// The household and output tools of the "&Narzędzia" menu and the pages: printing, the export of
// the registers, the shopping list and the notes. It owns their menu items and the windows these
// commands show.
class ToolCommands : public QObject
{
    Q_OBJECT
public:
    ToolCommands(Database &db, Desktop &desktop, DatabaseView &view, RegisterCommands &registers,
                 QObject *parent = nullptr);

    // The print panel: from the menu as the user left it; from the "Drukuj" buttons of the pages
    // and tool windows with every section box but the bank account's cleared.
    void PrintClick();
    void BitBtn33Click();

    // Writes the chosen registers of the current period to text or CSV files.
    void EksportujjakoDBF1Click();
    void EksportujdanejakoCSVExcel1Click();

    // "Lista zakupów": the editor (closing the viewer); the database counts as modified.
    void Listazakupw1Click();
    // "Pokaż listę zakupów": the viewer, without blocking.
    void Pokalistzakupw1Click();
    // "Do listy zakup.": the descriptions of planned rows top..bottom into the list, after asking.
    void copyPlannedToShoppingList(int top, int bottom);

    // "Notatki": the notes editor; the database counts as modified.
    void notatki1Click();
    // Shows each due note in number order (a database was opened).
    void remindDueNotes();

    // "&Drukuj" of the "Plik" menu.
    QAction *actionPrint() const { return m_actPrint; }
    // The items of the "&Narzędzia" menu that come before the group-set items, and those after.
    QList<QAction *> shoppingAndNotesActions() const;
    QList<QAction *> exportActions() const;
    // "Importuj wyciąg bankowy...": a bank's statement file read, reviewed and added to the bank
    // account as one undo step.
    QAction *actionBankImport() const { return m_actBankImport; }
    void importBankStatement();
    // "Reguły importu wyciągów...": the rules that give imported expenses their groups, edited.
    QAction *actionImportRules() const { return m_actImportRules; }
    void editImportRules();
    // "Zestawienie okresów...": the summary across periods, shown without blocking.
    QAction *actionPeriodsSummary() const { return m_actPeriodsSummary; }
    void showPeriodsSummary();
    PeriodsSummaryWindow *periodsSummaryWindow();
    // The items work only while a database is open.
    void enableActions(bool databaseOpen);

    Tnotatnik *notesWindow();
    Tlistazakupow *shoppingListEditor();
    Tshowlistazakupow *shoppingListViewer();
    Tshownotatka *noteReminder();
    Tdrukuj *printPanel();
    Teksport *exportWindow(ExportFormat format);

private:
    void createActions();
    void showPrintPanel(bool clearSections);
    void exportRegisters(ExportFormat format);

    Database &m_db;
    Desktop &m_desktop;
    DatabaseView &m_view;
    RegisterCommands &m_registers;
    Teksport *m_textExportWindow = nullptr;
    Tdrukuj *m_printPanel = nullptr;
    Tnotatnik *m_notesWindow = nullptr;
    Tlistazakupow *m_shoppingListEditor = nullptr;
    Tshowlistazakupow *m_shoppingListViewer = nullptr;
    Tshownotatka *m_noteReminder = nullptr;
    Teksport *m_csvExportWindow = nullptr;

    QAction *m_actPrint = nullptr;
    QAction *m_actShowShoppingList = nullptr;
    QAction *m_actShoppingList = nullptr;
    QAction *m_actNotes = nullptr;
    QAction *m_actExportText = nullptr;
    QAction *m_actExportCsv = nullptr;
    QAction *m_actPeriodsSummary = nullptr;
    QAction *m_actBankImport = nullptr;
    QAction *m_actImportRules = nullptr;
    PeriodsSummaryWindow *m_periodsSummary = nullptr;
};

} // namespace trelfin
