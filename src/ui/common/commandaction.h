#pragma once

#include <QAction>
#include <QKeySequence>
#include <QString>

namespace trelfin {

// A menu item of a commands object: owned by `owner`, found by its object name. The window that
// places it in a menu also adds it to itself, so that its shortcut works while the menu is hidden.
inline QAction *createCommandAction(QObject *owner, const QString &name, const QString &caption,
                                    const QKeySequence &key = {})
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setShortcut(key);
    return action;
}

} // namespace trelfin
