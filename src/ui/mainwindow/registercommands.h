#pragma once

#include "registers/find.h"
#include "registers/undo.h"
#include "store/database.h"

#include <QObject>

class QAction;

namespace trelfin {

class Desktop;
class FindDialog;
class RegisterPage;
class Tdopiszspecjalnie;
class Tdopiszspecjalnie2;
class Tedycjadlugidopisz;
class EntryDialog;
class Tmain;
class Tsort;
class Tsort2;

// The commands that change the registers from their pages: add, edit, delete, add many, sort,
// find, settle, and undo, copy and cut. Each register change takes the undo copy first.
class RegisterCommands : public QObject
{
    Q_OBJECT
public:
    RegisterCommands(Database &db, Desktop &desktop, Tmain &window, QAction &undoAction);
    ~RegisterCommands() override;

    void add(RegisterKind kind);
    void edit(RegisterKind kind);
    void remove(RegisterKind kind);
    void addMany(RegisterKind kind);
    void sort(RegisterKind kind);
    void find(RegisterKind kind);
    void findNext();
    void settle();

    void undo();
    void copy(int page);
    void cut(int page);

    // Forgets the undo copy and disables "&Cofnij": the current period changed.
    void clearUndo();
    // The main window's copy of the database's "ask before deleting" option.
    void setConfirmDeletes(bool confirm) { m_confirmDeletes = confirm; }

    FindState &findState() { return m_find; }
    FindDialog *findDialog() const { return m_findDialog; }
    EntryDialog *entryDialog(RegisterKind kind, bool adding);

private:
    void takeUndoSnapshot(RegisterKind kind);
    RegisterPage *page(RegisterKind kind) const;
    QString selectionText(int page) const;

    Database &m_db;
    Desktop &m_desktop;
    Tmain &m_window;
    QAction &m_undoAction;
    UndoBuffer m_undo;
    FindState m_find;
    bool m_confirmDeletes = true;

    EntryDialog *m_expenseDialog = nullptr;
    EntryDialog *m_incomeDialog = nullptr;
    EntryDialog *m_debtDialog = nullptr;
    Tedycjadlugidopisz *m_debtAddDialog = nullptr;
    EntryDialog *m_plannedDialog = nullptr;
    EntryDialog *m_bankDialog = nullptr;
    Tdopiszspecjalnie *m_repeatDialog = nullptr;
    Tdopiszspecjalnie2 *m_repeatIncomeDialog = nullptr;
    Tsort *m_sortDialog = nullptr;
    Tsort2 *m_sortIncomeDialog = nullptr;
    FindDialog *m_findDialog = nullptr;
};

} // namespace trelfin
