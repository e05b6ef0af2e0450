#include "ui/registers/debtentrydialog.h"

#include "core/registers/registeredit.h"
#include "core/registers/registermessages.h"
#include "core/store/clock.h"
#include "core/store/helpers.h"
#include "ui/common/hints.h"
#include "ui/common/maskededit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace trelfin {

Tedycjadlugidopisz::Tedycjadlugidopisz(Database &db, const Clock &clock, MessageSink &sink, QWidget *parent)
    : EntryDialog(db, sink, RegisterKind::debts,
                  {"edycjadlugidopisz", "Dopisywanie danych Długi / Pożyczki", "Data", "Data w formacie DD-MM-RRRR",
                   "Typ", "Wskazuje rodzaj informacji o długu / pożyczce", "Opis długu / pożyczki"},
                  parent)
    , m_clock(clock)
    , m_termin(createMaskedEdit(this, QStringLiteral("termin"), DayMask))
    , m_typ2(new QLineEdit(this))
    , m_opis2(new QLineEdit(this))
    , m_active(new QCheckBox(this))
{
    m_typ2->setObjectName(QStringLiteral("typ2"));
    m_typ2->setReadOnly(true);
    m_opis2->setObjectName(QStringLiteral("opis2"));
    m_opis2->setMaxLength(Width::description);
    m_active->setObjectName(QStringLiteral("active"));
    setHint(m_termin, QStringLiteral("Termin zwrotu długu / pożyczki w formacie DD-MM-RRRR"));
    setHint(m_opis2, QStringLiteral("Opis pozycji"));
    setHint(m_active, QStringLiteral("Dołącz do tabeli długów / pożyczek dodatkowe podane informacje"));

    auto *terminLabel = new QLabel(QStringLiteral("Termin zwrotu"), this);
    auto *typ2Label = new QLabel(QStringLiteral("Właściwość"), this);
    auto *opis2Label = new QLabel(QStringLiteral("Opis"), this);
    m_fields->addWidget(terminLabel, 2, 0);
    m_fields->addWidget(m_termin, 3, 0);
    m_fields->addWidget(typ2Label, 2, 1);
    m_fields->addWidget(m_typ2, 3, 1);
    m_fields->addWidget(m_active, 3, 2);
    m_fields->addWidget(opis2Label, 2, 3);
    m_fields->addWidget(m_opis2, 3, 3);
    m_returnWidgets = {terminLabel, m_termin, typ2Label, m_typ2, opis2Label, m_opis2, m_active};
    // Tab: the first row, then the second as it stands, then OK.
    const QList<QWidget *> order = {m_opis, m_termin, m_typ2, m_active, m_opis2, m_ok};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    connect(m_grupa, &QComboBox::activated, this, &Tedycjadlugidopisz::kindChosen);
}

void Tedycjadlugidopisz::fillFields()
{
    const QString today = FormatDashDate(m_clock.today());
    m_grupa->clear();
    m_grupa->addItems(groupItems());
    m_grupa->setCurrentIndex(0);
    m_data->setText(today);
    m_termin->setText(today);
    m_wartosc->setText(QStringLiteral("0"));
    m_opis->setText(QStringLiteral("Brak"));
    m_opis2->setText(QStringLiteral("Brak"));
    m_typ2->setText(QStringLiteral("ODDANY"));
    m_active->setChecked(true);
    for (QWidget *w : m_returnWidgets)
        w->setEnabled(true);
}

void Tedycjadlugidopisz::kindChosen(int index)
{
    // A debt is settled by "ODDANY", a loan by "ODEBRANA"; a repayment takes no return entry.
    const bool takesReturn = index == 0 || index == 1;
    for (QWidget *w : m_returnWidgets)
        w->setEnabled(takesReturn);
    m_typ2->setText(index == 0 ? debtKindName(3) : index == 1 ? debtKindName(4) : QStringLiteral("nie dot."));
}

bool Tedycjadlugidopisz::returnWanted() const
{
    return m_active->isChecked() && m_active->isEnabled();
}

QString Tedycjadlugidopisz::returnDate() const
{
    return dateOrBlank(m_termin);
}

QList<QLineEdit *> Tedycjadlugidopisz::dateFields() const
{
    QList<QLineEdit *> fields = EntryDialog::dateFields();
    if (returnWanted())
        fields.append(m_termin);
    return fields;
}

QString Tedycjadlugidopisz::returnDescription() const
{
    return m_opis2->text().left(Width::description);
}

bool Tedycjadlugidopisz::mayClose()
{
    if (debtReturnDateAccepted(m_grupa->currentIndex() + 1, m_active->isChecked(), maskedText(m_data),
                               returnDate()))
        return true;
    showMessage(m_sink, debtReturnDateMessage());
    return false;
}

} // namespace trelfin
