#include "ui/common/choicebox.h"

#include "ui/common/messageboxlayout.h"

#include <QPushButton>

namespace trelfin {

ChoiceBox::ChoiceBox(const QStringList &buttons, QWidget *parent)
    : QDialog(parent)
    , m_napis1(centredLabel(this, QStringLiteral("napis1")))
    , m_napis2(centredLabel(this, QStringLiteral("napis2")))
{
    setObjectName(QStringLiteral("Dwybor"));
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        auto *button = new QPushButton(buttons.at(i), this);
        button->setObjectName(QStringLiteral("wybor%1").arg(i + 1));
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_chosen = int(i);
            accept();
        });
        m_buttons.append(button);
    }
    if (!m_buttons.isEmpty())
        m_buttons.first()->setDefault(true);
    layOut(this, m_napis1, m_napis2, m_buttons);
}

int ChoiceBox::ask(const QString &line1, const QString &line2, const QString &title)
{
    m_chosen = -1;
    fill(this, m_napis1, m_napis2, line1, line2, title);
    if (!m_buttons.isEmpty())
        m_buttons.first()->setFocus();
    exec();
    return m_chosen;
}

} // namespace trelfin
