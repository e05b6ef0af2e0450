#pragma once

#include "core/store/database.h"
#include "ui/common/notebookpage.h"

#include <QWidget>

#include <utility>

class QLineEdit;
class QPushButton;
class QTableView;

namespace trelfin {

class RegisterModel;

// The commands of a register page's button bar (and of Enter, double click and the Edit items).
enum class RegisterCommand { edit, add, addMany, remove, cut, paste, find, sort, recurring, settle, toShoppingList, print, help };

// A register page: the grid of one register, its count field and its button bar.
class RegisterPage : public QWidget, public NotebookPage
{
    Q_OBJECT
public:
    RegisterPage(Database &db, RegisterKind kind, QWidget *parent = nullptr);

    QWidget *pageWidget() override { return this; }
    QString statusText() const override;
    EditItems editItems() const override
    {
        return EditItem::cut | EditItem::copy | EditItem::paste | EditItem::remove | EditItem::selectAll;
    }
    // The selected entries as the grid shows them.
    QString selectionText() const override;
    void selectAll() override;
    // "Wytnij", "Wklej" and "Usuń" are register commands, asked for as the buttons ask for theirs.
    void performEditItem(EditItem item) override;
    bool offersPrinting() const override { return true; }

    RegisterKind kind() const { return m_kind; }
    QTableView *grid() const { return m_grid; }
    RegisterModel *model() const { return m_model; }
    QLineEdit *countField() const { return m_count; }
    QPushButton *button(RegisterCommand command) const;

    // Rebuilds the grid and the count field from the register; the grid is hidden while the
    // register is empty.
    void refresh();
    // Empties the selection and hides the grid, as with no database open.
    void clear();

    // The selected rows, top to bottom, 1-based; (0, 0) when nothing is selected.
    std::pair<int, int> selectedRows() const;
    // After a row was appended: the new last row becomes the selection, with 21 rows above it
    // when the register has more than 22.
    void showNewLastRow();
    // Scrolls so that `topRow` (1-based) is the first row shown, as far as the grid allows, and
    // `row` is in view.
    void scrollToRow(int row, int topRow);
    // Makes row `row` (1-based) the selection.
    void selectRow(int row);

signals:
    void commandRequested(trelfin::RegisterCommand command);
    // The selection changed: `summary` is its count and sum when two or more rows are selected,
    // else empty.
    void selectionSummaryChanged(const QString &summary);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addButton(RegisterCommand command, const QString &name, const QString &caption, const QString &hint);

    Database &m_db;
    RegisterKind m_kind;
    RegisterModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QLineEdit *m_count = nullptr;
    QList<std::pair<RegisterCommand, QPushButton *>> m_buttons;
};

} // namespace trelfin
