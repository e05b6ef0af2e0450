#include "statementpage.h"

#include "hints.h"
#include "maskededit.h"
#include "reports/reportgrid.h"
#include "reports/statement.h"
#include "store/database.h"
#include "store/helpers.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

namespace {
const QString kNotApplicable = QStringLiteral("n.d.");
}

StatementPage::StatementPage(Database &db, QWidget *parent)
    : QWidget(parent)
    , m_db(db)
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
    connect(refresh, &QPushButton::clicked, this, &StatementPage::refreshRequested);
    connect(print, &QPushButton::clicked, this, &StatementPage::printRequested);
    connect(help, &QPushButton::clicked, this, &StatementPage::helpRequested);

    m_grid = createReportGrid(this, QStringLiteral("stankonta"), 18, statementColumnTitles(), {306, 74, 87});
    m_grid->viewport()->installEventFilter(this);
    const QStringList labels = statementRowLabels();
    for (int r = 0; r < labels.size(); ++r)
        setCellText(m_grid, r, 0, labels.at(r));
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
    // As over the register grids: a release outside every cell leaves 4, inside one 0.
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        m_db.pendingAction = m_grid->indexAt(at).isValid() ? PendingAction::none : PendingAction::clickOutsideCells;
    }
    if (watched == m_day) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            emit refreshRequested();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                emit refreshRequested();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StatementPage::recompute()
{
    const Statement s = computeStatement(m_db, day());
    const auto line = [this](int row, double value, const QString &count) {
        setCellText(m_grid, row - 1, 1, FormatAmount(value));
        setCellText(m_grid, row - 1, 2, count);
    };
    const auto number = [](int n) { return QString::number(n); };
    line(1, s.A, number(s.nA));
    line(2, s.B, number(s.nB));
    line(3, s.C, kNotApplicable);
    line(4, s.D, kNotApplicable);
    line(5, s.E, kNotApplicable);
    line(6, s.F, number(s.nF));
    line(7, s.G, kNotApplicable);
    line(8, s.H, kNotApplicable);
    line(9, s.I, kNotApplicable);
    line(10, s.J, kNotApplicable);
    for (int kind = 1; kind <= 6; ++kind)
        line(11 + kind, s.bank[kind], number(s.bankCount[kind]));
    line(18, s.g, kNotApplicable);
}

} // namespace trelfin
