#pragma once

#include <QDialog>

class QLineEdit;

namespace trelfin {

// A window that asks for one password: a label, the edit `haslo1` and an OK button; no close
// button in its frame. The edit is emptied each time it is shown.
class PasswordPrompt : public QDialog
{
    Q_OBJECT
protected:
    PasswordPrompt(const QString &name, const QString &title, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    // OK or Enter.
    virtual void ok() = 0;

    QLineEdit *m_haslo1;
};

// The password prompt of a protected database: it closes by OK or Enter only, and password() is
// then what was typed (its first 10 characters).
class Tpodajhaslo : public PasswordPrompt
{
    Q_OBJECT
public:
    explicit Tpodajhaslo(QWidget *parent = nullptr);

    void reject() override {}
    QString password() const { return m_password; }

protected:
    void ok() override;

private:
    QString m_password;
};

} // namespace trelfin
