#include "ui/store/setpasswordwindow.h"

#include "core/store/database.h"
#include "ui/common/desktop.h"
#include "ui/common/hints.h"
#include "ui/common/maskededit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

Tpodaniehasla::Tpodaniehasla(Desktop &desktop, QWidget *parent)
    : QDialog(parent)
    , m_desktop(desktop)
    , m_haslo(createPasswordEdit(this, QStringLiteral("haslo"), 10))
    , m_haslo2(createPasswordEdit(this, QStringLiteral("haslo2"), 10))
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
    m_password.clear();
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
    m_password = m_haslo->text().left(Width::password);
    accept();
}

} // namespace trelfin
