#pragma once

#include <QDialog>

class QLineEdit;

namespace trelfin {

class Database;
class Desktop;

// Asks for a new password twice ("Podanie hasła dostępu do danych", "Blokowanie programu"; the
// caller sets the caption). OK with equal texts puts the password into enteredPassword; with
// different texts it says so and stays open. "Anuluj" leaves enteredPassword as it was.
class Tpodaniehasla : public QDialog
{
    Q_OBJECT
public:
    Tpodaniehasla(Database &db, Desktop &desktop, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ok();

    Database &m_db;
    Desktop &m_desktop;
    QLineEdit *m_haslo;
    QLineEdit *m_haslo2;
};

} // namespace trelfin
