#include "spandialogs.h"

#include "hints.h"
#include "maskededit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

SpanDialog::SpanDialog(SpanKind kind, const QString &name, const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
{
    setObjectName(name);
    setWindowTitle(title);
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    switch (kind) {
    case SpanKind::year:
        row->addWidget(new QLabel(QStringLiteral("Rok: 01.01."), this));
        m_od = createMaskedEdit(this, QStringLiteral("od"), YearMask);
        setHint(m_od, QStringLiteral("Podaj rok w formacie RRRR"));
        row->addWidget(m_od);
        break;
    case SpanKind::month:
        row->addWidget(new QLabel(QStringLiteral("Miesiąc: 01."), this));
        m_od = createMaskedEdit(this, QStringLiteral("od"), MonthMask);
        setHint(m_od, QStringLiteral("Podaj datę w formacie MM-RRRR"));
        row->addWidget(m_od);
        break;
    default:
        row->addWidget(new QLabel(QStringLiteral("Od:"), this));
        m_od = createMaskedEdit(this, QStringLiteral("od"), DayMask);
        setHint(m_od, QStringLiteral("Podaj datę w formacie DD-MM-RRRR"));
        row->addWidget(m_od);
        row->addWidget(new QLabel(QStringLiteral("do:"), this));
        m_dod = createMaskedEdit(this, QStringLiteral("dod"), DayMask);
        setHint(m_dod, QStringLiteral("Podaj datę w formacie DD-MM-RRRR"));
        row->addWidget(m_dod);
        break;
    }
    layout->addLayout(row);
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("SpeedButton51"));
    ok->setDefault(true); // Enter in an edit closes the dialog too
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

ReportSpan SpanDialog::span(const QDate &today) const
{
    switch (m_kind) {
    case SpanKind::year:
        return yearSpan(maskedText(m_od), today);
    case SpanKind::month:
        return monthSpan(maskedText(m_od), today);
    default:
        return explicitSpan(maskedText(m_od), maskedText(m_dod), today);
    }
}

Tbrokd::Tbrokd(QWidget *parent)
    : SpanDialog(SpanKind::year, QStringLiteral("brokd"), QStringLiteral("Podaj datę bilansu"), parent)
{
}

Tbmiesiacd::Tbmiesiacd(QWidget *parent)
    : SpanDialog(SpanKind::month, QStringLiteral("bmiesiacd"), QStringLiteral("Podaj datę bilansu"), parent)
{
}

Tbokresd::Tbokresd(QWidget *parent)
    : SpanDialog(SpanKind::span, QStringLiteral("bokresd"), QStringLiteral("Podaj okres bilansu"), parent)
{
}

Tprokd::Tprokd(QWidget *parent)
    : SpanDialog(SpanKind::year, QStringLiteral("prokd"), QStringLiteral("Podaj datę prognozy"), parent)
{
}

Tpmiesiacd::Tpmiesiacd(QWidget *parent)
    : SpanDialog(SpanKind::month, QStringLiteral("pmiesiacd"), QStringLiteral("Podaj datę prognozy"), parent)
{
}

Tpokresd::Tpokresd(QWidget *parent)
    : SpanDialog(SpanKind::span, QStringLiteral("pokresd"), QStringLiteral("Podaj okres prognozy"), parent)
{
}

} // namespace trelfin
