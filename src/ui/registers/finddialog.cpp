#include "ui/registers/finddialog.h"

#include "ui/common/hints.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trelfin {

FindDialog::FindDialog(QWidget *parent)
    : QDialog(parent)
    , m_text(new QLineEdit(this))
    , m_matchCase(new QCheckBox(QStringLiteral("Uwzględniaj wielkość liter"), this))
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("Znajdź"));
    m_text->setObjectName(QStringLiteral("tekst"));
    m_matchCase->setObjectName(QStringLiteral("wielkoscliter"));
    auto *direction = new QGroupBox(QStringLiteral("Kierunek"), this);
    m_up = createOption(direction, QStringLiteral("wgore"), QStringLiteral("W &górę"));
    m_down = createOption(direction, QStringLiteral("wdol"), QStringLiteral("W &dół"));
    m_down->setChecked(true);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);
    QPushButton *next = createButton(this, QStringLiteral("znajdz"), QStringLiteral("&Znajdź następny"));
    next->setDefault(true);
    QPushButton *cancel = createButton(this, QStringLiteral("anuluj"), QStringLiteral("Anuluj"));
    connect(next, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *row = new QHBoxLayout;
    // The label names the field and gives Alt+Z to it.
    auto *label = new QLabel(QStringLiteral("&Znajdź:"), this);
    label->setBuddy(m_text);
    row->addWidget(label);
    row->addWidget(m_text, 1);
    auto *left = new QVBoxLayout;
    left->addLayout(row);
    auto *options = new QHBoxLayout;
    options->addWidget(m_matchCase);
    options->addWidget(direction);
    left->addLayout(options);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(next);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

FindRequest FindDialog::request() const
{
    return FindRequest{m_text->text(), m_matchCase->isChecked(), m_down->isChecked()};
}

} // namespace trelfin
