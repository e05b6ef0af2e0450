#pragma once

#include "ui/common/notebookpage.h"

#include <QStringList>
#include <QVector>
#include <QWidget>

class QLineEdit;
class QTableWidget;

namespace trelfin {

class Database;
class MessageSink;

// The "Statystyka" page: the account statement on the day typed in `stannadzien`.
class StatementPage : public QWidget, public NotebookPage
{
    Q_OBJECT
public:
    StatementPage(Database &db, MessageSink &sink, QWidget *parent = nullptr);

    QWidget *pageWidget() override { return this; }
    // Entering the page: the owner's and the period's names, then the statement recomputed.
    void enterPage() override;
    QString statusText() const override { return QStringLiteral("Stan konta na podany dzień"); }
    EditItems editItems() const override { return EditItem::copy | EditItem::selectAll; }
    QString selectionText() const override;
    void selectAll() override;
    bool offersPrinting() const override { return true; }

    void setDay(const QString &day);
    QString day() const;
    void setHeading(const QString &owner, const QString &period);
    // Recomputes every cell from the registers and the day as typed; a day that is no day of the
    // calendar counts as one that cannot be read.
    void recompute();

    // The rows the grid shows.
    const QVector<QStringList> &rows() const { return m_rows; }
    QTableWidget *grid() const { return m_grid; }

signals:
    // The day field got or lost the focus, Enter was pressed in it, or "Odśwież" was pressed. Enter
    // and "Odśwież" with a day that is no day of the calendar say so instead.
    void refreshRequested();
    void helpRequested();
    void printRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Enter or "Odśwież": the refresh, or the message that the day is impossible.
    void refreshIfPossible();

    Database &m_db;
    MessageSink &m_sink;
    QLineEdit *m_day = nullptr;
    QLineEdit *m_owner = nullptr;
    QLineEdit *m_period = nullptr;
    QTableWidget *m_grid = nullptr;
    QVector<QStringList> m_rows;
};

} // namespace trelfin
