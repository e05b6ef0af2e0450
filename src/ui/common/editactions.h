#pragma once

#include "ui/common/notebookpage.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace trelfin {

class Desktop;

// "&Wytnij", "&Kopiuj", "Wkl&ej", "&Usuń" and "Zaznacz wszystko" of the "&Edycja" menu, and the
// same five in the popup menu of the grids. Each is performed by the page shown; "Kopiuj" puts the page's
// selection text on the clipboard. Both sets are enabled for what the page shown offers.
class EditActions : public QObject
{
    Q_OBJECT
public:
    // `shownPage` answers the page the items act on (null: none).
    EditActions(Desktop &desktop, std::function<NotebookPage *()> shownPage, QObject *parent = nullptr);

    // The Edit menu's items in menu order.
    QList<QAction *> menuActions() const;
    // The popup menu of the grids, made once with `parent`.
    QMenu *popupMenu(QWidget *parent);
    // Opens the popup menu on a right click in `grid`, after `prepare` has run (it may refuse
    // the click's page and enable the items).
    void attachPopupMenu(QWidget *grid, std::function<void()> prepare);

    // Enables both sets of items for the page shown.
    void enableForShownPage();
    void disableAll();

private:
    void perform(EditItem item);
    void enable(EditItems items);

    Desktop &m_desktop;
    std::function<NotebookPage *()> m_shownPage;
    QList<std::pair<EditItem, QAction *>> m_menuItems;
    QList<std::pair<EditItem, QAction *>> m_popupItems;
    QMenu *m_popup = nullptr;
};

} // namespace trelfin
