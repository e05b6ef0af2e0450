#pragma once

#include "core/reports/charts.h"
#include "ui/reports/spandialogs.h"

#include <QDialog>
#include <QWidget>

#include <array>
#include <functional>

class QImage;
class QLabel;
class QTableWidget;

namespace trelfin {

class Database;
class Desktop;

// Ctrl+C and the context menu's "Kopiuj" copy a chart window's chart (its drawing area with the
// labels on it, not the buttons below) as an image; "Zapisz jako PNG..." writes the same image
// into a file the user chooses.
void offerChartImage(QDialog &window, QWidget &chart, Desktop &desktop);
// "Zapisz jako PNG...": asks for a file (named `defaultName` at first) and writes `image` into it.
void saveChartImage(Desktop &desktop, const QImage &image, const QString &defaultName);

// The area a chart is drawn on: the client area of its window, painted by `paint`.
class ChartCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit ChartCanvas(QWidget *parent = nullptr);
    std::function<void(QPainter &)> paint;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The group breakdown windows: "wykres2" charts the expenses of a span by group, "wykres3" the
// open planned entries; they differ only in their texts and two colours. Shown without blocking;
// closing them (by "&OK", the frame or Escape) says so, so that the page re-enables its controls.
class GroupChartWindow : public QDialog
{
    Q_OBJECT
public:
    GroupChartWindow(SummaryReport report, Database &db, Desktop &desktop, QWidget *parent = nullptr);

    // Computes the chart of the span and fills the grid; `gridLines` as "Linie siatki" is now.
    void showSpan(const QString &from, const QString &to, bool gridLines);

    const GroupChart &chart() const { return m_chart; }
    void done(int result) override;

signals:
    void closed();
    void helpRequested();

private:
    SummaryReport m_report;
    Database &m_db;
    GroupChart m_chart;
    bool m_gridLines = true;
    ChartCanvas *m_canvas;
    QLabel *m_opis;
    QTableWidget *m_opisgrup;
};

// "Graficzna prezentacja danych": the monthly or yearly lines of expenses, incomes and open
// planned expenses. Shown without blocking.
class Twykrespaint : public QDialog
{
    Q_OBJECT
public:
    Twykrespaint(Database &db, Desktop &desktop, QWidget *parent = nullptr);

    // Computes the chart of the month (or year) of `from` and shows it with the series, colours
    // and grid lines chosen now.
    void showChart(bool monthly, const QString &from, const std::array<bool, ChartSeriesCount> &shown,
                   const std::array<QColor, ChartSeriesCount> &colours, bool gridLines);

    const LineChart &chart() const { return m_chart; }
    void done(int result) override;

signals:
    void closed();
    void helpRequested();

private:
    Database &m_db;
    LineChart m_chart;
    std::array<bool, ChartSeriesCount> m_shown{};
    std::array<QColor, ChartSeriesCount> m_colours;
    bool m_gridLines = true;
    ChartCanvas *m_canvas;
    QLabel *m_opis;
    std::array<QLabel *, 11> m_valueLabels{};   // L0..L10
    QLabel *m_timeAxis;
    QLabel *m_pozioma;
    std::array<QLabel *, ChartSeriesCount> m_legendMarks{};
};

} // namespace trelfin
