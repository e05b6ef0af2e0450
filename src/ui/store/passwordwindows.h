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

// A window that asks for one password: a label, the edit `haslo1` and an OK button; no close
// button in its frame. The edit is emptied each time it is shown.
class PasswordPrompt : public QDialog
{
    Q_OBJECT
protected:
    PasswordPrompt(Database &db, const QString &name, const QString &title, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    // OK or Enter.
    virtual void ok() = 0;

    Database &m_db;
    QLineEdit *m_haslo1;
};

// The password prompt of a protected database: what is typed (its first 10 characters) goes to
// enteredPassword when the window closes by OK or Enter; nothing else closes it.
class Tpodajhaslo : public PasswordPrompt
{
    Q_OBJECT
public:
    Tpodajhaslo(Database &db, QWidget *parent = nullptr);

    void reject() override {}

protected:
    void ok() override;
};

// The lock window: it stays until the lock password (enteredPassword) is typed in full. No
// other way closes it, neither its frame nor the window manager nor Escape.
class Tdialogblokujacy : public PasswordPrompt
{
    Q_OBJECT
public:
    Tdialogblokujacy(Database &db, Desktop &desktop, QWidget *parent = nullptr);

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void ok() override;

private:
    bool unlocked() const;

    Desktop &m_desktop;
};

} // namespace trelfin
