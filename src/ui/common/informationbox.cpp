#include "ui/common/informationbox.h"

#include "ui/common/messageboxlayout.h"

#include <QPushButton>

namespace trelfin {

Tdinformacja::Tdinformacja(QWidget *parent)
    : QDialog(parent)
    , m_napis1(centredLabel(this, QStringLiteral("napis1")))
    , m_napis2(centredLabel(this, QStringLiteral("napis2")))
{
    setObjectName(QStringLiteral("dinformacja"));
    auto *ok = new QPushButton(QStringLiteral("  &OK    "), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layOut(this, m_napis1, m_napis2, {ok});
}

void Tdinformacja::prepare(const QString &line1, const QString &line2, const QString &title)
{
    fill(this, m_napis1, m_napis2, line1, line2, title);
}

void Tdinformacja::showMessage(const QString &line1, const QString &line2, const QString &title)
{
    prepare(line1, line2, title);
    exec();
}

} // namespace trelfin
