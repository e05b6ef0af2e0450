#pragma once

#include "ui/mainwindow/notebookpage.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;

namespace trelfin {

class Clock;

// The "Wykresy" page: the dates and colours of the charts. Its first visit with a database open
// presets every date field to today; later visits keep what the user typed.
class ChartsPage : public QWidget, public NotebookPage
{
    Q_OBJECT
public:
    explicit ChartsPage(const Clock &clock, QWidget *parent = nullptr);

    QWidget *pageWidget() override { return this; }
    void enterPage() override;
    QString statusText() const override;

    // Whether the next visit presets the dates; set when the main window is created.
    bool chartDatesPending() const { return m_chartDatesPending; }
    // Back to the state of a new main window: dates pending, every colour list at its first item.
    void reset();

private:
    const Clock &m_clock;
    bool m_chartDatesPending = true;
    QLineEdit *m_mc = nullptr;
    QLineEdit *m_rk = nullptr;
    QLineEdit *m_wod = nullptr;
    QLineEdit *m_wdo = nullptr;
    QLineEdit *m_pwod = nullptr;
    QLineEdit *m_pwdo = nullptr;
    std::array<QComboBox *, 5> m_colourLists{};
};

} // namespace trelfin
