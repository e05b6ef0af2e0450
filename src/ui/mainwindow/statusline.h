#pragma once

#include <QStatusBar>

class QLabel;

namespace trelfin {

// The status bar `Stan`: today's date in panel 0, the status text in panel 1.
class StatusLine : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusLine(QWidget *parent = nullptr);

    QString panelText(int panel) const;
    void setDate(const QString &text);
    void setStatusText(const QString &text);

private:
    QLabel *m_date = nullptr;
    QLabel *m_text = nullptr;
};

} // namespace trelfin
