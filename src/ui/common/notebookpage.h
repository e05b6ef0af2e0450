#pragma once

#include <QFlags>
#include <QString>

#include <functional>
#include <utility>

class QWidget;

namespace trelfin {

// The items of the "&Edycja" menu (and of the grids' popup menu) that a page enables.
enum class EditItem {
    cut = 0x1,
    copy = 0x2,
    remove = 0x4,
    selectAll = 0x8,
    paste = 0x10,
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
    // Performs an Edit item the page enabled ("Kopiuj" puts selectionText() on the clipboard,
    // which needs nothing of the page). "Zaznacz wszystko" selects all; a page that enables
    // "Wytnij" or "Usuń" performs them itself.
    virtual void performEditItem(EditItem item)
    {
        if (item == EditItem::selectAll)
            selectAll();
    }
    // Whether the page has a "Drukuj" button that opens the print panel for its data.
    virtual bool offersPrinting() const { return false; }

    // Who is told when the set of Edit items the page enables has changed while it is shown.
    void setEditItemsChangedHandler(std::function<void()> handler) { m_editItemsChanged = std::move(handler); }

protected:
    // A page whose enabled Edit items depend on its state calls this when they change.
    void editItemsChanged()
    {
        if (m_editItemsChanged)
            m_editItemsChanged();
    }

private:
    std::function<void()> m_editItemsChanged;
};

} // namespace trelfin
