#include "ui/registers/recurringwindow.h"

#include "core/store/cp1250.h"
#include "core/tools/recurring.h"
#include "ui/common/hints.h"
#include "ui/common/maskededit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

RecurringItemsWindow::RecurringItemsWindow(RegisterKind kind, Database &db, MessageSink &sink, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_db(db)
    , m_sink(sink)
{
    const bool incomes = kind == RegisterKind::incomes;
    setObjectName(incomes ? QStringLiteral("fstalyp") : QStringLiteral("fstalyr"));
    setWindowTitle(incomes ? QStringLiteral("Przychód okresowy / cykliczny") : QStringLiteral("Okresowe / cykliczne wydatki"));
    setModal(true);

    auto *frame = new QGroupBox(QStringLiteral(" Zaznacz pozycję i podaj odpowiednie dane "), this);
    auto *grid = new QGridLayout(frame);
    int column = 0;
    grid->addWidget(new QLabel(QStringLiteral("aktywny"), frame), 0, column++);
    const int groupColumn = incomes ? -1 : column++;
    const int amountColumn = column++;
    const int descriptionColumn = column++;
    if (!incomes)
        grid->addWidget(new QLabel(QStringLiteral("grupa"), frame), 0, groupColumn);
    grid->addWidget(new QLabel(QStringLiteral("wartość"), frame), 0, amountColumn);
    grid->addWidget(new QLabel(QStringLiteral("opis"), frame), 0, descriptionColumn);
    grid->setColumnStretch(descriptionColumn, 1);
    for (int r = 0; r < RecurringRows; ++r) {
        const QString n = QString::number(r + 1);
        m_active[r] = new QCheckBox(frame);
        m_active[r]->setObjectName(QStringLiteral("a") + n);
        setHint(m_active[r], incomes ? QStringLiteral("Uwzględnij wskazaną pozycję przy dodawaniu do przychodów")
                                     : QStringLiteral("Uwzględnij wskazaną pozycję przy dodawaniu do tablicy wydatków"));
        m_day[r] = createMaskedEdit(frame, QStringLiteral("data") + n, QStringLiteral("00; "));
        m_day[r]->hide(); // the day is kept, not used
        m_amount[r] = createAmountEdit(frame, QStringLiteral("wartosc") + n);
        m_amount[r]->setText(QStringLiteral("0"));
        setHint(m_amount[r], incomes ? QStringLiteral("Kwota przychodu cyklicznego w złotych") : QStringLiteral("Kwota wydatku w złotych"));
        m_description[r] = new QLineEdit(QStringLiteral("opis"), frame);
        m_description[r]->setObjectName(QStringLiteral("opis") + n);
        m_description[r]->setMaxLength(Width::description);
        setHint(m_description[r], incomes ? QStringLiteral("Opis przychodu cyklicznego") : QStringLiteral("Opis wydatku"));
        grid->addWidget(m_active[r], r + 1, 0, Qt::AlignCenter);
        if (!incomes) {
            m_group[r] = new QComboBox(frame);
            m_group[r]->setObjectName(QStringLiteral("grupa") + n);
            setHint(m_group[r], QStringLiteral("Wybiera grupę wydatku"));
            grid->addWidget(m_group[r], r + 1, groupColumn);
        }
        grid->addWidget(m_amount[r], r + 1, amountColumn);
        grid->addWidget(m_description[r], r + 1, descriptionColumn);
    }

    QPushButton *ok = createButton(this, QStringLiteral("ok"), QStringLiteral("&OK"));
    ok->setDefault(true);
    QPushButton *add = incomes
        ? createButton(this, QStringLiteral("dodaj"), QStringLiteral("Dodaj aktywne pozycje jako przychód"),
                       QStringLiteral("Dodaje zaznaczone (aktywne) pozycje do tablicy przychodów z datą dzisiejszą"))
        : createButton(this, QStringLiteral("dodaj"), QStringLiteral("Dodaj aktywne jako rozchód"),
                       QStringLiteral("Dodaje zaznaczone (aktywne) pozycje do tablicy wydatków z datą dzisiejszą"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(add, &QPushButton::clicked, this, [this] { done(AddResult); });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setMinimumWidth(560);
}

void RecurringItemsWindow::load()
{
    for (int r = 0; r < RecurringRows; ++r) {
        if (m_kind == RegisterKind::incomes) {
            const RecurringIncome &row = m_db.recurringIncomes[r];
            m_active[r]->setChecked(row.active);
            m_day[r]->setText(row.day);
            m_amount[r]->setText(RecurringAmountText(row.amount));
            m_description[r]->setText(row.description);
        } else {
            const RecurringExpense &row = m_db.recurringExpenses[r];
            m_active[r]->setChecked(row.active);
            m_groupIndex[r] = row.group;
            m_amount[r]->setText(RecurringAmountText(row.amount));
            m_description[r]->setText(row.description);
        }
    }
}

void RecurringItemsWindow::showEvent(QShowEvent *event)
{
    if (!isRestoredShow(event) && m_kind == RegisterKind::expenses) {
        // The lists always offer the 30 groups, empty names included.
        for (int r = 0; r < RecurringRows; ++r) {
            m_group[r]->clear();
            for (int g = 1; g <= GroupCount; ++g)
                m_group[r]->addItem(m_db.header.groupNames[g]);
            m_group[r]->setCurrentIndex(std::clamp(m_groupIndex[r], 0, GroupCount - 1));
        }
    }
    QDialog::showEvent(event);
}

void RecurringItemsWindow::store()
{
    for (int r = 0; r < RecurringRows; ++r) {
        // A row whose amount cannot be read keeps the amount it had.
        const std::optional<Real48> amount = RecurringAmountFrom(m_amount[r]->text());
        const QString description = fitText(m_description[r]->text(), Width::description);
        if (m_kind == RegisterKind::incomes) {
            RecurringIncome &row = m_db.recurringIncomes[r];
            row.active = m_active[r]->isChecked();
            row.day = m_day[r]->displayText().left(Width::recurringDay);
            if (amount)
                row.amount = *amount;
            row.description = description;
        } else {
            RecurringExpense &row = m_db.recurringExpenses[r];
            row.active = m_active[r]->isChecked();
            m_groupIndex[r] = std::max(0, m_group[r]->currentIndex());
            row.group = static_cast<std::uint8_t>(m_groupIndex[r]);
            if (amount)
                row.amount = *amount;
            row.description = description;
        }
    }
    m_db.modified = true;
}

void RecurringItemsWindow::done(int result)
{
    // "&OK" and the add button refuse an amount that cannot be read; closed by its frame the
    // window stores the rest and keeps such a row's amount.
    if (result != Rejected) {
        for (QLineEdit *amount : m_amount) {
            if (!acceptAmount(amount, m_sink))
                return;
        }
    }
    store();
    QDialog::done(result);
}

} // namespace trelfin
