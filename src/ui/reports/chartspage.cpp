#include "ui/reports/chartspage.h"

#include "core/store/database.h"
#include "core/store/helpers.h"
#include "ui/common/desktop.h"
#include "ui/common/hints.h"
#include "ui/common/maskededit.h"
#include "ui/reports/chartwindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trelfin {

namespace {

const char *const kSeries[5][3] = {
    {"drozchod", "Wydatki  (z bazy Rozchód)", "Czy uwzględnić na wykresie informacje o wydatkach?"},
    {"dprzychod", "Przychody", "Czy uwzględnić na wykresie informacje o przychodach?"},
    {"dplanowanie", "Wydatki planowane  (z bazy Planowanie)", "Czy uwzględnić na wykresie informacje o planowanych wydatkach?"},
    {"ddlugi", "Zaciągnięte długi", ""},
    {"dpozyczki", "Udzielone pożyczki", ""},
};

const char *const kSwatchHints[5] = {"Kolor danych - wydatki", "Kolor danych - przychody", "Kolor danych - wydatki planowane",
                                     "Kolor danych - długi", "Kolor danych - pożyczki"};

QLineEdit *dateEdit(QWidget *parent, const char *name, const QString &mask, const char *hint)
{
    QLineEdit *edit = createMaskedEdit(parent, QString::fromLatin1(name), mask);
    setHint(edit, QString::fromUtf8(hint));
    return edit;
}

} // namespace

ChartsPage::ChartsPage(Database &db, Desktop &desktop, QWidget *parent)
    : QWidget(parent)
    , m_db(db)
    , m_desktop(desktop)
{
    setObjectName(QStringLiteral("pageWykresy"));

    auto *kinds = new QGroupBox(QStringLiteral(" Rodzaj wykresu: "), this);
    auto *kindGrid = new QGridLayout(kinds);
    m_miesiac = new QRadioButton(QStringLiteral("Wykres miesięczny na miesiąc"), kinds);
    m_rok = new QRadioButton(QStringLiteral("Wykres roczny na rok"), kinds);
    m_bilansw = new QRadioButton(QStringLiteral("Wykres bilansu na okres od "), kinds);
    m_prognozaw = new QRadioButton(QStringLiteral("Wykres prognozy na okres od "), kinds);
    m_miesiac->setObjectName(QStringLiteral("miesiac"));
    m_rok->setObjectName(QStringLiteral("rok"));
    m_bilansw->setObjectName(QStringLiteral("bilansw"));
    m_prognozaw->setObjectName(QStringLiteral("prognozaw"));
    m_miesiac->setChecked(true);
    m_mc = dateEdit(kinds, "mc", MonthMask, "Data w formacie MM-RRRR");
    m_rk = dateEdit(kinds, "rk", YearMask, "Rok w formacie RRRR");
    m_wod = dateEdit(kinds, "wod", DayMask, "Data początku wykresu");
    m_wdo = dateEdit(kinds, "wdo", DayMask, "Data końca wykresu");
    m_pwod = dateEdit(kinds, "pwod", DayMask, "Data początku wykresu");
    m_pwdo = dateEdit(kinds, "pwdo", DayMask, "Data końca wykresu");
    kindGrid->addWidget(m_miesiac, 0, 0);
    kindGrid->addWidget(m_mc, 0, 1);
    kindGrid->addWidget(m_rok, 1, 0);
    kindGrid->addWidget(m_rk, 1, 1);
    kindGrid->addWidget(m_bilansw, 2, 0);
    kindGrid->addWidget(m_wod, 2, 1);
    kindGrid->addWidget(new QLabel(QStringLiteral("do"), kinds), 2, 2);
    kindGrid->addWidget(m_wdo, 2, 3);
    kindGrid->addWidget(m_prognozaw, 3, 0);
    kindGrid->addWidget(m_pwod, 3, 1);
    kindGrid->addWidget(new QLabel(QStringLiteral("do"), kinds), 3, 2);
    kindGrid->addWidget(m_pwdo, 3, 3);
    for (QLineEdit *edit : {m_mc, m_rk, m_wod, m_wdo, m_pwod, m_pwdo})
        edit->installEventFilter(this);
    // Typing a span chooses its chart.
    for (QLineEdit *edit : {m_wod, m_wdo})
        connect(edit, &QLineEdit::textEdited, this, [this] { choose(m_bilansw); });
    for (QLineEdit *edit : {m_pwod, m_pwdo})
        connect(edit, &QLineEdit::textEdited, this, [this] { choose(m_prognozaw); });
    connect(m_miesiac, &QRadioButton::clicked, this, &ChartsPage::miesiacClick);
    connect(m_rok, &QRadioButton::clicked, this, &ChartsPage::miesiacClick);
    connect(m_bilansw, &QRadioButton::clicked, this, [this] { seriesControlsEnabled(false); });
    connect(m_prognozaw, &QRadioButton::clicked, this, [this] { seriesControlsEnabled(false); });

    auto *seriesBox = new QGroupBox(QStringLiteral(" Dane: "), this);
    auto *seriesGrid = new QGridLayout(seriesBox);
    const QStringList colourNames = {
        QStringLiteral("(Domyślny)"), QStringLiteral("Czerwony"), QStringLiteral("Niebieski"), QStringLiteral("Zielony"),
        QStringLiteral("Szary"), QStringLiteral("Czarny"), QStringLiteral("Żółty"), QStringLiteral("Purpurowy"),
    };
    for (int i = 0; i < 5; ++i) {
        auto *box = new QCheckBox(QString::fromUtf8(kSeries[i][1]), seriesBox);
        box->setObjectName(QString::fromLatin1(kSeries[i][0]));
        box->setChecked(true);
        if (*kSeries[i][2])
            setHint(box, QString::fromUtf8(kSeries[i][2]));
        auto *list = new QComboBox(seriesBox);
        list->setObjectName(QStringLiteral("kolor%1").arg(i + 1));
        list->addItems(colourNames);
        setHint(list, QStringLiteral("Ustala kolor danych na wykresie"));
        auto *swatch = new QLabel(seriesBox);
        swatch->setObjectName(QStringLiteral("c%1").arg(i + 1));
        swatch->setFixedSize(16, 16);
        setHint(swatch, QString::fromUtf8(kSwatchHints[i]));
        seriesGrid->addWidget(box, i, 0);
        seriesGrid->addWidget(list, i, 1);
        seriesGrid->addWidget(swatch, i, 2);
        // Debts and loans feed no chart yet: their controls stay hidden.
        for (QWidget *w : {static_cast<QWidget *>(box), static_cast<QWidget *>(list), static_cast<QWidget *>(swatch)})
            w->setVisible(i < 3);
        m_seriesBoxes[i] = box;
        m_colourLists[i] = list;
        m_swatches[i] = swatch;
        connect(list, &QComboBox::currentIndexChanged, this, [this, i] { kolorChange(i + 1); });
        kolorChange(i + 1);
    }

    auto *other = new QGroupBox(QStringLiteral(" Inne opcje: "), this);
    auto *otherLayout = new QVBoxLayout(other);
    m_siatka = new QCheckBox(QStringLiteral("Linie siatki"), other);
    m_siatka->setObjectName(QStringLiteral("siatka"));
    m_siatka->setChecked(true);
    setHint(m_siatka, QStringLiteral("Czy nanieść na wykres linie siatki?"));
    otherLayout->addWidget(m_siatka);

    QPushButton *help = createButton(this, QStringLiteral("pomoc"), QStringLiteral("Pomoc"), QStringLiteral("Pomoc programu TrelFIN"));
    m_pushtopaint = createButton(this, QStringLiteral("pushtopaint"), QStringLiteral("&Rysuj"), QStringLiteral("Sporządź wykres"));
    connect(help, &QPushButton::clicked, this, &ChartsPage::helpRequested);
    connect(m_pushtopaint, &QPushButton::clicked, this, &ChartsPage::pushtopaintClick);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_pushtopaint);
    buttons->addWidget(help);
    buttons->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(kinds);
    left->addWidget(seriesBox);
    left->addWidget(other);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addStretch(1);
    layout->addLayout(buttons);

}

// The chart windows are made when first asked for and kept for the rest of the run.
GroupChartWindow *ChartsPage::balanceChart()
{
    if (!m_balanceChart)
        m_balanceChart = makeGroupChart(SummaryReport::balance);
    return m_balanceChart;
}

GroupChartWindow *ChartsPage::forecastChart()
{
    if (!m_forecastChart)
        m_forecastChart = makeGroupChart(SummaryReport::forecast);
    return m_forecastChart;
}

GroupChartWindow *ChartsPage::makeGroupChart(SummaryReport report)
{
    auto *window = new GroupChartWindow(report, m_db, m_desktop, this);
    connect(window, &GroupChartWindow::closed, this, &ChartsPage::updateChartOptions);
    connect(window, &GroupChartWindow::helpRequested, this, &ChartsPage::helpRequested);
    return window;
}

Twykrespaint *ChartsPage::lineChart()
{
    if (!m_lineChart) {
        m_lineChart = new Twykrespaint(m_db, m_desktop, this);
        connect(m_lineChart, &Twykrespaint::closed, this, &ChartsPage::updateChartOptions);
        connect(m_lineChart, &Twykrespaint::helpRequested, this, &ChartsPage::helpRequested);
    }
    return m_lineChart;
}

QString ChartsPage::statusText() const
{
    return QStringLiteral("Wykresy statystyczne opisujące wybrane dane. Wybierz odpowiedni przycisk aby "
                          "obejrzeć dany wykres");
}

void ChartsPage::reset()
{
    m_chartDatesPending = true;
    for (QComboBox *list : m_colourLists)
        list->setCurrentIndex(0);
}

void ChartsPage::enterPage()
{
    if (!m_chartDatesPending)
        return;
    m_chartDatesPending = false;
    const QString day = FormatDashDate(m_desktop.today());
    m_mc->setText(day.mid(3));
    m_rk->setText(day.mid(6));
    for (QLineEdit *field : {m_wod, m_wdo, m_pwod, m_pwdo})
        field->setText(day);
}

bool ChartsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_mc)
            choose(m_miesiac);
        else if (watched == m_rk)
            choose(m_rok);
        else if (watched == m_wod || watched == m_wdo)
            choose(m_bilansw);
        else if (watched == m_pwod || watched == m_pwdo)
            choose(m_prognozaw);
    }
    return QWidget::eventFilter(watched, event);
}

void ChartsPage::choose(QRadioButton *button)
{
    if (button->isChecked() || !button->isEnabled())
        return;
    button->click();
}

void ChartsPage::kolorChange(int list)
{
    const QColor colour = chartColour(list, m_colourLists[list - 1]->currentIndex());
    if (!colour.isValid())
        return;
    m_colours[list - 1] = colour;
    m_swatches[list - 1]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;").arg(colour.name()));
}

QColor ChartsPage::seriesColour(int series) const
{
    return m_colours[series];
}

void ChartsPage::miesiacClick()
{
    seriesControlsEnabled(true);
}

void ChartsPage::seriesControlsEnabled(bool enabled)
{
    for (int i = 0; i < 5; ++i) {
        m_seriesBoxes[i]->setEnabled(enabled);
        m_colourLists[i]->setEnabled(enabled);
    }
}

void ChartsPage::updateChartOptions()
{
    // While a chart window is open its options stay as they were drawn with.
    const auto shown = [](const QWidget *window) { return window && window->isVisible(); };
    const bool open = shown(m_balanceChart) || shown(m_forecastChart) || shown(m_lineChart);
    for (QWidget *w : {static_cast<QWidget *>(m_pushtopaint), static_cast<QWidget *>(m_miesiac),
                       static_cast<QWidget *>(m_rok), static_cast<QWidget *>(m_bilansw), static_cast<QWidget *>(m_siatka)})
        w->setEnabled(!open);
    seriesControlsEnabled(!shown(m_lineChart) && (m_miesiac->isChecked() || m_rok->isChecked()));
}

void ChartsPage::pushtopaintClick()
{
    const QDate today = m_desktop.today();
    ReportSpan &span = m_db.balanceMode.span;
    const auto showGroups = [&](GroupChartWindow *window, QLineEdit *from, QLineEdit *to) {
        span.from = NormalizeDate(maskedText(from), today);
        span.to = NormalizeDate(maskedText(to), today);
        window->showSpan(span.from, span.to, m_siatka->isChecked());
        m_desktop.showWindow(*window);
        updateChartOptions();
    };
    if (m_miesiac->isChecked() || m_rok->isChecked()) {
        const bool monthly = m_miesiac->isChecked();
        span.from = NormalizeDate((monthly ? QStringLiteral("01.") : QStringLiteral("01.01.")) + maskedText(monthly ? m_mc : m_rk), today);
        span.to = ClampToMonthEnd(NormalizeDate((monthly ? QStringLiteral("31.") : QStringLiteral("31.12.")) + maskedText(monthly ? m_mc : m_rk), today));
        std::array<bool, ChartSeriesCount> shown{};
        std::array<QColor, ChartSeriesCount> colours;
        for (int s = 0; s < ChartSeriesCount; ++s) {
            shown[s] = m_seriesBoxes[s]->isChecked();
            colours[s] = m_colours[s];
        }
        lineChart()->showChart(monthly, span.from, shown, colours, m_siatka->isChecked());
        m_desktop.showWindow(*lineChart());
        updateChartOptions();
        return;
    }
    if (m_bilansw->isChecked())
        showGroups(balanceChart(), m_wod, m_wdo);
    if (m_prognozaw->isChecked())
        showGroups(forecastChart(), m_pwod, m_pwdo);
}

} // namespace trelfin
