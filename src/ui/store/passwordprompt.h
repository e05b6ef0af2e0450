#pragma once

#include <QDialog>

class QLineEdit;

namespace trelfin {

class Database;

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

} // namespace trelfin
