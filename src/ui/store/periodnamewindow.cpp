#include "ui/store/periodnamewindow.h"

#include "core/store/database.h"
#include "ui/common/hints.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

Tnazwaokresu::Tnazwaokresu(QWidget *parent)
    : QDialog(parent)
    , m_nazwa(new QLineEdit(this))
{
    setObjectName(QStringLiteral("nazwaokresu"));
    setWindowTitle(QStringLiteral("Podaj nazwę okresu"));
    setModal(true);
    m_nazwa->setObjectName(QStringLiteral("nazwa"));
    m_nazwa->setMaxLength(Width::periodName);
    setHint(m_nazwa, QStringLiteral("Nazwa okresu księgowania"));
    auto *ok = new QPushButton(QStringLiteral("  &OK    "), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true); // Enter in the edit acts as the button
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_nazwa);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

} // namespace trelfin
