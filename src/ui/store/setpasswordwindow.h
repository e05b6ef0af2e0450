#pragma once

#include <QDialog>

class QLineEdit;

namespace trelfin {

class Desktop;

// Asks for a new password twice ("Podanie hasła dostępu do danych", "Blokowanie programu"; the
// caller sets the caption). OK with equal texts accepts the window, and password() is then the
// text typed (its first 10 characters); with different texts it says so and stays open.
class Tpodaniehasla : public QDialog
{
    Q_OBJECT
public:
    Tpodaniehasla(Desktop &desktop, QWidget *parent = nullptr);

    // The password of the last OK.
    QString password() const { return m_password; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ok();

    Desktop &m_desktop;
    QString m_password;
    QLineEdit *m_haslo;
    QLineEdit *m_haslo2;
};

} // namespace trelfin
