#include "ui/store/passwordprompt.h"

#include "core/store/database.h"
#include "ui/common/hints.h"
#include "ui/common/maskededit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

namespace {

// A frame without a close button or system menu.
constexpr Qt::WindowFlags kNoCloseFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

} // namespace

PasswordPrompt::PasswordPrompt(const QString &name, const QString &title, QWidget *parent)
    : QDialog(parent, kNoCloseFrame)
    , m_haslo1(createPasswordEdit(this, QStringLiteral("haslo1")))
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

Tpodajhaslo::Tpodajhaslo(QWidget *parent)
    : PasswordPrompt(QStringLiteral("podajhaslo"), QStringLiteral("Trelfin"), parent)
{
}

void Tpodajhaslo::ok()
{
    m_password = m_haslo1->text().left(Width::password);
    accept();
}

} // namespace trelfin
