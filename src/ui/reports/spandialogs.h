#pragma once

#include "core/reports/groupsummary.h"

#include <QDialog>

class QLineEdit;

namespace trelfin {

class MessageSink;

// Which report a date dialog belongs to.
enum class SummaryReport { balance, forecast };

// A small date dialog of the balance or forecast page: a year, a month, or two days. The texts
// typed stay between uses; closing it in any way hands them on. The six dialogs ("brokd",
// "bmiesiacd", "bokresd" for the balance, "prokd", "pmiesiacd", "pokresd" for the forecast)
// differ only in their name, caption and fields. OK or Enter with a date that is no day of the
// calendar (a month 13, 31-02-2025) says so and keeps the dialog open.
class SpanDialog : public QDialog
{
    Q_OBJECT
public:
    SpanDialog(SummaryReport report, SpanKind kind, MessageSink &sink, QWidget *parent = nullptr);

    // The span made from what is typed now.
    ReportSpan span(const QDate &today) const;

    void done(int result) override;

private:
    MessageSink &m_sink;
    SpanKind m_kind;
    QLineEdit *m_od = nullptr;
    QLineEdit *m_dod = nullptr;
};

} // namespace trelfin
