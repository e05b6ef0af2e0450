#include "ui/reports/statementpage.h"

#include "ui/common/hints.h"
#include "ui/common/maskededit.h"
#include "ui/reports/reportgrid.h"
#include "core/reports/statement.h"
#include "core/store/database.h"
#include "core/store/helpers.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

StatementPage::StatementPage(Database &db, MessageSink &sink, QWidget *parent)
    : QWidget(parent)
    , m_db(db)
    , m_sink(sink)
{
    setObjectName(QStringLiteral("pageStatystyka"));

    m_day = createMaskedEdit(this, QStringLiteral("stannadzien"), DayMask);
    setHint(m_day, QStringLiteral("Na jaką datę sporządzić podsumowanie konta?"));
    m_day->installEventFilter(this);
    m_owner = new QLineEdit(QStringLiteral("b.d."), this);
    m_owner->setObjectName(QStringLiteral("stanuzytkownik"));
    m_owner->setReadOnly(true);
    setHint(m_owner, QStringLiteral("Nazwa właściciela edytowanej bazy"));
    m_period = new QLineEdit(QStringLiteral("b.d."), this);
    m_period->setObjectName(QStringLiteral("stanokres"));
    m_period->setReadOnly(true);
    setHint(m_period, QStringLiteral("Nazwa otwartego okresu księgowania"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Stan konta na dzień:"), m_day);
    form->addRow(QStringLiteral("Użytkownik:"), m_owner);
    form->addRow(QStringLiteral("Bieżący okres:"), m_period);

    QPushButton *refresh = createButton(this, QStringLiteral("odswiez"), QStringLiteral("&Odśwież"),
                                        QStringLiteral("Ponowne sporządzenie podsumowania konta"));
    QPushButton *print = createButton(this, QStringLiteral("drukuj"), QStringLiteral("Drukuj"),
                                      QStringLiteral("Otwiera panel wydruku wskazanych danych"));
    QPushButton *help = createButton(this, QStringLiteral("pomoc"), QStringLiteral("Pomoc"),
                                     QStringLiteral("Pomoc programu TrelFIN"));
    connect(refresh, &QPushButton::clicked, this, &StatementPage::refreshIfPossible);
    connect(print, &QPushButton::clicked, this, &StatementPage::printRequested);
    connect(help, &QPushButton::clicked, this, &StatementPage::helpRequested);

    m_grid = createReportGrid(this, QStringLiteral("stankonta"), 18, statementColumnTitles(), {306, 74, 87});
    const QStringList labels = statementRowLabels();
    for (const QString &label : labels)
        m_rows.append({label, QString(), QString()});
    showRows(m_grid, m_rows);
    widenColumnsFor(m_grid, {labels.at(9).trimmed(), QStringLiteral("-99999999,99"), QString()});

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(refresh);
    left->addWidget(print);
    left->addWidget(help);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(m_grid, 1);
}

void StatementPage::setDay(const QString &day)
{
    m_day->setText(day);
}

QString StatementPage::day() const
{
    return maskedText(m_day);
}

void StatementPage::setHeading(const QString &owner, const QString &period)
{
    m_owner->setText(owner);
    m_period->setText(period);
}

bool StatementPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_day) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            emit refreshRequested();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                refreshIfPossible();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StatementPage::enterPage()
{
    setHeading(m_db.header.ownerName, m_db.currentPeriodInfo().periodName);
    recompute();
}

QString StatementPage::selectionText() const
{
    return selectedRowsText(m_grid, m_rows);
}

void StatementPage::selectAll()
{
    m_grid->selectAll();
}

void StatementPage::refreshIfPossible()
{
    if (acceptDates({m_day}, m_sink))
        emit refreshRequested();
}

void StatementPage::recompute()
{
    const QString typed = day();
    m_rows = statementRowTexts(computeStatement(m_db, IsImpossibleDate(typed) ? QString() : typed));
    showRows(m_grid, m_rows);
}

} // namespace trelfin
