#include "ui/reports/chartspage.h"

#include "core/store/clock.h"
#include "core/store/helpers.h"
#include "ui/hints.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace trelfin {

namespace {

QLineEdit *namedEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

ChartsPage::ChartsPage(const Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_clock(clock)
{
    setObjectName(QStringLiteral("pageWykresy"));
    auto *layout = new QGridLayout(this);
    m_mc = namedEdit(this, QStringLiteral("mc"));
    m_rk = namedEdit(this, QStringLiteral("rk"));
    m_wod = namedEdit(this, QStringLiteral("wod"));
    m_wdo = namedEdit(this, QStringLiteral("wdo"));
    m_pwod = namedEdit(this, QStringLiteral("pwod"));
    m_pwdo = namedEdit(this, QStringLiteral("pwdo"));
    const QList<QLineEdit *> dates = {m_mc, m_rk, m_wod, m_wdo, m_pwod, m_pwdo};
    for (int i = 0; i < dates.size(); ++i)
        layout->addWidget(dates.at(i), i, 0);
    const QStringList colours = {
        QStringLiteral("(Domyślny)"), QStringLiteral("Czerwony"), QStringLiteral("Niebieski"),
        QStringLiteral("Zielony"), QStringLiteral("Szary"), QStringLiteral("Czarny"),
        QStringLiteral("Żółty"), QStringLiteral("Purpurowy"),
    };
    for (int i = 0; i < 5; ++i) {
        auto *list = new QComboBox(this);
        list->setObjectName(QStringLiteral("kolor%1").arg(i + 1));
        list->addItems(colours);
        setHint(list, QStringLiteral("Ustala kolor danych na wykresie"));
        list->setVisible(i < 3);
        layout->addWidget(list, i, 1);
        m_colourLists[i] = list;
    }
    layout->setRowStretch(static_cast<int>(dates.size()), 1);
    layout->setColumnStretch(2, 1);
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
    const QString day = FormatDashDate(m_clock.today());
    m_mc->setText(day.mid(3));
    m_rk->setText(day.mid(6));
    for (QLineEdit *field : {m_wod, m_wdo, m_pwod, m_pwdo})
        field->setText(day);
}

} // namespace trelfin
