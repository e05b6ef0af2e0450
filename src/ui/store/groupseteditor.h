#pragma once

#include <QDialog>

class QTableWidget;

namespace trelfin {

class Database;
class MessageSink;

// "Edycja zbioru grup wydatków": the 30 group names in the grid `grupy`. Whichever way the window
// closes ("&OK", "Anuluj", its frame), the names in the grid become the database's, each cut to
// 10 characters and padded with blanks to 10, and the period counts as modified. "Domyślne"
// puts the default names in place at once, after asking.
class Tedycjagrup : public QDialog
{
    Q_OBJECT
public:
    Tedycjagrup(Database &db, MessageSink &sink, QWidget *parent = nullptr);

    void done(int result) override;
    // "Domyślne".
    void BitBtn2Click();

signals:
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();

    Database &m_db;
    MessageSink &m_sink;
    QTableWidget *m_grupy;
};

} // namespace trelfin
