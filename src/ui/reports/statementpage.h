#pragma once

#include <QWidget>

class QLineEdit;
class QTableWidget;

namespace trelfin {

class Database;

// The "Statystyka" page: the account statement on the day typed in `stannadzien`.
class StatementPage : public QWidget
{
    Q_OBJECT
public:
    StatementPage(Database &db, QWidget *parent = nullptr);

    void setDay(const QString &day);
    QString day() const;
    void setHeading(const QString &owner, const QString &period);
    // Recomputes every cell from the registers and the day as typed.
    void recompute();

    QTableWidget *grid() const { return m_grid; }

signals:
    // The day field got or lost the focus, Enter was pressed in it, or "Odśwież" was pressed.
    void refreshRequested();
    void helpRequested();
    void printRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Database &m_db;
    QLineEdit *m_day = nullptr;
    QLineEdit *m_owner = nullptr;
    QLineEdit *m_period = nullptr;
    QTableWidget *m_grid = nullptr;
};

} // namespace trelfin
