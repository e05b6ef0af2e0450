#include "ui/tools/shoppingwindows.h"

#include "core/store/database.h"
#include "core/tools/shopping.h"
#include "ui/common/desktop.h"
#include "ui/common/hints.h"
#include "ui/registers/registercommands.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trelfin {

Tlistazakupow::Tlistazakupow(Database &db, Desktop &desktop, RegisterCommands &registers, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_desktop(desktop)
    , m_registers(registers)
    , m_zakupy(new QTableWidget(ShoppingItemCount, 2, this))
    , m_popup(new QMenu(this))
{
    setObjectName(QStringLiteral("listazakupow"));
    setWindowTitle(QStringLiteral("Lista zakupów"));
    setModal(true);
    m_zakupy->setObjectName(QStringLiteral("zakupy"));
    m_zakupy->setHorizontalHeaderLabels({QStringLiteral("nr"), QStringLiteral("do kupienia")});
    m_zakupy->verticalHeader()->hide();
    m_zakupy->verticalHeader()->setDefaultSectionSize(std::max(15, m_zakupy->fontMetrics().height() + 4));
    m_zakupy->setColumnWidth(0, std::max(34, m_zakupy->fontMetrics().horizontalAdvance(QStringLiteral("100. ")) + 8));
    m_zakupy->setColumnWidth(1, 300);
    m_zakupy->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < ShoppingItemCount; ++r) {
        auto *number = new QTableWidgetItem(QStringLiteral("%1. ").arg(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        m_zakupy->setItem(r, 0, number);
        m_zakupy->setItem(r, 1, new QTableWidgetItem);
    }
    connect(m_zakupy, &QTableWidget::itemChanged, this, [this] {
        if (!m_filling)
            storeItems();
    });

    const auto popupItem = [this](const QString &caption, void (Tlistazakupow::*slot)(), const QKeySequence &key = {}) {
        QAction *a = m_popup->addAction(caption);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    popupItem(QStringLiteral("Dodaj jako rozchód"), &Tlistazakupow::addAsExpense);
    popupItem(QStringLiteral("Dodaj jako wydatek planowany"), &Tlistazakupow::addAsPlanned);
    popupItem(QStringLiteral("Wyczyść pozycję"), &Tlistazakupow::clearItem);
    popupItem(QStringLiteral("Porządkuj"), &Tlistazakupow::PorzadkujClick);
    m_popup->addSeparator();
    QAction *copy = popupItem(QStringLiteral("Kopiuj"), &Tlistazakupow::copyItems, QKeySequence(Qt::CTRL | Qt::Key_C));
    addAction(copy); // Ctrl+C works with the menu closed too
    m_zakupy->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_zakupy, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_popup->exec(m_zakupy->viewport()->mapToGlobal(pos)); });

    QPushButton *tidy = createButton(this, QStringLiteral("porzadkuj"), QStringLiteral("Porządkuj"), QStringLiteral("Segreguje listę zakupów"));
    QPushButton *print = createButton(this, QStringLiteral("drukuj"), QStringLiteral("Drukuj"),
                                      QStringLiteral("Otwiera panel wydruku wskazanych danych"));
    QPushButton *clear = createButton(this, QStringLiteral("wyczysc"), QStringLiteral("Wyczyść listę "),
                                      QStringLiteral("Czyści nieodwracalnie listę zakupów"));
    QPushButton *help = createButton(this, QStringLiteral("pomoc"), QStringLiteral("Pomoc"), QStringLiteral("Pomoc programu TrelFIN"));
    QPushButton *ok = createButton(this, QStringLiteral("ok"), QStringLiteral("&OK"));
    ok->setDefault(true);
    connect(tidy, &QPushButton::clicked, this, &Tlistazakupow::PorzadkujClick);
    connect(print, &QPushButton::clicked, this, &Tlistazakupow::printRequested);
    connect(clear, &QPushButton::clicked, this, &Tlistazakupow::WyczyscListeClick);
    connect(help, &QPushButton::clicked, this, &Tlistazakupow::helpRequested);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {tidy, print, clear, help})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_zakupy, 1);
    layout->addLayout(buttons);
    resize(520, 480);
}

void Tlistazakupow::fill()
{
    m_filling = true;
    const QStringList texts = ShoppingTexts(m_db);
    for (int r = 0; r < ShoppingItemCount; ++r)
        m_zakupy->item(r, 1)->setText(texts.at(r));
    m_filling = false;
}

void Tlistazakupow::storeItems()
{
    QStringList texts;
    for (int r = 0; r < ShoppingItemCount; ++r)
        texts.append(m_zakupy->item(r, 1)->text());
    SetShoppingTexts(m_db, texts);
}

void Tlistazakupow::showEvent(QShowEvent *event)
{
    if (!isRestoredShow(event)) {
        fill();
        emit shown();
    }
    QDialog::showEvent(event);
}

int Tlistazakupow::selectedItem() const
{
    const QList<QTableWidgetItem *> items = m_zakupy->selectedItems();
    if (!items.isEmpty())
        return items.first()->row() + 1;
    return m_zakupy->currentRow() >= 0 ? m_zakupy->currentRow() + 1 : 0;
}

void Tlistazakupow::PorzadkujClick()
{
    QStringList texts;
    for (int r = 0; r < ShoppingItemCount; ++r)
        texts.append(m_zakupy->item(r, 1)->text());
    SetShoppingTexts(m_db, TidiedShoppingTexts(texts));
    fill();
}

void Tlistazakupow::WyczyscListeClick()
{
    if (!m_desktop.AskQuestion(QStringLiteral("Czy usunąć całą zawartość listy zakupów?"), QString(), QStringLiteral("Trelfin")))
        return;
    SetShoppingTexts(m_db, {});
    fill();
}

void Tlistazakupow::clearItem()
{
    if (const int item = selectedItem()) {
        m_db.shoppingItems[item - 1].setText(QString());
        fill();
    }
}

void Tlistazakupow::addAsExpense()
{
    const int item = selectedItem();
    if (item == 0 || m_db.shoppingItems[item - 1].text().trimmed().isEmpty())
        return;
    const QVector<Entry> &expenses = m_db.reg(RegisterKind::expenses).entries;
    const qsizetype before = expenses.size();
    if (!m_registers.add(RegisterKind::expenses, m_db.shoppingItems[item - 1].text()))
        return;
    // Bought: the item leaves the list, but only for an expense with an amount. The entry window
    // closed by Escape or its frame still stores its 0,00 entry, and the item must not go with it.
    if (expenses.size() <= before || !(expenses.last().amount > 0))
        return;
    m_db.shoppingItems[item - 1].setText(QString());
    fill();
}

void Tlistazakupow::addAsPlanned()
{
    const int item = selectedItem();
    if (item == 0 || m_db.shoppingItems[item - 1].text().trimmed().isEmpty())
        return;
    m_registers.add(RegisterKind::planned, m_db.shoppingItems[item - 1].text());
}

void Tlistazakupow::copyItems()
{
    const QString text = ShoppingClipboardText(ShoppingTexts(m_db));
    if (!text.isEmpty())
        m_desktop.setClipboardText(text);
}

Tshowlistazakupow::Tshowlistazakupow(Database &db, Desktop &desktop, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_db(db)
    , m_desktop(desktop)
    , m_grid(new QTableWidget(ShoppingItemCount, 1, this))
{
    setObjectName(QStringLiteral("showlistazakupow"));
    setWindowTitle(QStringLiteral("Lista zakupów"));
    setStyleSheet(QStringLiteral("QDialog { background-color: rgb(192, 192, 192); }"));
    m_grid->setObjectName(QStringLiteral("lista"));
    m_grid->horizontalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true); // the one column fills the window
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    QFont large = m_grid->font();
    large.setPixelSize(16);
    m_grid->setFont(large);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *copy = new QAction(QStringLiteral("Kopiuj"), this);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &Tshowlistazakupow::copyItems);
    m_grid->addAction(copy);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_grid);
    resize(250, 440);
}

void Tshowlistazakupow::showEvent(QShowEvent *event)
{
    int row = 0;
    for (const ShoppingItem &item : m_db.shoppingItems) {
        if (!item.text().trimmed().isEmpty())
            m_grid->setItem(row++, 0, new QTableWidgetItem(item.text()));
    }
    for (; row < ShoppingItemCount; ++row)
        m_grid->setItem(row, 0, new QTableWidgetItem);
    QDialog::showEvent(event);
}

void Tshowlistazakupow::copyItems()
{
    QStringList texts;
    for (int r = 0; r < ShoppingItemCount; ++r)
        texts.append(m_grid->item(r, 0) ? m_grid->item(r, 0)->text() : QString());
    const QString text = ShoppingClipboardText(texts);
    if (!text.isEmpty())
        m_desktop.setClipboardText(text);
}

} // namespace trelfin
