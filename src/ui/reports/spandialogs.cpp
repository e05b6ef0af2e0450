#include "ui/reports/spandialogs.h"

#include "ui/common/hints.h"
#include "ui/common/maskededit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

namespace {

struct SpanDialogVariant
{
    SummaryReport report;
    SpanKind kind;
    const char *name;
    const char *title;
};

const SpanDialogVariant kVariants[] = {
    {SummaryReport::balance, SpanKind::year, "brokd", "Podaj datę bilansu"},
    {SummaryReport::balance, SpanKind::month, "bmiesiacd", "Podaj datę bilansu"},
    {SummaryReport::balance, SpanKind::span, "bokresd", "Podaj okres bilansu"},
    {SummaryReport::forecast, SpanKind::year, "prokd", "Podaj datę prognozy"},
    {SummaryReport::forecast, SpanKind::month, "pmiesiacd", "Podaj datę prognozy"},
    {SummaryReport::forecast, SpanKind::span, "pokresd", "Podaj okres prognozy"},
};

const SpanDialogVariant &variantFor(SummaryReport report, SpanKind kind)
{
    for (const SpanDialogVariant &v : kVariants) {
        if (v.report == report && v.kind == kind)
            return v;
    }
    return kVariants[2]; // SpanKind::none has no dialog of its own: two dates
}

} // namespace

SpanDialog::SpanDialog(SummaryReport report, SpanKind kind, MessageSink &sink, QWidget *parent)
    : QDialog(parent)
    , m_sink(sink)
    , m_kind(kind)
{
    const SpanDialogVariant &variant = variantFor(report, kind);
    setObjectName(QString::fromLatin1(variant.name));
    setWindowTitle(QString::fromUtf8(variant.title));
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

void SpanDialog::done(int result)
{
    if (result == Accepted) {
        // The typed text checked as the first day it names.
        const QString prefix = m_kind == SpanKind::year ? QStringLiteral("01-01-")
                             : m_kind == SpanKind::month ? QStringLiteral("01-") : QString();
        for (QLineEdit *field : {m_od, m_dod}) {
            if (field && IsImpossibleDate(prefix + maskedText(field))) {
                showMessage(m_sink, repeatDatesMessage());
                field->setFocus();
                field->selectAll();
                return;
            }
        }
    }
    QDialog::done(result);
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

} // namespace trelfin
