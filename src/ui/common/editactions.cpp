#include "ui/common/editactions.h"

#include "ui/common/commandaction.h"
#include "ui/common/desktop.h"

#include <QAbstractScrollArea>
#include <QMenu>

namespace trelfin {

EditActions::EditActions(Desktop &desktop, std::function<NotebookPage *()> shownPage, QObject *parent)
    : QObject(parent)
    , m_desktop(desktop)
    , m_shownPage(std::move(shownPage))
{
    m_menuItems = {
        {EditItem::cut, createCommandAction(this, QStringLiteral("actionCut"), QStringLiteral("&Wytnij"),
                                            QKeySequence(Qt::CTRL | Qt::Key_X))},
        {EditItem::copy, createCommandAction(this, QStringLiteral("actionCopy"), QStringLiteral("&Kopiuj"),
                                             QKeySequence(Qt::CTRL | Qt::Key_C))},
        {EditItem::paste, createCommandAction(this, QStringLiteral("actionPaste"), QStringLiteral("Wkl&ej"),
                                              QKeySequence(Qt::CTRL | Qt::Key_V))},
        {EditItem::remove, createCommandAction(this, QStringLiteral("actionDelete"), QStringLiteral("&Usuń"),
                                               QKeySequence(Qt::Key_Delete))},
        {EditItem::selectAll, createCommandAction(this, QStringLiteral("actionSelectAll"), QStringLiteral("Zaznacz wszystko"),
                                                  QKeySequence(Qt::CTRL | Qt::Key_A))},
    };
    for (const auto &[item, action] : std::as_const(m_menuItems))
        connect(action, &QAction::triggered, this, [this, item = item] { perform(item); });
}

QList<QAction *> EditActions::menuActions() const
{
    QList<QAction *> actions;
    for (const auto &entry : m_menuItems)
        actions.append(entry.second);
    return actions;
}

QMenu *EditActions::popupMenu(QWidget *parent)
{
    if (m_popup)
        return m_popup;
    m_popup = new QMenu(parent);
    m_popup->setObjectName(QStringLiteral("popupMenu"));
    // The popup's own captions; their shortcuts are those of the Edit items, shown as a hint.
    const auto add = [this](EditItem item, const QString &caption, const QKeySequence &key) {
        QAction *action = m_popup->addAction(caption);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, item] { perform(item); });
        m_popupItems.append({item, action});
    };
    add(EditItem::cut, QStringLiteral("Wy&tnij"), QKeySequence(Qt::CTRL | Qt::Key_X));
    add(EditItem::copy, QStringLiteral("&Kopiuj"), QKeySequence(Qt::CTRL | Qt::Key_C));
    add(EditItem::paste, QStringLiteral("Wk&lej"), QKeySequence(Qt::CTRL | Qt::Key_V));
    add(EditItem::remove, QStringLiteral("&Usuń"), QKeySequence(Qt::Key_Delete));
    m_popup->addSeparator();
    add(EditItem::selectAll, QStringLiteral("Zaznacz &Wszystko"), QKeySequence());
    return m_popup;
}

void EditActions::attachPopupMenu(QWidget *grid, std::function<void()> prepare)
{
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this, grid, prepare = std::move(prepare)](const QPoint &pos) {
        prepare();
        const auto *view = qobject_cast<QAbstractScrollArea *>(grid);
        m_popup->exec((view ? view->viewport() : grid)->mapToGlobal(pos));
    });
}

void EditActions::enableForShownPage()
{
    const NotebookPage *page = m_shownPage();
    enable(page ? page->editItems() : EditItems());
}

void EditActions::disableAll()
{
    enable({});
}

void EditActions::enable(EditItems items)
{
    for (const auto &[item, action] : std::as_const(m_menuItems))
        action->setEnabled(items.testFlag(item));
    for (const auto &[item, action] : std::as_const(m_popupItems))
        action->setEnabled(items.testFlag(item));
}

void EditActions::perform(EditItem item)
{
    NotebookPage *page = m_shownPage();
    if (!page)
        return;
    if (item == EditItem::copy) {
        const QString text = page->selectionText();
        if (!text.isEmpty())
            m_desktop.setClipboardText(text);
        return;
    }
    page->performEditItem(item);
}

} // namespace trelfin
