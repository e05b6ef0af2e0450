#pragma once

#include "core/registers/find.h"
#include "core/registers/undo.h"
#include "core/tools/reminders.h"
#include "core/store/database.h"
#include "ui/registers/registerpage.h"

#include <QObject>

#include <array>
#include <optional>

class QAction;

namespace trelfin {

class Desktop;
class FindDialog;
class RegisterPage;
class RegisterView;
class Tdopiszspecjalnie;
class Tedycjadlugidopisz;
class EntryDialog;
class Tsort;
class RecurringItemsWindow;
class Tterminplan;

// The commands that change the registers from their pages: add, edit, delete, add many, sort,
// find, settle, and undo and cut. Each register change takes the undo copy first. The commands
// reach the registers' pages through a RegisterView, so that any window may run them.
class RegisterCommands : public QObject
{
    Q_OBJECT
public:
    RegisterCommands(Database &db, Desktop &desktop, RegisterView &view, QObject *parent = nullptr);
    ~RegisterCommands() override;

    // Runs a register command of the page of `kind` (its buttons, Enter, double click and the
    // Edit items it performs). The page's printing, help and shopping-list buttons are not
    // register commands and do nothing here.
    void perform(RegisterKind kind, RegisterCommand command);
    // Makes the page of register `kind`, whose register commands run here; it shows the
    // register at once when a database is open.
    RegisterPage *createPage(RegisterKind kind);
    // The pages made so far: each shows its register again, or nothing (no database), or
    // writes its count field.
    void refreshPages();
    void clearPages();
    void showCounts();
    // The register whose page `page` is; nothing for any other page.
    std::optional<RegisterKind> registerOfPage(const NotebookPage *page) const;

    // Adds an entry through the register's entry dialog, its description `description` when one
    // is given. False when the register was full.
    bool add(RegisterKind kind, const QString &description = QString());
    void edit(RegisterKind kind);
    // Deletes the selected rows, after the question when the database asks before deleting.
    // False when nothing was deleted.
    bool remove(RegisterKind kind);
    void addMany(RegisterKind kind);
    void sort(RegisterKind kind);
    void find(RegisterKind kind);
    void findNext();
    void settle();
    // "Okresowo" of the incomes or expenses: the recurring rows, and, when the window is closed
    // by its add button, their active rows added as entries dated today (no undo copy).
    void recurring(RegisterKind kind);
    // Fills both recurring windows from the current period's rows (a database was opened).
    void loadRecurringWindows();
    RecurringItemsWindow *recurringWindow(RegisterKind kind);
    // The due planned expenses of the period in memory, each asked about; the grids follow.
    void remindDueEntries(Booking booking);
    Tterminplan *reminderWindow();

    void undo();
    // Deletes the selected rows and puts them on the clipboard.
    void cut(RegisterKind kind);
    // Rows from the clipboard after the selected row (or at the end), as one undo step: rows of
    // the program's registers and of spreadsheets; what cannot be read is named and left out.
    void paste(RegisterKind kind);

    // Forgets the undo copy and disables "&Cofnij": the current period changed.
    void clearUndo();

    // "&Cofnij" / "&Ponów" of the Edit menu, enabled while there is an undo copy.
    QAction *actionUndo() const { return m_actUndo; }
    // The hidden item of the Edit menu: Ins adds an entry to the register shown.
    QAction *actionInsert() const { return m_actInsert; }

    FindState &findState() { return m_find; }
    FindDialog *findDialog() const { return m_findDialog; }
    EntryDialog *entryDialog(RegisterKind kind, bool adding);
    // Keeps the register as it is for "&Cofnij" before a change made elsewhere (an import).
    void takeUndoSnapshot(RegisterKind kind);
    // Keeps the registers `kinds`, changed together by one command, as one "&Cofnij" step.
    void takeUndoSnapshot(const QList<RegisterKind> &kinds);

private:
    RegisterPage *page(RegisterKind kind) const;

    Database &m_db;
    Desktop &m_desktop;
    RegisterView &m_view;
    std::array<RegisterPage *, RegisterCount> m_pages{};
    QAction *m_actUndo = nullptr;
    QAction *m_actInsert = nullptr;
    UndoBuffer m_undo;
    FindState m_find;

    EntryDialog *m_expenseDialog = nullptr;
    EntryDialog *m_incomeDialog = nullptr;
    EntryDialog *m_debtDialog = nullptr;
    Tedycjadlugidopisz *m_debtAddDialog = nullptr;
    EntryDialog *m_plannedDialog = nullptr;
    EntryDialog *m_bankDialog = nullptr;
    Tdopiszspecjalnie *m_repeatDialog = nullptr;
    Tdopiszspecjalnie *m_repeatIncomeDialog = nullptr;
    Tsort *m_sortDialog = nullptr;
    Tsort *m_sortIncomeDialog = nullptr;
    FindDialog *m_findDialog = nullptr;
    RecurringItemsWindow *m_recurringIncomes = nullptr;
    RecurringItemsWindow *m_recurringExpenses = nullptr;
    Tterminplan *m_reminderWindow = nullptr;
};

} // namespace trelfin
