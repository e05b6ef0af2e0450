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

// The password prompt of a protected database: what is typed (its first 10 characters) goes to
// enteredPassword when the window closes by OK or Enter.
class Tpodajhaslo : public QDialog
{
    Q_OBJECT
public:
    Tpodajhaslo(Database &db, QWidget *parent = nullptr);

    // Only OK or Enter close the prompt: Escape does nothing.
    void reject() override {}

protected:
    void showEvent(QShowEvent *event) override;

private:
    Database &m_db;
    QLineEdit *m_haslo1;
};

// The lock window: it stays until the lock password (enteredPassword) is typed in full. No
// other way closes it, neither its frame nor the window manager nor Escape.
class Tdialogblokujacy : public QDialog
{
    Q_OBJECT
public:
    Tdialogblokujacy(Database &db, Desktop &desktop, QWidget *parent = nullptr);

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool unlocked() const;
    void ok();

    Database &m_db;
    Desktop &m_desktop;
    QLineEdit *m_haslo1;
};

} // namespace trelfin
