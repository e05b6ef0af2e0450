#include "ui/tools/csvcolumnswindow.h"

#include "ui/common/hints.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

CsvColumnsWindow::CsvColumnsWindow(const CsvHeader &header, const CsvColumnMapping &start, QWidget *parent)
    : QDialog(parent)
    , m_header(header)
{
    setObjectName(QStringLiteral("kolumnywyciagu"));
    setWindowTitle(QStringLiteral("Kolumny wyciągu"));
    auto *intro = new QLabel(QStringLiteral("Nie rozpoznano banku, z którego pochodzi ten plik.\n"
                                            "Wskaż, co zawierają jego kolumny; wybór zostanie zapamiętany dla plików o tych kolumnach."),
                             this);
    intro->setWordWrap(true);
    m_form = new QFormLayout;
    // Columns out of the header's range start as none.
    CsvColumnMapping chosen = start;
    for (int *column : {&chosen.date, &chosen.amount, &chosen.debit, &chosen.credit, &chosen.counterparty, &chosen.title}) {
        if (*column < -1 || *column >= header.names.size())
            *column = -1;
    }
    m_date = addChoice(QStringLiteral("data"), QStringLiteral("&Data operacji:"), chosen.date);
    m_amount = addChoice(QStringLiteral("kwota"), QStringLiteral("&Kwota (ze znakiem):"), chosen.amount);
    m_debit = addChoice(QStringLiteral("obciazenia"), QStringLiteral("albo &obciążenia:"), chosen.debit);
    m_credit = addChoice(QStringLiteral("uznania"), QStringLiteral("i &uznania:"), chosen.credit);
    m_counterparty = addChoice(QStringLiteral("drugastrona"), QStringLiteral("Druga &strona (nadawca lub odbiorca):"), chosen.counterparty);
    m_title = addChoice(QStringLiteral("tytul"), QStringLiteral("&Tytuł lub opis:"), chosen.title);

    const DialogButtons buttons = createDialogButtons(this, QStringLiteral("Czyta plik według wskazanych kolumn"), QStringLiteral("Niczego nie importuje"));
    connect(buttons.help, &QPushButton::clicked, this, &CsvColumnsWindow::helpRequested);
    m_ok = buttons.ok;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(m_form);
    layout->addStretch();
    layout->addLayout(buttons.row);
    for (QComboBox *box : {m_date, m_amount, m_debit, m_credit, m_counterparty, m_title})
        connect(box, &QComboBox::currentIndexChanged, this, &CsvColumnsWindow::updateOk);
    updateOk();
    (chosen.usable(header) ? static_cast<QWidget *>(m_ok) : m_date)->setFocus();
}

QComboBox *CsvColumnsWindow::addChoice(const QString &name, const QString &caption, int column)
{
    auto *box = new QComboBox(this);
    box->setObjectName(name);
    box->addItem(QStringLiteral("(brak)"));
    for (qsizetype i = 0; i < m_header.names.size(); ++i) {
        const QString title = m_header.names.at(i).isEmpty() ? QStringLiteral("kolumna %1").arg(i + 1) : m_header.names.at(i);
        const QString value = m_header.sample.value(i).left(40);
        box->addItem(value.isEmpty() ? title : QStringLiteral("%1 — %2").arg(title, value));
    }
    box->setCurrentIndex(column + 1);
    auto *label = new QLabel(caption, this);
    label->setBuddy(box);
    m_form->addRow(label, box);
    return box;
}

void CsvColumnsWindow::updateOk()
{
    m_ok->setEnabled(mapping().usable(m_header));
}

CsvColumnMapping CsvColumnsWindow::mapping() const
{
    return {m_date->currentIndex() - 1,         m_amount->currentIndex() - 1,       m_debit->currentIndex() - 1,
            m_credit->currentIndex() - 1,       m_counterparty->currentIndex() - 1, m_title->currentIndex() - 1};
}

} // namespace trelfin
