#pragma once

#include "core/reports/periodsummary.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace trelfin {

class ChartCanvas;
class Database;
class Desktop;

// "Zestawienie okresów": the periods from–to (the last 12 at first) summed up in a table of
// periods with a total row, a table of the groups by period with totals, averages and shares,
// and a chart of incomes and expenses with their difference. The periods' files are read on a
// thread of its own, so the window never blocks; past about 100 ms it shows its progress.
// Ctrl+C copies both tables as tab-separated text; it also saves the chart as PNG, exports the
// tables as CSV and prints them. Shown without blocking.
class PeriodsSummaryWindow : public QDialog
{
    Q_OBJECT
public:
    PeriodsSummaryWindow(Database &db, Desktop &desktop, QWidget *parent = nullptr);
    ~PeriodsSummaryWindow() override;

    // Starts over on the database as it is now: the range reset to the last 12 and recomputed.
    void start();
    // Computes the range chosen; the result arrives on the window's thread.
    void recompute();
    // Waits for a computation under way and shows its result (tests).
    void waitForResult();

    const PeriodsSummary &summary() const { return m_summary; }
    QString clipboardText() const;
    void copyTables();
    void savePng();
    void exportCsv();
    void print();

signals:
    void helpRequested();
    void computed();

private:
    void show(const PeriodsSummary &summary);
    void stopWork();

    Database &m_db;
    Desktop &m_desktop;
    QSpinBox *m_from;
    QSpinBox *m_to;
    QTableWidget *m_periods;
    QTableWidget *m_groups;
    ChartCanvas *m_chart;
    QProgressBar *m_progress;
    QLabel *m_note;
    QTimer *m_progressTimer;
    PeriodsSummary m_summary;

    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_done{0};
    std::atomic<int> m_all{0};
    int m_generation = 0;
};

} // namespace trelfin
