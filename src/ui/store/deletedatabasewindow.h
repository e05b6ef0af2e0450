#pragma once

#include <QDialog>

class QLabel;

namespace trelfin {

class Database;

// "Usunięcie bazy danych": the last question before a database's files are deleted. "Tak"
// accepts it; "Nie", Escape and the frame reject it.
class Tusuwaniebazy : public QDialog
{
    Q_OBJECT
public:
    Tusuwaniebazy(Database &db, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    Database &m_db;
    QLabel *m_plik;
    QLabel *m_user;
};

} // namespace trelfin
