#pragma once

#include "core/reports/charts.h"
#include "ui/common/notebookpage.h"
#include "ui/reports/spandialogs.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trelfin {

class Database;
class Desktop;
class GroupChartWindow;
class Twykrespaint;

// The "Wykresy" page: which chart to draw (a month's or a year's lines, or the balance's or the
// forecast's groups over a span), its dates, the series and their colours, and "Linie siatki".
// Its first visit with a database open presets every date field to today; later visits keep
// what the user typed. "&Rysuj" shows the chart's window without blocking; while one is open
// the chart options are disabled.
class ChartsPage : public QWidget, public NotebookPage
{
    Q_OBJECT
public:
    ChartsPage(Database &db, Desktop &desktop, QWidget *parent = nullptr);

    QWidget *pageWidget() override { return this; }
    void enterPage() override;
    QString statusText() const override;

    // Whether the next visit presets the dates; set when the main window is created.
    bool chartDatesPending() const { return m_chartDatesPending; }
    // Back to the state of a new main window: dates pending, every colour list at its first item.
    void reset();

    void pushtopaintClick();
    // The colour a series is drawn in: its list's colour.
    QColor seriesColour(int series) const;

    // The chart windows, each made when first asked for.
    GroupChartWindow *balanceChart();
    GroupChartWindow *forecastChart();
    Twykrespaint *lineChart();

signals:
    void helpRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GroupChartWindow *makeGroupChart(SummaryReport report);
    void kolorChange(int list);
    void miesiacClick();
    void seriesControlsEnabled(bool enabled);
    // Checks a radio button as a click would, running its click handler when it was not checked.
    void choose(QRadioButton *button);
    // Disables the chart options while a chart window is open, and enables them again after.
    void updateChartOptions();

    Database &m_db;
    Desktop &m_desktop;
    bool m_chartDatesPending = true;
    QRadioButton *m_miesiac = nullptr;
    QRadioButton *m_rok = nullptr;
    QRadioButton *m_bilansw = nullptr;
    QRadioButton *m_prognozaw = nullptr;
    QLineEdit *m_mc = nullptr;
    QLineEdit *m_rk = nullptr;
    QLineEdit *m_wod = nullptr;
    QLineEdit *m_wdo = nullptr;
    QLineEdit *m_pwod = nullptr;
    QLineEdit *m_pwdo = nullptr;
    std::array<QCheckBox *, 5> m_seriesBoxes{};   // drozchod, dprzychod, dplanowanie, ddlugi, dpozyczki
    std::array<QComboBox *, 5> m_colourLists{};
    std::array<QLabel *, 5> m_swatches{};
    std::array<QColor, 5> m_colours;
    QCheckBox *m_siatka = nullptr;
    QPushButton *m_pushtopaint = nullptr;
    GroupChartWindow *m_balanceChart = nullptr;
    GroupChartWindow *m_forecastChart = nullptr;
    Twykrespaint *m_lineChart = nullptr;
};

} // namespace trelfin
