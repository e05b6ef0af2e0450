#pragma once

#include "core/reports/groupsummary.h"
#include "ui/common/notebookpage.h"
#include "ui/reports/spandialogs.h"

#include <array>
#include <QWidget>

class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace trelfin {

class Database;
class Desktop;

// The "Bilans" and "Prognoza" pages: a total over a span and a 30-row table by group, for the
// whole period, a year, a month or any span, in three orders.
class GroupSummaryPage : public QWidget, public NotebookPage
{
    Q_OBJECT
public:
    using Kind = SummaryReport;

    GroupSummaryPage(Kind kind, Database &db, Desktop &desktop, QWidget *parent = nullptr);
    ~GroupSummaryPage() override;

    QWidget *pageWidget() override { return this; }
    // Entering the page: today's date, the period's name, the group names, then the page
    // recomputed in its current mode.
    void enterPage() override;
    QString statusText() const override;
    EditItems editItems() const override { return EditItem::copy | EditItem::selectAll; }
    // Forgets the span shown: a computation that names no span (a period without expenses) then
    // leaves "b.d." instead of the span of a database that is gone.
    void clearSpanText();
    QString selectionText() const override;
    void selectAll() override;
    bool offersPrinting() const override { return true; }

    // Recomputes the page: the total over the whole period, or over the span of its mode, which
    // lives with the database (the charts store their span in the balance's).
    void recompute();

    // The rows the grid shows.
    const QVector<QStringList> &rows() const { return m_rows; }
    QTableWidget *grid() const { return m_grid; }
    SummaryOrder order() const;

    // The page's date dialog for a kind of span, and what closing it does: the span typed
    // becomes the page's span and the page shows the dated computation.
    SpanDialog *spanDialog(SpanKind kind) const;
    void applySpanDialog(SpanKind kind);

signals:
    void helpRequested();
    void printRequested();

private:
    void showTotal();
    void askSpan(SpanKind kind);
    void showSummary(const GroupSummary &summary);
    QString captionFor(SpanKind kind) const;
    ReportMode &mode() const;

    Kind m_kind;
    Database &m_db;
    Desktop &m_desktop;
    QVector<QStringList> m_rows;

    QLabel *m_caption = nullptr;
    QLineEdit *m_income = nullptr;
    QLineEdit *m_total = nullptr;
    QLineEdit *m_period = nullptr;
    QLineEdit *m_spanText = nullptr;
    QLineEdit *m_todayText = nullptr;
    QRadioButton *m_byGroup = nullptr;
    QRadioButton *m_smallestFirst = nullptr;   // "Rosnąco"
    QRadioButton *m_largestFirst = nullptr;    // "Malejąco"
    QTableWidget *m_grid = nullptr;
    // Children of the page, so that each exists once and keeps what was typed.
    mutable std::array<SpanDialog *, 4> m_spanDialogs{};  // by SpanKind
};

} // namespace trelfin
