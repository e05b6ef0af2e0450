#include "registercommands.h"

#include "desktop.h"
#include "editdialogs.h"
#include "entrydialogs.h"
#include "mainwindow.h"
#include "registermodel.h"
#include "registerpage.h"
#include "registers/registeredit.h"
#include "registers/registermessages.h"
#include "registers/rowtext.h"
#include "registers/settle.h"
#include "registers/sort.h"
#include "reports/statementpage.h"
#include "reports/summarypage.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTableWidget>

namespace trelfin {

namespace {
const QString kUndo = QStringLiteral("&Cofnij");
const QString kRedo = QStringLiteral("&Ponów");
} // namespace

RegisterCommands::RegisterCommands(Database &db, Desktop &desktop, Tmain &window, QAction &undoAction)
    : QObject(&window)
    , m_db(db)
    , m_desktop(desktop)
    , m_window(window)
    , m_undoAction(undoAction)
{
}

RegisterCommands::~RegisterCommands() = default;

RegisterPage *RegisterCommands::page(RegisterKind kind) const
{
    return m_window.registerPage(kind);
}

EntryDialog *RegisterCommands::entryDialog(RegisterKind kind, bool adding)
{
    // Each dialog exists once, made on first use, and keeps its place between uses.
    switch (kind) {
    case RegisterKind::expenses:
        if (!m_expenseDialog)
            m_expenseDialog = new Tedycjarozchod(m_db, &m_window);
        return m_expenseDialog;
    case RegisterKind::incomes:
        if (!m_incomeDialog)
            m_incomeDialog = new Tedycjaprzychod(m_db, &m_window);
        return m_incomeDialog;
    case RegisterKind::debts:
        if (adding) {
            if (!m_debtAddDialog)
                m_debtAddDialog = new Tedycjadlugidopisz(m_db, m_desktop, m_desktop, &m_window);
            return m_debtAddDialog;
        }
        if (!m_debtDialog)
            m_debtDialog = new Tedycjadlugi(m_db, &m_window);
        return m_debtDialog;
    case RegisterKind::planned:
        if (!m_plannedDialog)
            m_plannedDialog = new Tedycjaplanowanie(m_db, &m_window);
        return m_plannedDialog;
    case RegisterKind::bankAccount:
        if (!m_bankDialog)
            m_bankDialog = new Tedycjakonto(m_db, &m_window);
        return m_bankDialog;
    }
    return nullptr;
}

void RegisterCommands::takeUndoSnapshot(RegisterKind kind)
{
    TakeUndoSnapshot(m_undo, m_db, kind);
    m_undoAction.setText(kUndo);
    m_undoAction.setEnabled(true);
}

void RegisterCommands::clearUndo()
{
    ClearUndo(m_undo);
    m_undoAction.setText(kUndo);
    m_undoAction.setEnabled(false);
}

void RegisterCommands::add(RegisterKind kind)
{
    takeUndoSnapshot(kind);
    const QDate today = m_desktop.today();
    const std::optional<int> row = appendNewEntry(m_db, kind, today, m_desktop);
    if (!row)
        return;
    RegisterPage *p = page(kind);
    p->refresh();
    p->showNewLastRow();
    EntryDialog *dialog = entryDialog(kind, true);
    m_desktop.execDialog(*dialog);
    storeEditBuffer(m_db, kind, *row, today);
    p->model()->rowChanged(*row - 1);
    p->showNewLastRow();

    if (kind != RegisterKind::debts)
        return;
    auto *debtDialog = static_cast<Tedycjadlugidopisz *>(dialog);
    const Entry &debt = m_db.reg(kind).entries.at(*row - 1);
    if (const auto back = debtReturnEntry(debt, debtDialog->returnWanted(), debtDialog->returnDate(),
                                          debtDialog->returnDescription(), today)) {
        if (appendEntry(m_db, kind, *back, m_desktop)) {
            p->refresh();
            p->showNewLastRow();
        }
    }
}

void RegisterCommands::edit(RegisterKind kind)
{
    if (m_db.reg(kind).count() == 0) {
        showMessage(m_desktop, editEmptyMessage(kind));
        return;
    }
    RegisterPage *p = page(kind);
    const int row = std::max(1, p->selectedRows().first);
    loadEditBuffer(m_db.edit, m_db.reg(kind).entries.at(row - 1));
    takeUndoSnapshot(kind);
    m_desktop.execDialog(*entryDialog(kind, false));
    storeEditBuffer(m_db, kind, row, m_desktop.today());
    p->model()->rowChanged(row - 1);
}

void RegisterCommands::remove(RegisterKind kind)
{
    auto [top, bottom] = page(kind)->selectedRows();
    if (m_db.reg(kind).count() == 0 || top == 0)
        return;
    if (m_confirmDeletes) {
        const UserMessage question = deleteQuestion();
        if (!m_desktop.AskQuestion(question.line1, question.line2, question.title)) {
            m_db.pendingAction = PendingAction::deletionDeclined;
            return;
        }
    }
    takeUndoSnapshot(kind);
    deleteRows(m_db, kind, top, bottom);
    m_db.modified = true;
    m_window.RefreshRegisterGrids();
}

void RegisterCommands::addMany(RegisterKind kind)
{
    QDialog *dialog = nullptr;
    const auto beforeChange = [this, kind] { takeUndoSnapshot(kind); };
    if (kind == RegisterKind::incomes) {
        if (!m_repeatIncomeDialog) {
            m_repeatIncomeDialog = new Tdopiszspecjalnie2(m_db, m_desktop, m_desktop, &m_window);
            m_repeatIncomeDialog->setBeforeChange(beforeChange);
        }
        dialog = m_repeatIncomeDialog;
    } else {
        if (!m_repeatDialog)
            m_repeatDialog = new Tdopiszspecjalnie(m_db, m_desktop, m_desktop, &m_window);
        m_repeatDialog->setRegister(kind);
        m_repeatDialog->setBeforeChange(beforeChange);
        dialog = m_repeatDialog;
    }
    m_desktop.execDialog(*dialog);
    if (m_db.pendingAction != '0' + pageForRegister(kind))
        return;
    m_db.modified = true;
    m_window.RefreshRegisterGrids();
    page(kind)->showNewLastRow();
}

void RegisterCommands::sort(RegisterKind kind)
{
    if (m_db.reg(kind).count() == 0) {
        showMessage(m_desktop, sortEmptyMessage(kind));
        return;
    }
    Tsort *dialog = nullptr;
    if (kind == RegisterKind::incomes) {
        if (!m_sortIncomeDialog)
            m_sortIncomeDialog = new Tsort2(&m_window);
        dialog = m_sortIncomeDialog;
    } else {
        if (!m_sortDialog)
            m_sortDialog = new Tsort(&m_window);
        dialog = m_sortDialog;
    }
    if (m_desktop.execDialog(*dialog) == QDialog::Accepted) {
        takeUndoSnapshot(kind);
        sortRegister(m_db, kind, dialog->key(), dialog->order());
    }
    m_window.RefreshRegisterGrids();
}

void RegisterCommands::find(RegisterKind kind)
{
    if (m_db.reg(kind).count() == 0)
        return;
    m_find.restart = true;
    if (!m_findDialog) {
        m_findDialog = new FindDialog(&m_window);
        connect(m_findDialog, &FindDialog::findNext, this, &RegisterCommands::findNext);
    }
    m_findDialog->show();
    m_findDialog->raise();
    m_findDialog->activateWindow();
}

void RegisterCommands::findNext()
{
    const auto kind = registerForPage(m_window.currentPage());
    if (!kind || !m_findDialog)
        return;
    RegisterPage *p = page(*kind);
    const std::optional<int> row =
        trelfin::findNext(m_db, *kind, m_find, m_findDialog->request(), std::max(1, p->selectedRows().first));
    if (!row) {
        showMessage(m_desktop, findNotFoundMessage());
        return;
    }
    p->selectRow(*row);
    if (*row > 22)
        p->scrollToRow(*row, *row - 21);
}

void RegisterCommands::settle()
{
    const auto [top, bottom] = page(RegisterKind::planned)->selectedRows();
    if (m_db.plannedCount() == 0 || top == 0)
        return;
    const UserMessage question = settleQuestion();
    if (!m_desktop.AskQuestion(question.line1, question.line2, question.title))
        return;
    settlePlanned(m_db, top, bottom, m_desktop);
    m_window.RefreshRegisterGrids();
}

void RegisterCommands::undo()
{
    const std::optional<RegisterKind> kind = UndoOrRedo(m_undo, m_db);
    if (!kind)
        return;
    m_undoAction.setText(m_undo.redoNext ? kRedo : kUndo);
    m_window.showPage(pageForRegister(*kind));
    m_window.RefreshRegisterGrids();
}

QString RegisterCommands::selectionText(int pageIndex) const
{
    if (const auto kind = registerForPage(pageIndex)) {
        const auto [top, bottom] = page(*kind)->selectedRows();
        return top == 0 ? QString() : registerClipboardText(m_db, *kind, top, bottom);
    }
    const QTableWidget *grid = nullptr;
    int columns = 4;
    if (pageIndex == Tmain::BalanceTab) {
        grid = m_window.balancePage()->grid();
    } else if (pageIndex == Tmain::ForecastTab) {
        grid = m_window.forecastPage()->grid();
    } else if (pageIndex == Tmain::StatementTab) {
        grid = m_window.statementPage()->grid();
        columns = 3;
    }
    if (!grid)
        return QString();
    const QModelIndexList rows = grid->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return QString();
    int top = rows.first().row(), bottom = top;
    for (const QModelIndex &i : rows) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
    }
    QString text;
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells.append(grid->item(r, c) ? grid->item(r, c)->text() : QString());
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

void RegisterCommands::copy(int pageIndex)
{
    const QString text = selectionText(pageIndex);
    if (!text.isEmpty())
        m_desktop.setClipboardText(text);
}

void RegisterCommands::cut(int pageIndex)
{
    const auto kind = registerForPage(pageIndex);
    if (!kind)
        return;
    const QString text = selectionText(pageIndex);
    m_db.pendingAction = PendingAction::none;
    remove(*kind);
    if (m_db.pendingAction == PendingAction::deletionDeclined)
        return;
    if (!text.isEmpty())
        m_desktop.setClipboardText(text);
}

} // namespace trelfin
