#include "ui/reports/chartwindows.h"

#include "core/store/database.h"
#include "ui/common/desktop.h"
#include "ui/common/hints.h"

#include <QAction>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

#include <functional>

namespace trelfin {

namespace {

QLabel *label(QWidget *parent, const QString &text, const QRect &geometry, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setAlignment(alignment | Qt::AlignVCenter);
    return l;
}

// An axis under a chart: the blank-separated numbers of the label's text, each drawn centred on
// the client x that `centre` gives for its index (0-based), so that every number stands under its
// tick or bar whatever the font and the scale. The text stays what the axis says.
class AxisNumbers : public QLabel
{
public:
    AxisNumbers(QWidget *parent, const QRect &geometry, std::function<double(int)> centre)
        : QLabel(parent)
        , m_centre(std::move(centre))
    {
        setGeometry(geometry);
        QFont small = font();
        small.setPixelSize(10);
        setFont(small);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        const QStringList numbers = text().split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < numbers.size(); ++i) {
            const double centre = m_centre(int(i)) - x();
            painter.drawText(QRectF(centre - 20, 0, 40, height()), Qt::AlignCenter, numbers.at(i));
        }
    }

private:
    std::function<double(int)> m_centre;
};

// The value labels end just left of the value axis' ticks (x = 57) and are as wide as their
// widest text; when even the whole margin is too narrow, all eleven take a smaller font, so that
// no label loses a digit.
void fitValueLabels(const std::array<QLabel *, 11> &labels, QFont font)
{
    constexpr int right = 56; // the last pixel column left of the ticks
    const auto widest = [&labels](const QFont &f) {
        const QFontMetrics metrics(f);
        int width = 0;
        for (const QLabel *l : labels)
            width = std::max(width, metrics.horizontalAdvance(l->text()));
        return width;
    };
    for (int pixels = QFontInfo(font).pixelSize(); widest(font) + 1 > right && pixels > 6; --pixels)
        font.setPixelSize(pixels - 1);
    const int width = std::min(right, widest(font) + 1);
    for (QLabel *l : labels) {
        l->setFont(font);
        l->setGeometry(right - width + 1, l->y(), width, l->height());
    }
}

QLabel *describingPanel(QWidget *parent)
{
    auto *opis = new QLabel(QStringLiteral("Opis wykresu:"), parent);
    opis->setObjectName(QStringLiteral("opis"));
    opis->setGeometry(5, 3, 623, 19);
    opis->setFrameShape(QFrame::Panel);
    opis->setFrameShadow(QFrame::Sunken);
    return opis;
}

struct GroupChartTexts
{
    const char *name;
    const char *caption;
    const char *describing;
    const char *axisHint;
    QColor slot;
    QColor bar;
};

const GroupChartTexts &textsOf(SummaryReport report)
{
    static const GroupChartTexts balance = {"wykres2", "Graficzna prezentacja bilansu na podany okres", "Bilans na okres od ",
                                            "Procentowa wartość bilansu", QColor(128, 128, 128), QColor(255, 255, 0)};
    static const GroupChartTexts forecast = {"wykres3", "Graficzna prezentacja prognozy na podany okres",
                                             "Prognoza na okres od ", "Procentowa wartość prognozy", QColor(0, 128, 0),
                                             QColor(255, 0, 0)};
    return report == SummaryReport::balance ? balance : forecast;
}

QFrame *bottomPanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

} // namespace

void saveChartImage(Desktop &desktop, const QImage &image, const QString &defaultName)
{
    const QString path = desktop.chooseSaveFile(saveFileRequest(QStringLiteral("Zapisz wykres jako PNG"),
                                                                QStringLiteral("Obrazy PNG (*.png)|*.png"), QStringLiteral(".png"), defaultName));
    if (!path.isEmpty() && !image.save(path, "PNG"))
        desktop.ShowInformation(QStringLiteral("Nie można zapisać pliku %1").arg(path), QString(), QStringLiteral("Uwaga"));
}

void offerChartImage(QDialog &window, QWidget &chart, Desktop &desktop)
{
    // The chart's area of the window with the labels standing on it, without the panel of
    // buttons below.
    const auto image = [&window, &chart] { return window.grab(chart.geometry()).toImage(); };
    auto *copy = new QAction(QStringLiteral("Kopiuj"), &window);
    copy->setObjectName(QStringLiteral("kopiujwykres"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QObject::connect(copy, &QAction::triggered, &window, [image, &desktop] { desktop.setClipboardImage(image()); });
    auto *save = new QAction(QStringLiteral("Zapisz jako PNG..."), &window);
    save->setObjectName(QStringLiteral("zapiszpng"));
    QObject::connect(save, &QAction::triggered, &window, [image, &desktop] { saveChartImage(desktop, image(), QStringLiteral("wykres")); });
    window.addAction(copy);
    chart.addAction(copy);
    chart.addAction(save);
    chart.setContextMenuPolicy(Qt::ActionsContextMenu);
}

ChartCanvas::ChartCanvas(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (paint)
        paint(painter);
}

GroupChartWindow::GroupChartWindow(SummaryReport report, Database &db, Desktop &desktop, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_report(report)
    , m_db(db)
    , m_canvas(new ChartCanvas(this))
{
    const GroupChartTexts &t = textsOf(report);
    setObjectName(QString::fromLatin1(t.name));
    setWindowTitle(QString::fromUtf8(t.caption));
    setFixedSize(632, 453);
    m_canvas->setGeometry(0, 0, 632, 351);
    m_canvas->paint = [this](QPainter &painter) {
        const GroupChartTexts &texts = textsOf(m_report);
        renderGroupChart(painter, m_chart, m_gridLines, texts.slot, texts.bar);
    };
    offerChartImage(*this, *m_canvas, desktop);
    m_opis = describingPanel(this);
    if (report == SummaryReport::forecast)
        m_opis->setStyleSheet(QStringLiteral("background-color: palette(tooltip-base); color: red;"));
    const int ys[11] = {24, 54, 84, 114, 144, 174, 203, 233, 263, 293, 323};
    for (int i = 0; i <= 10; ++i) {
        QLabel *l = label(this, QStringLiteral("%1 %").arg(100 - 10 * i), QRect(17, ys[i] - 2, 35, 14), Qt::AlignRight);
        setHint(l, QString::fromUtf8(t.axisHint));
    }
    QLabel *groupsAxis = new AxisNumbers(this, QRect(67, 334, 560, 14),
                                         [](int i) { return groupBarLeft(i + 1) + GroupBarWidth / 2.0; });
    groupsAxis->setText(QStringLiteral("01  02  03  04  05  06  07  08  09  10  11  12  13  14  15  16  17  18  19  20  21  22  23  24  25  26  27  28  29  30"));
    groupsAxis->setObjectName(QStringLiteral("l11"));

    QFrame *panel = bottomPanel(this);
    panel->setGeometry(5, 351, 623, 100);
    label(panel, QStringLiteral("Legenda:"), QRect(6, 4, 120, 14));
    label(panel, QStringLiteral("Oś pionowa: wartości w procentach"), QRect(6, 22, 224, 14));
    label(panel, QStringLiteral("Oś pozioma: kolejne grupy"), QRect(6, 40, 224, 14))->setObjectName(QStringLiteral("pozioma"));
    QPushButton *help = createButton(panel, QStringLiteral("pomoc"), QStringLiteral(" Pomoc "), QStringLiteral("Pomoc programu TrelFIN"));
    help->setGeometry(6, 66, 90, 26);
    QPushButton *ok = createButton(panel, QStringLiteral("ok"), QStringLiteral("&OK"));
    ok->setGeometry(102, 66, 90, 26);
    ok->setDefault(true);
    connect(help, &QPushButton::clicked, this, &GroupChartWindow::helpRequested);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    m_opisgrup = new QTableWidget(GroupCount, 5, panel);
    m_opisgrup->setObjectName(QStringLiteral("opisgrup"));
    m_opisgrup->setGeometry(232, 4, 386, 92);
    m_opisgrup->setHorizontalHeaderLabels({QStringLiteral("nr"), QStringLiteral("Nazwa grupy"), QStringLiteral("Ilość"),
                                           QStringLiteral("Wartość"), QStringLiteral("Procent")});
    m_opisgrup->verticalHeader()->hide();
    m_opisgrup->verticalHeader()->setDefaultSectionSize(15);
    m_opisgrup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_opisgrup->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The widths of the design, or what the widest text needs in the desktop's font.
    const int widths[5] = {25, 86, 41, 67, 64};
    const QStringList widest = {QStringLiteral("30"), QStringLiteral("KOM.MIEJ. "), QStringLiteral("3999"),
                                QStringLiteral("9999999,99"), QStringLiteral("100,0000")};
    const QFontMetrics fm = m_opisgrup->fontMetrics();
    for (int c = 0; c < 5; ++c)
        m_opisgrup->setColumnWidth(c, std::max(widths[c], fm.horizontalAdvance(widest.at(c)) + 10));
}

void GroupChartWindow::showSpan(const QString &from, const QString &to, bool gridLines)
{
    m_gridLines = gridLines;
    m_opis->setText(QString::fromUtf8(textsOf(m_report).describing) + from + QStringLiteral(" do ") + to);
    m_chart = computeGroupChart(m_db, m_report == SummaryReport::balance ? RegisterKind::expenses : RegisterKind::planned,
                                from, to);
    const QVector<QStringList> rows = groupChartRowTexts(m_db, m_chart);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 5; ++c) {
            auto *item = new QTableWidgetItem(rows[r][c]);
            if (c >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_opisgrup->setItem(r, c, item);
        }
    }
    m_canvas->update();
}

void GroupChartWindow::done(int result)
{
    QDialog::done(result);
    emit closed();
}

Twykrespaint::Twykrespaint(Database &db, Desktop &desktop, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_db(db)
    , m_canvas(new ChartCanvas(this))
{
    setObjectName(QStringLiteral("wykrespaint"));
    setWindowTitle(QStringLiteral("Graficzna prezentacja danych"));
    setFixedSize(632, 435);
    m_canvas->setGeometry(0, 0, 632, 351);
    m_canvas->paint = [this](QPainter &painter) { renderLineChart(painter, m_chart, m_gridLines, m_shown, m_colours); };
    offerChartImage(*this, *m_canvas, desktop);
    m_opis = describingPanel(this);
    const int ys[11] = {323, 293, 263, 233, 203, 174, 144, 114, 84, 54, 24};
    for (int k = 0; k <= 10; ++k) {
        m_valueLabels[k] = label(this, QStringLiteral("%1,00").arg(10 * k), QRect(1, ys[k] - 2, 52, 14), Qt::AlignRight);
        m_valueLabels[k]->setObjectName(QStringLiteral("L%1").arg(k));
        setHint(m_valueLabels[k], QStringLiteral("Kwota w złotych"));
    }
    m_timeAxis = new AxisNumbers(this, QRect(55, 334, 575, 14),
                                 [this](int i) { return lineChartTickX(m_chart.monthly, i + 1) + 0.5; });
    m_timeAxis->setObjectName(QStringLiteral("l11"));
    setHint(m_timeAxis, QStringLiteral("Dni / miesiące"));

    QFrame *panel = bottomPanel(this);
    panel->setGeometry(5, 351, 623, 82);
    label(panel, QStringLiteral("Legenda:"), QRect(6, 4, 80, 14));
    const char *const names[ChartSeriesCount] = {"Wydatki", "Przychody", "Wydatki planowane"};
    for (int s = 0; s < ChartSeriesCount; ++s) {
        m_legendMarks[s] = new QLabel(panel);
        m_legendMarks[s]->setObjectName(QStringLiteral("k%1").arg(s + 1));
        m_legendMarks[s]->setGeometry(90 + 150 * s, 6, 12, 12);
        label(panel, QString::fromUtf8(names[s]), QRect(106 + 150 * s, 4, 130, 14));
    }
    label(panel, QStringLiteral("Oś pionowa: wartości w złotych"), QRect(6, 22, 260, 14));
    m_pozioma = label(panel, QString(), QRect(6, 40, 400, 14));
    m_pozioma->setObjectName(QStringLiteral("pozioma"));
    QPushButton *help = createButton(panel, QStringLiteral("pomoc"), QStringLiteral(" Pomoc "), QStringLiteral("Pomoc programu TrelFIN"));
    help->setGeometry(430, 48, 90, 26);
    QPushButton *ok = createButton(panel, QStringLiteral("ok"), QStringLiteral("&OK"));
    ok->setGeometry(526, 48, 90, 26);
    ok->setDefault(true);
    connect(help, &QPushButton::clicked, this, &Twykrespaint::helpRequested);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void Twykrespaint::showChart(bool monthly, const QString &from, const std::array<bool, ChartSeriesCount> &shown,
                             const std::array<QColor, ChartSeriesCount> &colours, bool gridLines)
{
    m_shown = shown;
    m_colours = colours;
    m_gridLines = gridLines;
    for (int s = 0; s < ChartSeriesCount; ++s)
        m_legendMarks[s]->setStyleSheet(QStringLiteral("background-color: %1;").arg(colours[s].name()));
    m_chart = computeLineChart(m_db, monthly, from, shown);
    if (monthly) {
        m_timeAxis->setText(QStringLiteral("01  02  03  04  05  06  07  08  09  10  11  12  13  14  15  16  17  18  19  20  21  22  23  24  25  26  27  28  29  30  31"));
        m_pozioma->setText(QStringLiteral("Oś pozioma: kolejne dni analizowanego miesiąca"));
    } else {
        m_timeAxis->setText(QStringLiteral("01            02            03            04            05            06            07            08            09            10            11            12"));
        m_pozioma->setText(QStringLiteral("Oś pozioma: kolejne miesiące analizowanego roku"));
    }
    m_opis->setText(lineChartDescription(m_chart));
    const QStringList labels = valueAxisLabels(m_chart.maximum);
    for (qsizetype i = 0; i < labels.size(); ++i)
        m_valueLabels[10 - i]->setText(labels.at(i));
    fitValueLabels(m_valueLabels, font());
    m_canvas->update();
}

void Twykrespaint::done(int result)
{
    QDialog::done(result);
    emit closed();
}

} // namespace trelfin
