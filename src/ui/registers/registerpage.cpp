#include "ui/registers/registerpage.h"

#include "ui/common/hints.h"
#include "ui/registers/registermodel.h"
#include "core/registers/rowtext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPalette>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace trelfin {

namespace {

// Per register: grid and count field names, the count field's hint, and the hints of the buttons
// edit, add, add many, delete, find, sort.
struct PageTexts
{
    const char *grid;
    const char *count;
    const char *countHint;
    const char *hints[6];
    const char *status;     // the status text while the page is shown
};

const PageTexts kTexts[RegisterCount] = {
    {"Rtab", "ilosc_r", "Ilość pozycji w tabeli wydatków",
     {"Edytuje wybraną pozycję z tabeli wydatków (ENTER)", "Dopisuje nową pozycję do wydatków (INS)",
      "Dopisuje kilka nowych pozycji do wydatków w określony sposób",
      "Usuwa wskazaną pozycję z tabeli wydaktów (DEL)", "Wyszukiwanie informacji o danym zakupie",
      "Sortowanie wydatków"},
     "Baza danych dotycząca wydatków. Wybierz odpowiedni przycisk aby dokonać żądanej operacji"},
    {"ptab", "ilosc_p", "Ilość pozycji w tabeli przychodów",
     {"Edytuje wybraną pozycję z tabeli przychody (ENTER)", "Dopisuje nową pozycję do tabeli przychodów (INS)",
      "Dopisuje kilka nowych pozycji do tabeli przychód w określony sposób",
      "Usuwa wskazaną pozycję z tabeli przychodów (DEL)", "Wyszukiwanie informacji o danym przychodzie",
      "Sortowanie przychodów"},
     "Baza danych dotycząca przychodów. Wybierz odpowiedni przycisk aby dokonać żądanej operacji"},
    {"dtab", "ilosc_d", "Ilość pozycji w tabeli długów / pożyczek",
     {"Edytuje wybraną pozycję z tabeli długów / pożyczek (ENTER)",
      "Dopisuje nową pozycję do tabeli długów / pożyczek (INS)",
      "Dopisuje kilka nowych pozycji do tabeli długów / pożyczek w określony sposób",
      "Usuwa wskazaną pozycję z tabeli długów / pożyczek (DEL)",
      "Wyszukiwanie informacji o danym długu / pożyczce", "Sortowanie długów / pożyczek"},
     "Baza danych dotycząca zaciągniętych długów i udzielonych pożyczek"},
    {"ltab", "ilosc_l", "Ilość pozycji w tabeli planowanych wydatków",
     {"Edytuje wybrany planowany wydatek (ENTER)", "Dopisuje nowy planowany wydatek (INS)",
      "Dopisuje kilka nowych planowanych wydatków w określony sposób", "Usuwa wskazany planowany wydatek (DEL)",
      "Wyszukiwanie informacji o danym planowanym wydatku", "Sortowanie planowanych wydatków"},
     "Baza danych dotycząca planowania wydatków na przyszłość"},
    {"ktab", "ilosc_k", "Ilość pozycji w tabeli konto bankowe",
     {"Edytuje wybraną pozycję w tabeli konto bankowe (ENTER)",
      "Dopisuje nową pozycję do tabeli konto bankowe (INS)",
      "Dopisuje kilka nowych pozycji do tabeli konto bankowe w określony sposób",
      "Usuwa wskazaną pozycję z tabeli konto bankowe (DEL)",
      "Wyszukiwanie informacji o danej pozycji z tabeli konto bankowe", "Sortowanie tabeli konto bankowe"},
     "Prowadzenie konta banowego. Wybierz odpowiedni przycisk aby dokonać żądanej operacji"},
};

} // namespace

RegisterPage::RegisterPage(Database &db, RegisterKind kind, QWidget *parent)
    : QWidget(parent)
    , m_db(db)
    , m_kind(kind)
{
    const PageTexts &t = kTexts[static_cast<int>(kind)];
    setObjectName(QStringLiteral("page_") + QString::fromLatin1(t.grid));

    m_model = new RegisterModel(db, kind, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QString::fromLatin1(t.grid));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const auto [top, bottom] = selectedRows();
        emit selectionSummaryChanged(selectionSummary(m_db, m_kind, top, bottom));
    });
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    // Rows of 15 pixels and columns of 60, 60, 80 and 265 pixels, or what the desktop's font needs.
    const QFontMetrics fm = m_grid->fontMetrics();
    m_grid->verticalHeader()->setDefaultSectionSize(std::max(15, fm.height() + 2));
    // Each column fits its widest text and its title whole: an amount of 9999999,99 and the bank
    // register's "Rodzaj operacji" included.
    const QFontMetrics headerFont = m_grid->horizontalHeader()->fontMetrics();
    const auto fit = [&](int column, int least, const QString &widest) {
        const QString title = m_model->headerData(column, Qt::Horizontal).toString();
        m_grid->setColumnWidth(column, std::max({least, fm.horizontalAdvance(widest) + 12,
                                                 headerFont.horizontalAdvance(title) + 16}));
    };
    fit(0, 60, QStringLiteral("00-00-0000"));
    fit(1, 60, QStringLiteral("9999999,99"));
    fit(2, 80, QStringLiteral("OBCIĄŻENIE"));
    m_grid->setColumnWidth(3, 265);
    // The grid's pale yellow background, set through the palette: a style sheet would make every
    // cell paint through the slower style-sheet style.
    QPalette background = m_grid->palette();
    background.setColor(QPalette::Base, background.color(QPalette::ToolTipBase));
    m_grid->setPalette(background);
    m_grid->installEventFilter(this);
    // A double click on a row edits it; the view reports none in the empty area below the rows.
    connect(m_grid, &QTableView::doubleClicked, this, [this] { emit commandRequested(RegisterCommand::edit); });
    m_grid->hide();

    m_count = new QLineEdit(QStringLiteral("0"), this);
    m_count->setObjectName(QString::fromLatin1(t.count));
    m_count->setReadOnly(true);
    m_count->setMaximumWidth(80);
    setHint(m_count, QString::fromUtf8(t.countHint));

    addButton(RegisterCommand::edit, QStringLiteral("edytuj"), QStringLiteral("   Edytuj         "),
              QString::fromUtf8(t.hints[0]));
    addButton(RegisterCommand::add, QStringLiteral("dopisz"), QStringLiteral("   Dopisz        "),
              QString::fromUtf8(t.hints[1]));
    addButton(RegisterCommand::addMany, QStringLiteral("dopiszekstra"), QStringLiteral("Dopisz ekstra"),
              QString::fromUtf8(t.hints[2]));
    addButton(RegisterCommand::remove, QStringLiteral("usun"), QStringLiteral("    Usuń         "),
              QString::fromUtf8(t.hints[3]));
    addButton(RegisterCommand::find, QStringLiteral("szukaj"), QStringLiteral("  Szukaj        "),
              QString::fromUtf8(t.hints[4]));
    addButton(RegisterCommand::sort, QStringLiteral("sortuj"), QStringLiteral("  Sortuj         "),
              QString::fromUtf8(t.hints[5]));
    if (kind == RegisterKind::expenses)
        addButton(RegisterCommand::recurring, QStringLiteral("okresowo"), QStringLiteral(" Okresowo   "),
                  QStringLiteral("Definiuje / dodaje cykliczne wydatki"));
    if (kind == RegisterKind::incomes)
        addButton(RegisterCommand::recurring, QStringLiteral("okresowo"), QStringLiteral(" Okresowo   "),
                  QStringLiteral("Definiuje / dodaje cykliczne przychody"));
    if (kind == RegisterKind::planned) {
        addButton(RegisterCommand::settle, QStringLiteral("jakorozchod"), QStringLiteral("Jako rozchód"),
                  QStringLiteral("Zaznacza planowany wydatek jako dokonany i dopisuje go do tabeli wydaktów"));
        addButton(RegisterCommand::toShoppingList, QStringLiteral("dolistyzakupow"), QStringLiteral("Do listy zakup."),
                  QStringLiteral("Dodaje do listy zakupów"));
    }
    addButton(RegisterCommand::print, QStringLiteral("drukuj"), QStringLiteral("   Drukuj         "),
              QStringLiteral("Otwiera panel wydruku wskazanych danych"));
    addButton(RegisterCommand::help, QStringLiteral("pomoc"), QStringLiteral("   Pomoc         "),
              QStringLiteral("Pomoc programu TrelFIN"));

    auto *buttons = new QVBoxLayout;
    for (const auto &[command, button] : m_buttons)
        buttons->addWidget(button);
    buttons->addStretch();
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("Ilość danych"), this));
    countRow->addWidget(m_count);
    countRow->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(m_grid, 1);
    left->addStretch(0);
    left->addLayout(countRow);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

void RegisterPage::addButton(RegisterCommand command, const QString &name, const QString &caption, const QString &hint)
{
    QPushButton *b = createButton(this, name, caption, hint);
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, [this, command] { emit commandRequested(command); });
    m_buttons.append({command, b});
}

QPushButton *RegisterPage::button(RegisterCommand command) const
{
    for (const auto &[c, b] : m_buttons) {
        if (c == command)
            return b;
    }
    return nullptr;
}

void RegisterPage::refresh()
{
    // Like the grid the user works in, a refresh keeps a row selected: the first one selected
    // before (or the last row, when the register became shorter), row 1 at first.
    const int top = selectedRows().first;
    m_model->refresh();
    const int count = m_db.reg(m_kind).count();
    m_grid->setVisible(count > 0);
    m_count->setText(QString::number(count));
    if (count > 0) {
        const QModelIndex row = m_model->index(std::clamp(top, 1, count) - 1, 0);
        m_grid->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void RegisterPage::clear()
{
    m_grid->clearSelection();
    m_grid->hide();
}

std::pair<int, int> RegisterPage::selectedRows() const
{
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        const QModelIndex current = m_grid->currentIndex();
        return current.isValid() ? std::pair{current.row() + 1, current.row() + 1} : std::pair{0, 0};
    }
    int top = rows.first().row();
    int bottom = top;
    for (const QModelIndex &i : rows) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
    }
    return {top + 1, bottom + 1};
}

QString RegisterPage::statusText() const
{
    return QString::fromUtf8(kTexts[static_cast<int>(m_kind)].status);
}

QString RegisterPage::selectionText() const
{
    const auto [top, bottom] = selectedRows();
    return top == 0 ? QString() : registerClipboardText(m_db, m_kind, top, bottom);
}

void RegisterPage::performEditItem(EditItem item)
{
    switch (item) {
    case EditItem::cut: emit commandRequested(RegisterCommand::cut); break;
    case EditItem::paste: emit commandRequested(RegisterCommand::paste); break;
    case EditItem::remove: emit commandRequested(RegisterCommand::remove); break;
    default: NotebookPage::performEditItem(item); break;
    }
}

void RegisterPage::selectAll()
{
    m_grid->selectAll();
}

void RegisterPage::showNewLastRow()
{
    const int count = m_model->rowCount();
    if (count == 0)
        return;
    m_grid->doItemsLayout(); // the scroll range must know the new row
    selectRow(count);
    // With more than 22 entries the top row shown is entry count - 21 (21 rows above the new one).
    scrollToRow(count, count > 22 ? count - 21 : 0);
}

void RegisterPage::scrollToRow(int row, int topRow)
{
    // The given row goes to the top when the list is long enough; the grid is as tall as the
    // window makes it, so the row is then also brought into view should it lie below the bottom.
    if (topRow >= 1)
        m_grid->scrollTo(m_model->index(topRow - 1, 0), QAbstractItemView::PositionAtTop);
    m_grid->scrollTo(m_model->index(row - 1, 0), QAbstractItemView::EnsureVisible);
}

void RegisterPage::selectRow(int row)
{
    const QModelIndex index = m_model->index(row - 1, 0);
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool RegisterPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit commandRequested(RegisterCommand::edit);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace trelfin
