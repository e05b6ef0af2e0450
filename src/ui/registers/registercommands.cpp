#include "ui/registers/registercommands.h"

#include "core/registers/paste.h"
#include "core/registers/registeredit.h"
#include "core/registers/registermessages.h"
#include "core/registers/rowtext.h"
#include "core/registers/settle.h"
#include "core/registers/sort.h"
#include "core/tools/recurring.h"
#include "ui/common/commandaction.h"
#include "ui/common/desktop.h"
#include "ui/registers/debtentrydialog.h"
#include "ui/registers/entrydialog.h"
#include "ui/registers/finddialog.h"
#include "ui/common/registerview.h"
#include "ui/registers/registermodel.h"
#include "ui/registers/registerpage.h"
#include "ui/registers/recurringwindow.h"
#include "ui/registers/reminderwindow.h"
#include "ui/registers/repeatdialog.h"
#include "ui/registers/sortdialog.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

namespace trelfin {

namespace {
const QString kUndo = QStringLiteral("&Cofnij");
const QString kRedo = QStringLiteral("&Ponów");
} // namespace

RegisterCommands::RegisterCommands(Database &db, Desktop &desktop, RegisterView &view, QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_desktop(desktop)
    , m_view(view)
{
    m_actUndo = createCommandAction(this, QStringLiteral("actionUndo"), kUndo, QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_actInsert = createCommandAction(this, QStringLiteral("actionInsert"), QString(), QKeySequence(Qt::Key_Insert));
    connect(m_actUndo, &QAction::triggered, this, &RegisterCommands::undo);
    connect(m_actInsert, &QAction::triggered, this, [this] {
        if (const auto kind = m_view.shownRegister(); kind && m_db.databaseLoaded)
            add(*kind);
    });
}

RegisterPage *RegisterCommands::createPage(RegisterKind kind)
{
    auto *page = new RegisterPage(m_db, kind);
    m_pages[static_cast<int>(kind)] = page;
    connect(page, &RegisterPage::commandRequested, this, [this, kind](RegisterCommand command) { perform(kind, command); });
    if (m_db.databaseLoaded)
        page->refresh();
    else
        page->clear();
    return page;
}

void RegisterCommands::refreshPages()
{
    for (RegisterPage *page : m_pages) {
        if (page)
            page->refresh();
    }
}

void RegisterCommands::clearPages()
{
    for (RegisterPage *page : m_pages) {
        if (page)
            page->clear();
    }
}

void RegisterCommands::showCounts()
{
    // The bank account's count is written by the grid refresh.
    for (RegisterKind kind : {RegisterKind::expenses, RegisterKind::incomes, RegisterKind::planned, RegisterKind::debts}) {
        if (RegisterPage *page = m_pages[static_cast<int>(kind)])
            page->countField()->setText(QString::number(m_db.reg(kind).count()));
    }
}

std::optional<RegisterKind> RegisterCommands::registerOfPage(const NotebookPage *page) const
{
    for (RegisterPage *registerPage : m_pages) {
        if (registerPage && registerPage == page)
            return registerPage->kind();
    }
    return std::nullopt;
}

void RegisterCommands::perform(RegisterKind kind, RegisterCommand command)
{
    switch (command) {
    case RegisterCommand::edit: edit(kind); break;
    case RegisterCommand::add: add(kind); break;
    case RegisterCommand::addMany: addMany(kind); break;
    case RegisterCommand::remove: remove(kind); break;
    case RegisterCommand::cut: cut(kind); break;
    case RegisterCommand::paste: paste(kind); break;
    case RegisterCommand::find: find(kind); break;
    case RegisterCommand::sort: sort(kind); break;
    case RegisterCommand::settle: settle(); break;
    case RegisterCommand::recurring: recurring(kind); break;
    case RegisterCommand::toShoppingList:
    case RegisterCommand::print:
    case RegisterCommand::help:
        break;
    }
}

RegisterCommands::~RegisterCommands() = default;

RegisterPage *RegisterCommands::page(RegisterKind kind) const
{
    return m_view.registerPage(kind);
}

EntryDialog *RegisterCommands::entryDialog(RegisterKind kind, bool adding)
{
    // Each dialog exists once, made on first use, and keeps its place between uses.
    switch (kind) {
    case RegisterKind::expenses:
        if (!m_expenseDialog)
            m_expenseDialog = new Tedycjarozchod(m_db, m_desktop, m_view.dialogParent());
        return m_expenseDialog;
    case RegisterKind::incomes:
        if (!m_incomeDialog)
            m_incomeDialog = new Tedycjaprzychod(m_db, m_desktop, m_view.dialogParent());
        return m_incomeDialog;
    case RegisterKind::debts:
        if (adding) {
            if (!m_debtAddDialog)
                m_debtAddDialog = new Tedycjadlugidopisz(m_db, m_desktop, m_desktop, m_view.dialogParent());
            return m_debtAddDialog;
        }
        if (!m_debtDialog)
            m_debtDialog = new Tedycjadlugi(m_db, m_desktop, m_view.dialogParent());
        return m_debtDialog;
    case RegisterKind::planned:
        if (!m_plannedDialog)
            m_plannedDialog = new Tedycjaplanowanie(m_db, m_desktop, m_view.dialogParent());
        return m_plannedDialog;
    case RegisterKind::bankAccount:
        if (!m_bankDialog)
            m_bankDialog = new Tedycjakonto(m_db, m_desktop, m_view.dialogParent());
        return m_bankDialog;
    }
    return nullptr;
}

void RegisterCommands::takeUndoSnapshot(RegisterKind kind)
{
    TakeUndoSnapshot(m_undo, m_db, kind);
    m_actUndo->setText(kUndo);
    m_actUndo->setEnabled(true);
}

void RegisterCommands::takeUndoSnapshot(const QList<RegisterKind> &kinds)
{
    TakeUndoSnapshot(m_undo, m_db, kinds);
    m_actUndo->setText(kUndo);
    m_actUndo->setEnabled(true);
}

void RegisterCommands::clearUndo()
{
    ClearUndo(m_undo);
    m_actUndo->setText(kUndo);
    m_actUndo->setEnabled(false);
}

bool RegisterCommands::add(RegisterKind kind, const QString &description)
{
    takeUndoSnapshot(kind);
    const QDate today = m_desktop.today();
    const std::optional<int> row = appendNewEntry(m_db, kind, today, m_desktop);
    if (!row)
        return false;
    if (!description.isEmpty())
        m_db.edit.editDescription = description.left(Width::description);
    RegisterPage *p = page(kind);
    p->refresh();
    p->showNewLastRow();
    EntryDialog *dialog = entryDialog(kind, true);
    m_desktop.execDialog(*dialog);
    storeEditBuffer(m_db, kind, *row, today);
    p->model()->rowChanged(*row - 1);
    p->showNewLastRow();

    if (kind != RegisterKind::debts)
        return true;
    auto *debtDialog = static_cast<Tedycjadlugidopisz *>(dialog);
    const Entry &debt = m_db.reg(kind).entries.at(*row - 1);
    if (const auto back = debtReturnEntry(debt, debtDialog->returnWanted(), debtDialog->returnDate(),
                                          debtDialog->returnDescription(), today)) {
        if (appendEntry(m_db, kind, *back, m_desktop)) {
            p->refresh();
            p->showNewLastRow();
        }
    }
    return true;
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

bool RegisterCommands::remove(RegisterKind kind)
{
    auto [top, bottom] = page(kind)->selectedRows();
    if (m_db.reg(kind).count() == 0 || top == 0)
        return false;
    if (m_db.header.confirmDeletes != 0) {
        const UserMessage question = deleteQuestion();
        if (!m_desktop.AskQuestion(question.line1, question.line2, question.title))
            return false;
    }
    takeUndoSnapshot(kind);
    deleteRows(m_db, kind, top, bottom);
    m_db.modified = true;
    m_view.RefreshRegisterGrids();
    return true;
}

void RegisterCommands::addMany(RegisterKind kind)
{
    Tdopiszspecjalnie *dialog = nullptr;
    if (kind == RegisterKind::incomes) {
        if (!m_repeatIncomeDialog)
            m_repeatIncomeDialog = new Tdopiszspecjalnie(m_db, m_desktop, m_desktop, Tdopiszspecjalnie::Variant::incomes,
                                                         m_view.dialogParent());
        dialog = m_repeatIncomeDialog;
    } else {
        if (!m_repeatDialog)
            m_repeatDialog = new Tdopiszspecjalnie(m_db, m_desktop, m_desktop, Tdopiszspecjalnie::Variant::withGroup,
                                                   m_view.dialogParent());
        dialog = m_repeatDialog;
    }
    dialog->setRegister(kind);
    dialog->setBeforeChange([this, kind] { takeUndoSnapshot(kind); });
    // The window accepts only when it appended the entries.
    if (m_desktop.execDialog(*dialog) != QDialog::Accepted)
        return;
    m_db.modified = true;
    m_view.RefreshRegisterGrids();
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
            m_sortIncomeDialog = new Tsort(Tsort::Variant::incomes, m_view.dialogParent());
        dialog = m_sortIncomeDialog;
    } else {
        if (!m_sortDialog)
            m_sortDialog = new Tsort(Tsort::Variant::withGroup, m_view.dialogParent());
        dialog = m_sortDialog;
    }
    if (m_desktop.execDialog(*dialog) == QDialog::Accepted) {
        takeUndoSnapshot(kind);
        sortRegister(m_db, kind, dialog->key(), dialog->order());
    }
    m_view.RefreshRegisterGrids();
}

void RegisterCommands::find(RegisterKind kind)
{
    if (m_db.reg(kind).count() == 0)
        return;
    m_find.restart = true;
    if (!m_findDialog) {
        m_findDialog = new FindDialog(m_view.dialogParent());
        connect(m_findDialog, &FindDialog::findNext, this, &RegisterCommands::findNext);
    }
    m_findDialog->show();
    m_findDialog->raise();
    m_findDialog->activateWindow();
}

void RegisterCommands::findNext()
{
    const auto kind = m_view.shownRegister();
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
    // Settling changes two registers at once and takes no undo copy: an older copy of the
    // expenses restored now would drop the settled entries (and any added since) while their
    // planned entries stay settled.
    clearUndo();
    m_view.RefreshRegisterGrids();
}

RecurringItemsWindow *RegisterCommands::recurringWindow(RegisterKind kind)
{
    RecurringItemsWindow *&window = kind == RegisterKind::incomes ? m_recurringIncomes : m_recurringExpenses;
    if (!window)
        window = new RecurringItemsWindow(kind == RegisterKind::incomes ? RegisterKind::incomes : RegisterKind::expenses,
                                          m_db, m_desktop, m_view.dialogParent());
    return window;
}

void RegisterCommands::loadRecurringWindows()
{
    recurringWindow(RegisterKind::incomes)->load();
    recurringWindow(RegisterKind::expenses)->load();
}

void RegisterCommands::recurring(RegisterKind kind)
{
    RecurringItemsWindow *window = recurringWindow(kind);
    if (m_desktop.execDialog(*window) != RecurringItemsWindow::AddResult)
        return;
    const QDate today = m_desktop.today();
    const int added = window->kind() == RegisterKind::incomes ? PostRecurringIncomes(m_db, today, m_desktop)
                                                              : PostRecurringExpenses(m_db, today, m_desktop);
    if (added == 0)
        return;
    RegisterPage *p = page(window->kind());
    p->refresh();
    p->showNewLastRow();
}

Tterminplan *RegisterCommands::reminderWindow()
{
    if (!m_reminderWindow)
        m_reminderWindow = new Tterminplan(m_db, m_view.dialogParent());
    return m_reminderWindow;
}

void RegisterCommands::remindDueEntries(Booking booking)
{
    Tterminplan *window = reminderWindow();
    RunReminderWalk(
        m_db, m_desktop.today(), booking,
        [this, window] {
            m_desktop.execDialog(*window);
            return window->answer();
        },
        [this] { m_desktop.execDialog(*entryDialog(RegisterKind::planned, false)); }, m_desktop);
    m_view.RefreshRegisterGrids();
}

void RegisterCommands::undo()
{
    const std::optional<RegisterKind> kind = UndoOrRedo(m_undo, m_db);
    if (!kind)
        return;
    m_actUndo->setText(m_undo.redoNext ? kRedo : kUndo);
    m_view.showRegisterPage(*kind);
    m_view.RefreshRegisterGrids();
}

void RegisterCommands::paste(RegisterKind kind)
{
    const QString text = m_desktop.clipboardText();
    if (text.trimmed().isEmpty())
        return;
    const PastedRows rows = ReadPastedRows(m_db, kind, text);
    // What could not be read is named, the first few lines of it.
    const QString unreadable = rows.unreadable.isEmpty()
        ? QString()
        : QStringLiteral("Pominięto wiersze, których nie można odczytać: ")
            + QStringList(rows.unreadable.mid(0, 3)).join(QStringLiteral("; "))
            + (rows.unreadable.size() > 3 ? QStringLiteral(" i %1 innych").arg(rows.unreadable.size() - 3) : QString());
    if (rows.entries.isEmpty()) {
        m_desktop.ShowInformation(QStringLiteral("Nie wklejono żadnego wiersza"), unreadable, QStringLiteral("Wklejanie danych"));
        return;
    }
    if (m_db.reg(kind).count() >= MaxEntries) {
        showMessage(m_desktop, registerFullMessage(kind));
        return;
    }
    takeUndoSnapshot(kind);
    RegisterPage *p = page(kind);
    const auto [top, bottom] = p->selectedRows();
    const int after = bottom == 0 ? m_db.reg(kind).count() : bottom;
    const int inserted = InsertPastedRows(m_db, kind, after, rows.entries);
    m_view.RefreshRegisterGrids();
    p->selectRow(after + 1);
    QStringList notes;
    if (inserted < rows.entries.size())
        notes.append(QStringLiteral("%1 nie zmieściło się (najwyżej %2 pozycji)").arg(rows.entries.size() - inserted).arg(MaxEntries));
    if (rows.groupsReplaced > 0 && kind != RegisterKind::incomes)
        notes.append(QStringLiteral("%1 z grupą lub rodzajem, którego tu nie ma, otrzymało pierwszą").arg(rows.groupsReplaced));
    if (!unreadable.isEmpty())
        notes.append(unreadable);
    if (!notes.isEmpty())
        m_desktop.ShowInformation(QStringLiteral("Wklejono %1 z %2 wierszy").arg(inserted).arg(rows.entries.size() + rows.unreadable.size()),
                                  notes.join(QStringLiteral("; ")), QStringLiteral("Wklejanie danych"));
}

void RegisterCommands::cut(RegisterKind kind)
{
    const QString text = page(kind)->selectionText();
    if (remove(kind) && !text.isEmpty())
        m_desktop.setClipboardText(text);
}

} // namespace trelfin
