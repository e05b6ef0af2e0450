#include "ui/hints.h"
#include "ui/store/passwordwindows.h"

#include "ui/desktop.h"
#include "core/store/database.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

namespace {

QLineEdit *passwordEdit(QWidget *parent, const QString &name, int maxLength = 32767)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // typed characters show as "*" 
    edit->setMaxLength(maxLength);
    return edit;
}

// A frame without a close button or system menu.
constexpr Qt::WindowFlags kNoCloseFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

} // namespace

Tpodaniehasla::Tpodaniehasla(Database &db, Desktop &desktop, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_desktop(desktop)
    , m_haslo(passwordEdit(this, QStringLiteral("haslo"), 10))
    , m_haslo2(passwordEdit(this, QStringLiteral("haslo2"), 10))
{
    setObjectName(QStringLiteral("podaniehasla"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Wpisz hasło i jego potwierdzenie:"), this));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Hasło"), m_haslo);
    form->addRow(QStringLiteral("Potwierdzenie"), m_haslo2);
    layout->addLayout(form);
    auto *row = new QHBoxLayout;
    QPushButton *okButton = createButton(this, QStringLiteral("ok"), QStringLiteral("  &OK   "));
    okButton->setDefault(true);
    QPushButton *cancel = createButton(this, QStringLiteral("anuluj"), QStringLiteral("  Anuluj "));
    row->addWidget(okButton);
    row->addWidget(cancel);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the window cannot be resized
    connect(okButton, &QPushButton::clicked, this, &Tpodaniehasla::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tpodaniehasla::showEvent(QShowEvent *event)
{
    if (isRestoredShow(event))
        return QDialog::showEvent(event);
    m_haslo->clear();
    m_haslo2->clear();
    m_haslo->setFocus();
    QDialog::showEvent(event);
}

void Tpodaniehasla::ok()
{
    if (m_haslo->text() != m_haslo2->text()) {
        m_desktop.ShowPlainMessage(QStringLiteral("   Potwierdzenie nie zgadza się z podanym hasłem   "));
        return;
    }
    m_db.enteredPassword = m_haslo->text().left(Width::password);
    accept();
}

PasswordPrompt::PasswordPrompt(Database &db, const QString &name, const QString &title, QWidget *parent)
    : QDialog(parent, kNoCloseFrame)
    , m_db(db)
    , m_haslo1(passwordEdit(this, QStringLiteral("haslo1")))
{
    setObjectName(name);
    setWindowTitle(title);
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Podaj hasło dostępu:"), this));
    layout->addWidget(m_haslo1);
    QPushButton *okButton = createButton(this, QStringLiteral("ok"), QStringLiteral("   &OK        "));
    okButton->setDefault(true);
    layout->addWidget(okButton, 0, Qt::AlignCenter);
    connect(okButton, &QPushButton::clicked, this, [this] { ok(); });
}

void PasswordPrompt::showEvent(QShowEvent *event)
{
    if (isRestoredShow(event))
        return QDialog::showEvent(event);
    m_haslo1->clear();
    m_haslo1->setFocus();
    QDialog::showEvent(event);
}

Tpodajhaslo::Tpodajhaslo(Database &db, QWidget *parent)
    : PasswordPrompt(db, QStringLiteral("podajhaslo"), QStringLiteral("Trelfin"), parent)
{
}

void Tpodajhaslo::ok()
{
    m_db.enteredPassword = m_haslo1->text().left(Width::password);
    accept();
}

Tdialogblokujacy::Tdialogblokujacy(Database &db, Desktop &desktop, QWidget *parent)
    : PasswordPrompt(db, QStringLiteral("dialogblokujacy"), QStringLiteral("Trelfin: Program zablokowany"), parent)
    , m_desktop(desktop)
{
}

bool Tdialogblokujacy::unlocked() const
{
    return m_haslo1->text() == m_db.enteredPassword;
}

void Tdialogblokujacy::ok()
{
    if (unlocked())
        accept();
    else
        m_desktop.ShowPlainMessage(QStringLiteral("   Błędne hasło dostępu   "));
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
