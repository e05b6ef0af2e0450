#include "ui/registers/entrydialog.h"

#include "core/store/helpers.h"
#include "ui/common/hints.h"
#include "ui/common/maskededit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

QStringList groupListItems(const Database &db, RegisterKind kind)
{
    QStringList items;
    switch (kind) {
    case RegisterKind::expenses:
    case RegisterKind::planned:
        for (int g = 1; g <= highestGroup(kind); ++g)
            items.append(db.groupName(g));
        break;
    case RegisterKind::debts:
        for (int k = 1; k <= highestGroup(kind); ++k)
            items.append(debtKindName(k));
        break;
    case RegisterKind::bankAccount:
        for (int k = 1; k <= highestGroup(kind); ++k)
            items.append(bankOperationKindName(k));
        break;
    case RegisterKind::incomes:
        break;
    }
    return items;
}

EntryDialog::EntryDialog(Database &db, MessageSink &sink, RegisterKind kind, const Texts &texts, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_db(db)
    , m_sink(sink)
    , m_kind(kind)
    , m_data(createMaskedEdit(this, QStringLiteral("data"), DayMask))
    , m_wartosc(createAmountEdit(this, QStringLiteral("wartosc")))
    , m_opis(new QLineEdit(this))
    , m_fields(new QGridLayout)
{
    setObjectName(text(texts.name));
    setWindowTitle(text(texts.caption));
    setModal(true);
    m_opis->setObjectName(QStringLiteral("opis"));
    m_opis->setMaxLength(Width::description);
    setHint(m_data, text(texts.dateHint));
    setHint(m_wartosc, QStringLiteral("Kwota w złotych"));
    setHint(m_opis, text(texts.descriptionHint));

    int column = 0;
    const auto addField = [this, &column](const QString &label, QWidget *field, int stretch = 0) {
        m_fields->addWidget(new QLabel(label, this), 0, column);
        m_fields->addWidget(field, 1, column);
        m_fields->setColumnStretch(column, stretch);
        ++column;
    };
    addField(text(texts.dateLabel), m_data);
    addField(QStringLiteral("Wartość"), m_wartosc);
    if (texts.groupLabel) {
        m_grupa = new QComboBox(this);
        m_grupa->setObjectName(QStringLiteral("grupa"));
        setHint(m_grupa, text(texts.groupHint));
        addField(text(texts.groupLabel), m_grupa);
    }
    addField(QStringLiteral("Opis"), m_opis, 1);
    m_opis->setMinimumWidth(260);

    m_ok = new QPushButton(QStringLiteral("  &OK   "), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true); // Enter in any field closes the dialog as OK does
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_fields);
    layout->addWidget(m_ok, 0, Qt::AlignCenter);

    // Tab goes through the fields as they stand, left to right, then to OK.
    QList<QWidget *> order = {m_data, m_wartosc};
    if (m_grupa)
        order.append(m_grupa);
    order << m_opis << m_ok;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

QList<QLineEdit *> EntryDialog::dateFields() const
{
    return {m_data};
}

QStringList EntryDialog::groupItems() const
{
    return groupListItems(m_db, m_kind);
}

void EntryDialog::fillFields()
{
    const EditBuffer &edit = m_db.edit;
    m_data->setText(edit.editDate);
    m_wartosc->setText(FormatAmount(edit.editAmount));
    if (m_grupa) {
        m_grupa->clear();
        m_grupa->addItems(groupItems());
        m_grupa->setCurrentIndex(edit.editGroup - 1);
    }
    m_opis->setText(edit.editDescription);
}

void EntryDialog::showEvent(QShowEvent *event)
{
    if (isRestoredShow(event))
        return QDialog::showEvent(event);
    fillFields();
    m_data->setFocus();
    m_data->setCursorPosition(0);
    QDialog::showEvent(event);
}

void EntryDialog::done(int result)
{
    if (result == Accepted && (!acceptDates(dateFields(), m_sink) || !acceptAmount(m_wartosc, m_sink)))
        return;
    if (!mayClose())
        return;
    EditBuffer &edit = m_db.edit;
    edit.editDate = dateOrBlank(m_data).left(Width::entryDate);
    // Closed by its frame with an amount that cannot be read, the dialog keeps the buffer's.
    if (const std::optional<double> amount = ReadTypedAmount(m_wartosc->text()))
        edit.editAmount = *amount;
    if (m_grupa)
        edit.editGroup = static_cast<std::uint8_t>(std::max(0, m_grupa->currentIndex()));
    edit.editDescription = m_opis->text().left(Width::description);
    m_db.modified = true;
    QDialog::done(result);
}

Tedycjarozchod::Tedycjarozchod(Database &db, MessageSink &sink, QWidget *parent)
    : EntryDialog(db, sink, RegisterKind::expenses,
                  {"edycjarozchod", "Edycja danych Rochód", "Data", "Data wydatku w formacie DD-MM-RRRR", "Grupa",
                   "Wskazuje grupę wydatku", "Opis wydatku"},
                  parent)
{
}

Tedycjaprzychod::Tedycjaprzychod(Database &db, MessageSink &sink, QWidget *parent)
    : EntryDialog(db, sink, RegisterKind::incomes,
                  {"edycjaprzychod", "Edycja danych Przychód", "Data", "Data przychodu w formacie DD-MM-RRRR",
                   nullptr, nullptr, "Opis przychodu"},
                  parent)
{
}

Tedycjaplanowanie::Tedycjaplanowanie(Database &db, MessageSink &sink, QWidget *parent)
    : EntryDialog(db, sink, RegisterKind::planned,
                  {"edycjaplanowanie", "Edycja danych Planowanie", "Termin",
                   "Termin planowanego zakupu w formacie DD-MM-RRRR", "Grupa", "Wskazuje grupę wydatku",
                   "Opis wydatku"},
                  parent)
{
}

Tedycjadlugi::Tedycjadlugi(Database &db, MessageSink &sink, QWidget *parent)
    : EntryDialog(db, sink, RegisterKind::debts,
                  {"edycjadlugi", "Edycja danych Długi / Pożyczki", "Data", "Data w formacie DD-MM-RRRR", "Typ",
                   "Wskazuje rodzaj informacji o długu / pożyczce", "Opis długu / pożyczki"},
                  parent)
{
}

Tedycjakonto::Tedycjakonto(Database &db, MessageSink &sink, QWidget *parent)
    : EntryDialog(db, sink, RegisterKind::bankAccount,
                  {"edycjakonto", "Edycja danych Konto bankowe", "Data", "Data operacji bankowej w formacie DD-MM-RRRR",
                   "Rodzaj operacji", "Rodzaj operacji bankowej", "Opis operacji bankowej"},
                  parent)
{
}

} // namespace trelfin
