#include "ui/mainwindow/statusline.h"

#include <QLabel>

#include <algorithm>

namespace trelfin {

StatusLine::StatusLine(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("Stan"));
    setSizeGripEnabled(true);
    m_date = new QLabel(this);
    m_date->setObjectName(QStringLiteral("StanPanel0"));
    // 65 pixels, or the width today's date needs in the desktop's font.
    m_date->setFixedWidth(std::max(65, m_date->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000 ")) + 6));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("StanPanel1"));
    m_text->setMinimumWidth(1);
    addWidget(m_date);
    addWidget(m_text, 1);
}

QString StatusLine::panelText(int panel) const
{
    return panel == 0 ? m_date->text() : m_text->text();
}

void StatusLine::setDate(const QString &text)
{
    m_date->setText(text);
}

void StatusLine::setStatusText(const QString &text)
{
    m_text->setText(text);
}

} // namespace trelfin
