#pragma once

#include "ui/store/passwordprompt.h"

namespace trelfin {

class Desktop;

// The lock window: it stays until the lock password is typed in full. No other way closes it,
// neither its frame nor the window manager nor Escape.
class Tdialogblokujacy : public PasswordPrompt
{
    Q_OBJECT
public:
    Tdialogblokujacy(Desktop &desktop, QWidget *parent = nullptr);

    // The password that unlocks; set before the window is shown.
    void setLockPassword(const QString &password) { m_lockPassword = password; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void ok() override;

private:
    bool unlocked() const;

    Desktop &m_desktop;
    QString m_lockPassword;
};

} // namespace trelfin
