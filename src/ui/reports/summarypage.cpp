#include "ui/reports/summarypage.h"

#include "ui/common/hints.h"
#include "ui/reports/reportgrid.h"
#include "ui/reports/spandialogs.h"
#include "ui/common/desktop.h"
#include "core/store/database.h"
#include "core/store/helpers.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trelfin {

namespace {

// Everything in which the balance and the forecast pages differ.
struct PageTexts
{
    const char *pageName;
    const char *gridName;
    const char *captionName;
    const char *captionBox;
    const char *totalCaption;
    const char *yearCaption;
    const char *monthCaption;
    const char *incomeName;   // nullptr: no income field
    const char *totalName;
    const char *totalLabel;
    const char *totalHint;
    const char *periodName;
    const char *spanName;
    const char *spanLabel;
    const char *spanHint;
    const char *todayName;
    const char *radioNames[3];
    const char *radioHint;
    const char *buttonNames[4];  // whole period, month, year, span
    const char *buttonCaptions[4];
    const char *buttonHints[4];
};

const PageTexts kBalance = {
    "pageBilans", "bilans", "typbilansu", " Bilans: ", "Całkowity", "Roczny", "Miesięczny",
    "bprzychod", "brozchod", "Rozchód na dany okres:", "Zsumowana wartość wydatków",
    "bokres", "bdata", "Data bilansu:", "Rodzaj bilansu (Przedział czasowy)", "btoday",
    {"Grupami", "Rosnaco", "Malejaco"}, "Sposób sortowania pozycji bilansu",
    {"calkowity", "miesieczny", "roczny", "podanyokres"},
    {"Całkowity", "Miesięczny", "Roczny", "Podany okres"},
    {"Bilans całkowity. Okres bilansowania: od najstarszej do najmłodszej daty występującej w edytowanym okresie księgowania",
     "Bilans na podany miesiąc dla edytowanego okresu księgowania",
     "Bilans na podany rok dla edytowanego okresu księgowania",
     "Bilans na podany przedział czasowy dla edytowanego okresu księgowania"},
};

const PageTexts kForecast = {
    "pagePrognoza", "prognoza", "typprognozy", " Prognoza wydatków: ", "Całkowita", "Roczna", "Miesięczna",
    nullptr, "prozchod", "Łączna kwota wydatków zaplanowanych:", "Zsumowana wartość wydatków zaplanowanych",
    "pokres", "pdata", "Data prognozy:", "Rodzaj prognozy (Przedział czasowy)", "ptoday",
    {"grupamip", "rosnacop", "malejacop"}, "Sposób sortowania pozycji prognozy",
    {"SpeedButton62", "SpeedButton63", "SpeedButton64", "SpeedButton65"},
    {"Całkowita", "Miesięczna", "Roczna", "Podany okres"},
    {"Prognoza całkowita. Okres prognozowania: od najstarszej do najmłodszej daty występującej w edytowanym okresie księgowania",
     "Prognoza na podany miesiąc dla edytowanego okresu księgowania",
     "Prognoza na podany rok dla edytowanego okresu księgowania",
     "Prognoza na podany przedział czasowy dla edytowanego okresu księgowania"},
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QLineEdit *infoField(QWidget *parent, const char *name, const char *hint = nullptr)
{
    auto *field = new QLineEdit(QStringLiteral("b.d."), parent);
    field->setObjectName(text(name));
    field->setReadOnly(true);
    if (hint)
        setHint(field, text(hint));
    return field;
}

} // namespace

GroupSummaryPage::GroupSummaryPage(Kind kind, Database &db, Desktop &desktop, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_db(db)
    , m_desktop(desktop)
{
    const PageTexts &t = kind == Kind::balance ? kBalance : kForecast;
    setObjectName(text(t.pageName));

    auto *captionBox = new QGroupBox(text(t.captionBox), this);
    auto *captionLayout = new QVBoxLayout(captionBox);
    m_caption = new QLabel(text(t.totalCaption), captionBox);
    m_caption->setObjectName(text(t.captionName));
    m_caption->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    captionLayout->addWidget(m_caption);

    auto *form = new QFormLayout;
    if (t.incomeName) {
        m_income = infoField(this, t.incomeName, "Zsumowana wartość przychodu");
        form->addRow(QStringLiteral("Przychód na dany okres:"), m_income);
    }
    m_total = infoField(this, t.totalName, t.totalHint);
    form->addRow(text(t.totalLabel), m_total);
    m_period = infoField(this, t.periodName);
    form->addRow(QStringLiteral("Bieżący okres:"), m_period);
    m_spanText = infoField(this, t.spanName, t.spanHint);
    m_spanText->setMinimumWidth(m_spanText->fontMetrics().horizontalAdvance(QStringLiteral("Od 00-00-0000 do 00-00-0000")) + 16);
    form->addRow(text(t.spanLabel), m_spanText);
    m_todayText = infoField(this, t.todayName, "Dzisiejsza data");
    form->addRow(QStringLiteral("Data dzisiejsza:"), m_todayText);

    auto *sortBox = new QGroupBox(QStringLiteral(" Sortuj: "), this);
    auto *sortLayout = new QVBoxLayout(sortBox);
    const QStringList radioCaptions = {QStringLiteral("Grupami"), QStringLiteral("Rosnąco"), QStringLiteral("Malejąco")};
    QRadioButton *radios[3];
    for (int i = 0; i < 3; ++i) {
        radios[i] = new QRadioButton(radioCaptions.at(i), sortBox);
        radios[i]->setObjectName(text(t.radioNames[i]));
        setHint(radios[i], text(t.radioHint));
        sortLayout->addWidget(radios[i]);
        // Any order chosen recomputes the page as it stands.
        connect(radios[i], &QRadioButton::clicked, this, &GroupSummaryPage::recompute);
    }
    m_byGroup = radios[0];
    // "Rosnąco" (rising) lists the smallest sum first, "Malejąco" (falling) the largest.
    m_smallestFirst = radios[1];
    m_largestFirst = radios[2];
    m_byGroup->setChecked(true);

    auto *buttons = new QVBoxLayout;
    QPushButton *spanButtons[4];
    for (int i = 0; i < 4; ++i) {
        spanButtons[i] = createButton(this, text(t.buttonNames[i]), text(t.buttonCaptions[i]), text(t.buttonHints[i]));
        buttons->addWidget(spanButtons[i]);
    }
    QPushButton *print = createButton(this, QStringLiteral("drukuj"), QStringLiteral("Drukuj"),
                                      QStringLiteral("Otwiera panel wydruku wskazanych danych"));
    QPushButton *help = createButton(this, QStringLiteral("pomoc"), QStringLiteral("Pomoc"),
                                     QStringLiteral("Pomoc programu TrelFIN"));
    buttons->addWidget(print);
    buttons->addWidget(help);
    buttons->addStretch();

    connect(spanButtons[0], &QPushButton::clicked, this, &GroupSummaryPage::showTotal);
    connect(spanButtons[1], &QPushButton::clicked, this, [this] { askSpan(SpanKind::month); });
    connect(spanButtons[2], &QPushButton::clicked, this, [this] { askSpan(SpanKind::year); });
    connect(spanButtons[3], &QPushButton::clicked, this, [this] { askSpan(SpanKind::span); });
    connect(print, &QPushButton::clicked, this, &GroupSummaryPage::printRequested);
    connect(help, &QPushButton::clicked, this, &GroupSummaryPage::helpRequested);

    m_grid = createReportGrid(this, text(t.gridName), GroupCount,
                              {QStringLiteral("Rodzaj"), QStringLiteral("Ilość"), QStringLiteral("Wartość"),
                               QStringLiteral("Procent")},
                              {103, 71, 90, 63});
    widenColumnsFor(m_grid, {QStringLiteral("KOM.MIEJ.  "), QStringLiteral("3999"), QStringLiteral("99999999,99"),
                             QStringLiteral("100,0000")});
    m_rows = QVector<QStringList>(GroupCount, QStringList{QString(), QString(), QString(), QString()});

    auto *left = new QVBoxLayout;
    left->addWidget(captionBox);
    left->addLayout(form);
    left->addWidget(sortBox);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
}

GroupSummaryPage::~GroupSummaryPage() = default;

SummaryOrder GroupSummaryPage::order() const
{
    if (m_largestFirst->isChecked())
        return SummaryOrder::largestFirst;
    if (m_smallestFirst->isChecked())
        return SummaryOrder::smallestFirst;
    return SummaryOrder::byGroup;
}

ReportMode &GroupSummaryPage::mode() const
{
    return m_kind == Kind::balance ? m_db.balanceMode : m_db.forecastMode;
}

QString GroupSummaryPage::statusText() const
{
    return m_kind == Kind::balance
        ? QStringLiteral("Aby zapoznać się z bilansem na konkretny okres naciśnij przycisk "
                         "opisujący odpowiedni przedział czasowy")
        : QStringLiteral("Aby zapoznać się z prognozą wydatków na konkretny okres naciśnij "
                         "przycisk opisujący odpowiedni przedział czasowy");
}

QString GroupSummaryPage::selectionText() const
{
    return selectedRowsText(m_grid, m_rows);
}

void GroupSummaryPage::selectAll()
{
    m_grid->selectAll();
}

void GroupSummaryPage::enterPage()
{
    m_todayText->setText(FormatDotDate(m_desktop.today()) + u' ');
    m_period->setText(m_db.currentPeriodInfo().periodName);
    for (int g = 1; g <= GroupCount; ++g)
        m_rows[g - 1][0] = m_db.header.groupNames[g];
    showRows(m_grid, m_rows);
    recompute();
}

void GroupSummaryPage::recompute()
{
    const ReportMode &m = mode();
    if (!m.dated) {
        showSummary(m_kind == Kind::balance ? computeTotalBalance(m_db, order())
                                            : computeTotalForecast(m_db, order()));
        m_caption->setText(text(m_kind == Kind::balance ? kBalance.totalCaption : kForecast.totalCaption));
        return;
    }
    showSummary(m_kind == Kind::balance ? computeDatedBalance(m_db, m.span, order())
                                        : computeDatedForecast(m_db, m.span, order()));
    // The caption names the kind of span shown, kept with the span itself.
    if (const QString caption = captionFor(m.span.kind); !caption.isEmpty())
        m_caption->setText(caption);
}

QString GroupSummaryPage::captionFor(SpanKind kind) const
{
    const PageTexts &t = m_kind == Kind::balance ? kBalance : kForecast;
    switch (kind) {
    case SpanKind::year: return text(t.yearCaption);
    case SpanKind::month: return text(t.monthCaption);
    case SpanKind::span: return QStringLiteral("Na dany okres");
    case SpanKind::none: break;
    }
    return QString();
}

void GroupSummaryPage::showTotal()
{
    mode().dated = false;
    recompute();
}

SpanDialog *GroupSummaryPage::spanDialog(SpanKind kind) const
{
    // Each span dialog is made when first asked for and kept for the rest of the run.
    SpanDialog *&dialog = m_spanDialogs[static_cast<int>(kind)];
    if (!dialog)
        dialog = new SpanDialog(m_kind, kind, m_desktop, const_cast<GroupSummaryPage *>(this));
    return dialog;
}

void GroupSummaryPage::askSpan(SpanKind kind)
{
    m_desktop.execDialog(*spanDialog(kind));
    applySpanDialog(kind);
}

void GroupSummaryPage::applySpanDialog(SpanKind kind)
{
    ReportMode &m = mode();
    m.span = spanDialog(kind)->span(m_desktop.today());
    m.dated = true;
    recompute();
}

void GroupSummaryPage::clearSpanText()
{
    m_spanText->setText(QStringLiteral("b.d."));
}

void GroupSummaryPage::showSummary(const GroupSummary &summary)
{
    if (m_income)
        m_income->setText(FormatAmount(summary.incomeTotal));
    m_total->setText(FormatAmount(summary.total));
    if (summary.spanText)
        m_spanText->setText(*summary.spanText);
    QStringList shownNames;
    for (const QStringList &row : m_rows)
        shownNames.append(row.first());
    m_rows = groupSummaryRowTexts(summary, shownNames);
    showRows(m_grid, m_rows);
}

} // namespace trelfin
