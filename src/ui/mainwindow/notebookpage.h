#pragma once

#include <QFlags>
#include <QString>

class QWidget;

namespace trelfin {

// The items of the "&Edycja" menu (and of the grids' popup menu) that a page enables.
enum class EditItem {
    cut = 0x1,
    copy = 0x2,
    remove = 0x4,
    selectAll = 0x8,
};
Q_DECLARE_FLAGS(EditItems, EditItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(EditItems)

// What every page of the main window's notebook answers, so that the main window asks the page
// shown instead of switching on its index.
class NotebookPage
{
public:
    virtual ~NotebookPage() = default;

    // The page as a widget of the notebook.
    virtual QWidget *pageWidget() = 0;

    // Entering the page with a database open: the page refreshes and recomputes what it shows.
    virtual void enterPage() {}
    // The status text while the page is shown with a database open.
    virtual QString statusText() const = 0;
    // The Edit items the page enables.
    virtual EditItems editItems() const { return {}; }
    // The selected rows as clipboard text: cells separated by tabs, one line per row.
    virtual QString selectionText() const { return QString(); }
    virtual void selectAll() {}
    // Whether the page has a "Drukuj" button that opens the print panel for its data.
    virtual bool offersPrinting() const { return false; }
};

} // namespace trelfin
