#include "ui/registers/sortdialog.h"

#include "ui/common/hints.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trelfin {

Tsort::Tsort(Variant variant, QWidget *parent)
    : QDialog(parent)
{
    const bool withGroup = variant == Variant::withGroup;
    setObjectName(withGroup ? QStringLiteral("sort") : QStringLiteral("sort2"));
    setWindowTitle(QStringLiteral("Sortowanie"));
    setModal(true);
    auto *orderBox = new QGroupBox(QStringLiteral(" Kolejność "), this);
    m_rosnaco = createOption(orderBox, QStringLiteral("rosnaco"), QStringLiteral("Rosnąco"));
    m_malejaco = createOption(orderBox, QStringLiteral("malejaco"), QStringLiteral("Malejąco"));
    m_rosnaco->setChecked(true);
    auto *orderLayout = new QVBoxLayout(orderBox);
    orderLayout->addWidget(m_rosnaco);
    orderLayout->addWidget(m_malejaco);
    auto *keyBox = new QGroupBox(QStringLiteral(" Względem "), this);
    m_daty = createOption(keyBox, QStringLiteral("daty"), QStringLiteral("Daty"));
    m_wartosci = createOption(keyBox, QStringLiteral("wartosci"), QStringLiteral("Wartości"));
    m_daty->setChecked(true);
    auto *keyLayout = new QVBoxLayout(keyBox);
    keyLayout->addWidget(m_daty);
    keyLayout->addWidget(m_wartosci);
    if (withGroup) {
        m_grupy = createOption(keyBox, QStringLiteral("grupy"), QStringLiteral("Grupy"));
        keyLayout->addWidget(m_grupy);
    }
    QPushButton *sortButton = createButton(this, QStringLiteral("sortuj"), QStringLiteral(" &Sortuj   "));
    sortButton->setDefault(true);
    QPushButton *cancel = createButton(this, QStringLiteral("anuluj"), QStringLiteral("  Anuluj   "));
    connect(sortButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(orderBox);
    boxes->addWidget(keyBox);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(sortButton);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
}

SortKey Tsort::key() const
{
    if (m_wartosci->isChecked())
        return SortKey::amount;
    if (m_grupy && m_grupy->isChecked())
        return SortKey::group;
    return SortKey::date;
}

SortOrder Tsort::order() const
{
    return m_malejaco->isChecked() ? SortOrder::descending : SortOrder::ascending;
}

} // namespace trelfin
