#pragma once

#include "core/reports/groupsummary.h"

#include <QDialog>

class QLineEdit;

namespace trelfin {

// Which report a date dialog belongs to.
enum class SummaryReport { balance, forecast };

// A small date dialog of the balance or forecast page: a year, a month, or two days. The texts
// typed stay between uses; closing it in any way hands them on. The six dialogs ("brokd",
// "bmiesiacd", "bokresd" for the balance, "prokd", "pmiesiacd", "pokresd" for the forecast)
// differ only in their name, caption and fields.
class SpanDialog : public QDialog
{
    Q_OBJECT
public:
    SpanDialog(SummaryReport report, SpanKind kind, QWidget *parent = nullptr);

    // The span made from what is typed now.
    ReportSpan span(const QDate &today) const;

private:
    SpanKind m_kind;
    QLineEdit *m_od = nullptr;
    QLineEdit *m_dod = nullptr;
};

} // namespace trelfin
