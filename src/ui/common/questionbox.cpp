#include "ui/common/questionbox.h"

#include "ui/common/messageboxlayout.h"

#include <QPushButton>

namespace trelfin {

TDpytanie::TDpytanie(QWidget *parent)
    : QDialog(parent)
    , m_napis1(centredLabel(this, QStringLiteral("napis1")))
    , m_napis2(centredLabel(this, QStringLiteral("napis2")))
{
    setObjectName(QStringLiteral("Dpytanie"));
    m_tak = new QPushButton(QStringLiteral("  &Tak   "), this);
    m_tak->setObjectName(QStringLiteral("tak"));
    m_tak->setDefault(true);
    m_nie = new QPushButton(QStringLiteral("  &Nie   "), this);
    m_nie->setObjectName(QStringLiteral("nie"));
    m_anuluj = new QPushButton(QStringLiteral("&Anuluj"), this);
    m_anuluj->setObjectName(QStringLiteral("anuluj"));
    m_anuluj->hide();
    connect(m_tak, &QPushButton::clicked, this, [this] {
        m_answeredYes = true;
        accept();
    });
    connect(m_nie, &QPushButton::clicked, this, [this] {
        m_answeredNo = true;
        reject();
    });
    connect(m_anuluj, &QPushButton::clicked, this, &QDialog::reject);
    layOut(this, m_napis1, m_napis2, {m_tak, m_nie, m_anuluj});
}

void TDpytanie::prepare(const QString &line1, const QString &line2, const QString &title,
                        DefaultAnswer defaultAnswer)
{
    m_answeredYes = false;
    m_answeredNo = false;
    m_anuluj->hide();
    QPushButton *byDefault = defaultAnswer == DefaultAnswer::no ? m_nie : m_tak;
    m_tak->setDefault(byDefault == m_tak);
    m_nie->setDefault(byDefault == m_nie);
    byDefault->setFocus();
    fill(this, m_napis1, m_napis2, line1, line2, title);
}

bool TDpytanie::ask(const QString &line1, const QString &line2, const QString &title, DefaultAnswer defaultAnswer)
{
    prepare(line1, line2, title, defaultAnswer);
    exec();
    return m_answeredYes;
}

SaveAnswer TDpytanie::askToSave(const QString &line1, const QString &line2, const QString &title)
{
    prepare(line1, line2, title, DefaultAnswer::yes);
    m_anuluj->show();
    adjustSize();
    exec();
    m_anuluj->hide();
    if (m_answeredYes)
        return SaveAnswer::save;
    return m_answeredNo ? SaveAnswer::discard : SaveAnswer::cancel;
}

} // namespace trelfin
