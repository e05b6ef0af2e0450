#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QString>
#include <QWidget>

namespace trelfin {

// How long a hint stays on screen.
constexpr int HintDurationMs = 20000;

inline void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    widget->setToolTipDuration(HintDurationMs);
}

// A push button with its object name and, when given, its hint.
inline QPushButton *createButton(QWidget *parent, const QString &name, const QString &caption,
                                 const QString &hint = QString())
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!hint.isEmpty())
        setHint(button, hint);
    return button;
}

// A radio button with its object name and, when given, its hint.
inline QRadioButton *createOption(QWidget *parent, const QString &name, const QString &caption,
                                  const QString &hint = {})
{
    auto *b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    if (!hint.isEmpty())
        setHint(b, hint);
    return b;
}

// A window shown again after being minimised (a show the window system sends) keeps what the
// user typed; only a real showing fills a dialog's fields afresh.
inline bool isRestoredShow(const QShowEvent *event)
{
    return event->spontaneous();
}

} // namespace trelfin
