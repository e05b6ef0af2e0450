#include "ui/store/lockwindow.h"

#include "ui/common/desktop.h"

#include <QCloseEvent>
#include <QLineEdit>

namespace trelfin {

Tdialogblokujacy::Tdialogblokujacy(Desktop &desktop, QWidget *parent)
    : PasswordPrompt(QStringLiteral("dialogblokujacy"), QStringLiteral("Trelfin: Program zablokowany"), parent)
    , m_desktop(desktop)
{
}

bool Tdialogblokujacy::unlocked() const
{
    return m_haslo1->text() == m_lockPassword;
}

void Tdialogblokujacy::ok()
{
    if (unlocked()) {
        accept();
        return;
    }
    m_desktop.ShowPlainMessage(QStringLiteral("   Błędne hasło dostępu   "));
    // Back in the edit with the wrong text selected, so that the next try is simply typed.
    activateWindow();
    m_haslo1->setFocus();
    m_haslo1->selectAll();
}

void Tdialogblokujacy::reject()
{
    // Escape closes dialogs; this one only opens with the password.
    if (unlocked())
        QDialog::reject();
}

void Tdialogblokujacy::closeEvent(QCloseEvent *event)
{
    if (unlocked())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace trelfin
