#include "ui/registers/repeatdialog.h"

#include "core/registers/registermessages.h"
#include "core/registers/repeated.h"
#include "core/store/clock.h"
#include "core/store/helpers.h"
#include "ui/common/hints.h"
#include "ui/registers/entrydialog.h"
#include "ui/common/maskededit.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace trelfin {

Tdopiszspecjalnie::Tdopiszspecjalnie(Database &db, const Clock &clock, MessageSink &sink, Variant variant,
                                     QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_clock(clock)
    , m_sink(sink)
    , m_kind(variant == Variant::incomes ? RegisterKind::incomes : RegisterKind::expenses)
{
    const bool withGroup = variant == Variant::withGroup;
    setObjectName(withGroup ? QStringLiteral("dopiszspecjalnie") : QStringLiteral("dopiszspecjalnie2"));
    setWindowTitle(QStringLiteral("Dopisz specjalnie"));
    setModal(true);

    const QString dailyHint = withGroup ? QStringLiteral("Dodaje pozycję codziennie w określonym przedziale czasowym")
                                        : QStringLiteral("Dodaje pozycję codziennie");
    const QString weeklyHint = withGroup ? QStringLiteral("Dodaje pozycję co tydzień w określonym przedziale czasowym")
                                         : QStringLiteral("Dodaje pozycję co tydzień");
    const QString everyHint = withGroup
        ? QStringLiteral("Dodaje pozycję co (wskaż ilość) dni w określonym przedziale czasowym")
        : QStringLiteral("Dodaje pozycję (wskaż ilość) razy tego samego dnia");
    const QString sameDayHint = QStringLiteral("Dodaje pozycję (wskaż ilość) razy w dniu podanym w polu \"od dnia\"");

    auto *period = new QGroupBox(QStringLiteral(" Okres wpisywania: "), this);
    m_codzien = createOption(period, QStringLiteral("codzien"), QStringLiteral("Co dzień"), dailyHint);
    m_cotydzien = createOption(period, QStringLiteral("cotydzien"), QStringLiteral("Co tydzień"), weeklyHint);
    m_codni = createOption(period, QStringLiteral("codni"), QStringLiteral("Co"), everyHint);
    m_tegosamegodnia = createOption(period, QStringLiteral("tegosamegodnia"), QStringLiteral("Tego samego dnia"), sameDayHint);
    m_iledni = new QSpinBox(period);
    m_iledni->setObjectName(QStringLiteral("iledni"));
    m_iledni->setRange(1, 999);
    setHint(m_iledni, everyHint);
    m_ilerazy = new QSpinBox(period);
    m_ilerazy->setObjectName(QStringLiteral("ilerazy"));
    m_ilerazy->setRange(0, 999);
    setHint(m_ilerazy, sameDayHint);
    m_codzien->setChecked(true);
    // Changing or clicking a number chooses its option.
    connect(m_iledni, &QSpinBox::valueChanged, m_codni, [this] { m_codni->setChecked(true); });
    connect(m_ilerazy, &QSpinBox::valueChanged, m_tegosamegodnia, [this] { m_tegosamegodnia->setChecked(true); });
    for (QSpinBox *number : {m_iledni, m_ilerazy}) {
        number->installEventFilter(this);
        number->findChild<QLineEdit *>()->installEventFilter(this);
    }
    auto *periodLayout = new QVBoxLayout(period);
    periodLayout->addWidget(m_codzien);
    periodLayout->addWidget(m_cotydzien);
    auto *everyRow = new QHBoxLayout;
    everyRow->addWidget(m_codni);
    everyRow->addWidget(m_iledni);
    everyRow->addWidget(new QLabel(QStringLiteral("dni"), period));
    everyRow->addStretch();
    periodLayout->addLayout(everyRow);
    auto *sameRow = new QHBoxLayout;
    sameRow->addWidget(m_tegosamegodnia);
    sameRow->addWidget(m_ilerazy);
    sameRow->addWidget(new QLabel(QStringLiteral("razy"), period));
    sameRow->addStretch();
    periodLayout->addLayout(sameRow);

    auto *data = new QGroupBox(QStringLiteral(" Dane: "), this);
    auto *dataLayout = new QFormLayout(data);
    m_wartosc = createAmountEdit(data, QStringLiteral("wartosc"));
    setHint(m_wartosc, QStringLiteral("Kwota w złotych"));
    dataLayout->addRow(QStringLiteral("Wartość"), m_wartosc);
    if (withGroup) {
        m_grupa = new QComboBox(data);
        m_grupa->setObjectName(QStringLiteral("grupa"));
        setHint(m_grupa, QStringLiteral("Wskazuje grupę"));
        dataLayout->addRow(QStringLiteral("Grupa"), m_grupa);
    }
    m_opis = new QLineEdit(data);
    m_opis->setObjectName(QStringLiteral("opis"));
    m_opis->setMaxLength(Width::description);
    setHint(m_opis, QStringLiteral("Opis pozycji"));
    dataLayout->addRow(QStringLiteral("Opis"), m_opis);

    auto *span = new QGroupBox(QStringLiteral(" Dodaj w okresie: "), this);
    auto *spanLayout = new QFormLayout(span);
    m_dataod = createMaskedEdit(span, QStringLiteral("dataod"), DayMask);
    m_datado = createMaskedEdit(span, QStringLiteral("datado"), DayMask);
    setHint(m_dataod, withGroup ? QStringLiteral("Data od, w formacie DD-MM-RRRR")
                                : QStringLiteral("data od, w formacie DD-MM-RRRR"));
    setHint(m_datado, withGroup ? QStringLiteral("Data do, w formacie DD-MM-RRRR")
                                : QStringLiteral("data do, w formacie DD-MM-RRRR"));
    spanLayout->addRow(QStringLiteral("od dnia:"), m_dataod);
    spanLayout->addRow(QStringLiteral("do dnia:"), m_datado);

    QPushButton *okButton = createButton(this, QStringLiteral("ok"), QStringLiteral("  &OK   "));
    okButton->setDefault(true);
    QPushButton *cancel = createButton(this, QStringLiteral("anuluj"), QStringLiteral("  Anuluj  "));
    connect(okButton, &QPushButton::clicked, this, &Tdopiszspecjalnie::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(period);
    layout->addWidget(data);
    layout->addWidget(span);
    layout->addLayout(buttons);
}

void Tdopiszspecjalnie::showEvent(QShowEvent *event)
{
    if (isRestoredShow(event))
        return QDialog::showEvent(event);
    if (m_grupa) {
        m_grupa->clear();
        m_grupa->addItems(groupListItems(m_db, m_kind));
        m_grupa->setCurrentIndex(0);
    }
    const QString today = FormatDashDate(m_clock.today());
    m_dataod->setText(today);
    m_datado->setText(today);
    m_wartosc->setText(QStringLiteral("0"));
    m_opis->clear();
    QDialog::showEvent(event);
}

bool Tdopiszspecjalnie::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_iledni || watched->parent() == m_iledni)
            m_codni->setChecked(true);
        else if (watched == m_ilerazy || watched->parent() == m_ilerazy)
            m_tegosamegodnia->setChecked(true);
    }
    return QDialog::eventFilter(watched, event);
}

void Tdopiszspecjalnie::ok()
{
    if (!acceptDates({m_dataod, m_datado}, m_sink) || !acceptAmount(m_wartosc, m_sink))
        return;
    const QDate today = m_clock.today();
    RepeatRequest request;
    request.amount = ReadTypedAmount(m_wartosc->text()).value_or(0.0);
    request.group = m_grupa ? m_grupa->currentIndex() + 1 : 0;
    request.from = NormalizeDate(maskedText(m_dataod), today);
    request.to = NormalizeDate(maskedText(m_datado), today);
    request.description = m_opis->text().left(Width::description);

    QSpinBox *number = nullptr;
    if (m_tegosamegodnia->isChecked()) {
        request.mode = RepeatMode::sameDay;
        number = m_ilerazy;
    } else if (m_codni->isChecked()) {
        request.mode = RepeatMode::everyNDays;
        number = m_iledni;
    } else {
        request.mode = m_cotydzien->isChecked() ? RepeatMode::weekly : RepeatMode::daily;
    }
    if (number && number->cleanText().isEmpty()) {
        showMessage(m_sink, repeatNumberMissingMessage());
        return;
    }
    if (number)
        request.number = number->value();

    switch (checkRepeatRequest(request)) {
    case RepeatCheck::datesInvalid:
        showMessage(m_sink, repeatDatesMessage());
        return;
    case RepeatCheck::numberInvalid:
        showMessage(m_sink, repeatNumberMissingMessage());
        return;
    case RepeatCheck::ok:
        break;
    }
    if (m_beforeChange)
        m_beforeChange();
    appendRepeated(m_db, m_kind, request, m_sink);
    accept();
}

} // namespace trelfin
