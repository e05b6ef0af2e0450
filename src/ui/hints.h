#pragma once

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

} // namespace trelfin
