#pragma once

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

// A window shown again after being minimised (a show the window system sends) keeps what the
// user typed; only a real showing fills a dialog's fields afresh.
inline bool isRestoredShow(const QShowEvent *event)
{
    return event->spontaneous();
}

} // namespace trelfin
