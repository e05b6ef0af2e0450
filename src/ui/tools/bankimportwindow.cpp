#include "ui/tools/bankimportwindow.h"

#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/helpers.h"
#include "ui/common/hints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trelfin {

namespace {

enum Column { checkColumn, dateColumn, amountColumn, registerColumn, kindColumn, groupColumn, descriptionColumn, statusColumn, columnCount };

QLabel *valueLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

} // namespace

BankImportWindow::BankImportWindow(const Database &db, const QString &file, const BankStatement &statement, QVector<ImportRow> rows,
                                   QWidget *parent)
    : QDialog(parent)
    , m_rows(std::move(rows))
    , m_table(new QTableWidget(this))
    , m_totals(new QLabel(this))
    , m_alsoRegisters(new QCheckBox(QStringLiteral("Wpisz też wydatki do „&Rozchód” i wpływy do „Przychód”"), this))
{
    m_alsoRegisters->setObjectName(QStringLiteral("rejestry"));
    m_alsoRegisters->setChecked(db.importAlsoIntoRegisters);
    setHint(m_alsoRegisters, QStringLiteral("Płatności kartą i przelewy trafią także do rozchodów (z grupą) i przychodów"));
    setObjectName(QStringLiteral("importwyciagu"));
    setWindowTitle(QStringLiteral("Import wyciągu bankowego"));
    setModal(true);

    auto *info = new QFormLayout;
    const auto row = [&](const QString &caption, QLabel *value) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(value);
        info->addRow(label, value);
    };
    row(QStringLiteral("Plik:"), valueLabel(this, QStringLiteral("plik"), QDir::toNativeSeparators(file)));
    row(QStringLiteral("Format:"), valueLabel(this, QStringLiteral("format"), statement.format));
    row(QStringLiteral("Rachunek:"), valueLabel(this, QStringLiteral("rachunek"), statement.account.isEmpty() ? QStringLiteral("b.d.") : statement.account));
    const QString span = statement.from.isEmpty() ? QStringLiteral("b.d.") : QStringLiteral("od %1 do %2").arg(statement.from, statement.to);
    row(QStringLiteral("Okres wyciągu:"), valueLabel(this, QStringLiteral("okreswyciagu"), span));
    const auto balance = [](const std::optional<double> &value) { return value ? FormatAmount(*value) : QStringLiteral("b.d."); };
    row(QStringLiteral("Saldo początkowe i końcowe:"),
        valueLabel(this, QStringLiteral("salda"), balance(statement.opening) + QStringLiteral(" / ") + balance(statement.closing)));
    if (!statement.notice.isEmpty()) {
        QLabel *notice = valueLabel(this, QStringLiteral("uwaga"), statement.notice);
        notice->setWordWrap(true);
        row(QStringLiteral("Uwaga:"), notice);
    }

    m_table->setObjectName(QStringLiteral("wiersze"));
    m_table->setColumnCount(columnCount);
    m_table->setHorizontalHeaderLabels({QString(), QStringLiteral("Data"), QStringLiteral("Kwota"), QStringLiteral("Rejestr"),
                                        QStringLiteral("Rodzaj"), QStringLiteral("Grupa"), QStringLiteral("Opis"), QStringLiteral("Status")});
    m_table->verticalHeader()->hide();
    m_table->setRowCount(int(m_rows.size() + statement.skipped.size()));
    for (int r = 0; r < m_rows.size(); ++r) {
        const ImportRow &ir = m_rows.at(r);
        auto *check = new QTableWidgetItem;
        const bool bookable = ir.status != ImportStatus::pending;
        check->setFlags(bookable ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsSelectable);
        check->setCheckState(ir.checked && bookable ? Qt::Checked : Qt::Unchecked);
        m_table->setItem(r, checkColumn, check);
        m_table->setItem(r, dateColumn, new QTableWidgetItem(ir.source.date));
        auto *amount = new QTableWidgetItem(FormatAmount(ir.source.amount) + (ir.source.currency == QStringLiteral("PLN") ? QString() : u' ' + ir.source.currency));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(r, amountColumn, amount);
        m_table->setItem(r, registerColumn, new QTableWidgetItem);
        auto *kind = new QComboBox(m_table);
        kind->setObjectName(QStringLiteral("rodzaj%1").arg(r + 1));
        for (int k = 1; k <= BankOperationKindCount; ++k)
            kind->addItem(bankOperationKindName(k).trimmed());
        kind->setCurrentIndex(ir.bankKind - 1);
        m_table->setCellWidget(r, kindColumn, kind);
        // A spending group for money out, should it also go into "Rozchód".
        if (ir.registerKind == RegisterKind::expenses) {
            auto *group = new QComboBox(m_table);
            group->setObjectName(QStringLiteral("grupa%1").arg(r + 1));
            for (int g = 1; g <= GroupCount; ++g)
                group->addItem(db.header.groupNames[g].trimmed());
            group->setCurrentIndex(std::clamp(ir.group, 1, GroupCount) - 1);
            m_table->setCellWidget(r, groupColumn, group);
        }
        auto *description = new QTableWidgetItem(ir.entry.description);
        description->setFlags(description->flags() | Qt::ItemIsEditable);
        m_table->setItem(r, descriptionColumn, description);
        m_table->setItem(r, statusColumn, new QTableWidgetItem(ImportStatusText(ir.status)));
        for (int c : {dateColumn, amountColumn, registerColumn, statusColumn})
            m_table->item(r, c)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    // The rows that could not be read, with their reasons: listed, never added.
    for (int s = 0; s < statement.skipped.size(); ++s) {
        const int r = int(m_rows.size()) + s;
        m_table->setItem(r, checkColumn, new QTableWidgetItem);
        m_table->item(r, checkColumn)->setFlags(Qt::ItemIsSelectable);
        m_table->setItem(r, descriptionColumn, new QTableWidgetItem(statement.skipped.at(s)));
        m_table->setItem(r, statusColumn, new QTableWidgetItem(ImportStatusText(ImportStatus::skipped)));
        for (int c : {descriptionColumn, statusColumn})
            m_table->item(r, c)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setSectionResizeMode(descriptionColumn, QHeaderView::Stretch);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == checkColumn)
            updateTotals();
        else if (item->column() == descriptionColumn && item->row() < m_rows.size()) {
            // A description stays what the register can hold.
            const QString fitted = fitText(item->text(), Width::description);
            if (fitted != item->text())
                item->setText(fitted);
        }
    });
    auto *tableLabel = new QLabel(QStringLiteral("&Wiersze wyciągu:"), this);
    tableLabel->setBuddy(m_table);
    m_totals->setObjectName(QStringLiteral("razem"));

    const DialogButtons buttons = createDialogButtons(this, QStringLiteral("Dodaje zaznaczone wiersze do konta bankowego"), QStringLiteral("Niczego nie dodaje"));
    connect(buttons.help, &QPushButton::clicked, this, &BankImportWindow::helpRequested);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(info);
    layout->addWidget(tableLabel);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_alsoRegisters);
    layout->addWidget(m_totals);
    layout->addLayout(buttons.row);
    resize(1040, 580);
    updateTotals();
    // The target register follows the choice and the kind; a group can be chosen only for a row
    // that goes into "Rozchód".
    const auto followChoice = [this] {
        for (int r = 0; r < m_rows.size(); ++r) {
            ImportRow row = m_rows.at(r);
            row.bankKind = static_cast<QComboBox *>(m_table->cellWidget(r, kindColumn))->currentIndex() + 1;
            m_table->item(r, registerColumn)->setText(ImportRegistersText(row, m_alsoRegisters->isChecked()));
            if (QWidget *group = m_table->cellWidget(r, groupColumn))
                group->setEnabled(m_alsoRegisters->isChecked() && GoesIntoRegister(row.bankKind) && row.status != ImportStatus::pending);
        }
        m_table->resizeColumnToContents(registerColumn);
    };
    connect(m_alsoRegisters, &QCheckBox::toggled, this, followChoice);
    for (int r = 0; r < m_rows.size(); ++r)
        connect(static_cast<QComboBox *>(m_table->cellWidget(r, kindColumn)), &QComboBox::currentIndexChanged, this, followChoice);
    followChoice();
}

QVector<ImportRow> BankImportWindow::rows() const
{
    QVector<ImportRow> rows = m_rows;
    for (int r = 0; r < rows.size(); ++r) {
        ImportRow &ir = rows[r];
        ir.checked = m_table->item(r, checkColumn)->checkState() == Qt::Checked && ir.status != ImportStatus::pending;
        ir.bankKind = static_cast<QComboBox *>(m_table->cellWidget(r, kindColumn))->currentIndex() + 1;
        ir.entry.group = static_cast<std::uint8_t>(ir.bankKind);
        ir.entry.description = fitText(m_table->item(r, descriptionColumn)->text(), Width::description);
        ir.intoRegister = m_alsoRegisters->isChecked() && GoesIntoRegister(ir.bankKind);
        if (auto *group = static_cast<QComboBox *>(m_table->cellWidget(r, groupColumn)))
            ir.group = group->currentIndex() + 1;
    }
    return rows;
}

bool BankImportWindow::alsoIntoRegisters() const
{
    return m_alsoRegisters->isChecked();
}

void BankImportWindow::updateTotals()
{
    int count = 0;
    double in = 0, out = 0;
    for (int r = 0; r < m_rows.size(); ++r) {
        if (m_table->item(r, checkColumn)->checkState() != Qt::Checked)
            continue;
        ++count;
        const double amount = m_rows.at(r).source.amount;
        (amount >= 0 ? in : out) += std::abs(amount);
    }
    m_totals->setText(QStringLiteral("Wierszy do dodania: %1, wpływy %2, wydatki %3").arg(count).arg(FormatAmount(in), FormatAmount(out)));
}

} // namespace trelfin
