#include "ui/tools/importruleswindow.h"

#include "ui/common/hints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trelfin {

namespace {

enum Column { textColumn, groupColumn };

} // namespace

ImportRulesWindow::ImportRulesWindow(const Database &db, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_table(new QTableWidget(0, 2, this))
    , m_alsoRegisters(new QCheckBox(QStringLiteral("Wpisz też &wydatki do „Rozchód” i wpływy do „Przychód”"), this))
{
    setObjectName(QStringLiteral("regulyimportu"));
    setWindowTitle(QStringLiteral("Reguły importu wyciągów"));
    m_table->setObjectName(QStringLiteral("reguly"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Tekst w nazwie drugiej strony lub w tytule"), QStringLiteral("Grupa")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(textColumn, QHeaderView::Stretch);
    for (const Database::ImportRule &rule : db.importRules)
        addRule(rule);
    auto *tableLabel = new QLabel(QStringLiteral("&Reguły (pierwsza pasująca wyznacza grupę wydatku):"), this);
    tableLabel->setBuddy(m_table);
    m_alsoRegisters->setObjectName(QStringLiteral("rejestry"));
    m_alsoRegisters->setChecked(db.importAlsoIntoRegisters);
    setHint(m_alsoRegisters, QStringLiteral("Płatności kartą i przelewy trafią także do rozchodów (z grupą) i przychodów"));

    QPushButton *add = createButton(this, QStringLiteral("dodaj"), QStringLiteral("&Dodaj"), QStringLiteral("Dodaje nową regułę"));
    m_remove = createButton(this, QStringLiteral("usun"), QStringLiteral("&Usuń"), QStringLiteral("Usuwa zaznaczoną regułę"));
    m_up = createButton(this, QStringLiteral("wgore"), QStringLiteral("W &górę"), QStringLiteral("Reguła będzie sprawdzana wcześniej"));
    m_down = createButton(this, QStringLiteral("wdol"), QStringLiteral("W d&ół"), QStringLiteral("Reguła będzie sprawdzana później"));
    connect(add, &QPushButton::clicked, this, [this] {
        addRule({QString(), 1});
        m_table->setCurrentCell(m_table->rowCount() - 1, textColumn);
        m_table->setFocus();
        m_table->editItem(m_table->currentItem());
        updateButtons();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (m_table->currentRow() >= 0)
            m_table->removeRow(m_table->currentRow());
        updateButtons();
    });
    connect(m_up, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(m_table, &QTableWidget::currentCellChanged, this, &ImportRulesWindow::updateButtons);
    connect(m_table, &QTableWidget::itemChanged, this, [](QTableWidgetItem *item) {
        // A rule's text stays on one line, as the rules file keeps it.
        QString text = item->text();
        text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        if (text != item->text())
            item->setText(text);
    });
    auto *side = new QVBoxLayout;
    for (QPushButton *b : {add, m_remove, m_up, m_down})
        side->addWidget(b);
    side->addStretch();
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_table, 1);
    middle->addLayout(side);

    const DialogButtons buttons = createDialogButtons(this, QStringLiteral("Zapamiętuje reguły (przy zapisie okresu)"), QStringLiteral("Niczego nie zmienia"));
    connect(buttons.help, &QPushButton::clicked, this, &ImportRulesWindow::helpRequested);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tableLabel);
    layout->addLayout(middle, 1);
    layout->addWidget(m_alsoRegisters);
    layout->addLayout(buttons.row);
    resize(620, 420);
    if (m_table->rowCount() > 0)
        m_table->setCurrentCell(0, textColumn);
    updateButtons();
}

void ImportRulesWindow::addRule(const Database::ImportRule &rule)
{
    const int r = m_table->rowCount();
    m_table->insertRow(r);
    m_table->setItem(r, textColumn, new QTableWidgetItem(rule.text));
    auto *group = new QComboBox(m_table);
    for (int g = 1; g <= GroupCount; ++g)
        group->addItem(m_db.header.groupNames[g].trimmed());
    group->setCurrentIndex(std::clamp(rule.group, 1, GroupCount) - 1);
    m_table->setCellWidget(r, groupColumn, group);
}

void ImportRulesWindow::moveCurrent(int by)
{
    const int from = m_table->currentRow();
    const int to = from + by;
    if (from < 0 || to < 0 || to >= m_table->rowCount())
        return;
    const auto ruleAt = [this](int r) {
        return Database::ImportRule{m_table->item(r, textColumn)->text(),
                                    static_cast<QComboBox *>(m_table->cellWidget(r, groupColumn))->currentIndex() + 1};
    };
    const Database::ImportRule a = ruleAt(from), b = ruleAt(to);
    const auto put = [this](int r, const Database::ImportRule &rule) {
        m_table->item(r, textColumn)->setText(rule.text);
        static_cast<QComboBox *>(m_table->cellWidget(r, groupColumn))->setCurrentIndex(rule.group - 1);
    };
    put(from, b);
    put(to, a);
    m_table->setCurrentCell(to, m_table->currentColumn());
}

void ImportRulesWindow::updateButtons()
{
    const int r = m_table->currentRow();
    m_remove->setEnabled(r >= 0);
    m_up->setEnabled(r > 0);
    m_down->setEnabled(r >= 0 && r + 1 < m_table->rowCount());
}

QList<Database::ImportRule> ImportRulesWindow::rules() const
{
    QList<Database::ImportRule> rules;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const QString text = m_table->item(r, textColumn)->text().simplified();
        if (!text.isEmpty())
            rules.append({text, static_cast<QComboBox *>(m_table->cellWidget(r, groupColumn))->currentIndex() + 1});
    }
    return rules;
}

bool ImportRulesWindow::alsoIntoRegisters() const
{
    return m_alsoRegisters->isChecked();
}

} // namespace trelfin
