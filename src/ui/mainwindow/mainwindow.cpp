#include "mainwindow.h"

#include "aboutbox.h"
#include "desktop.h"
#include "hints.h"
#include "registercommands.h"
#include "registerpage.h"
#include "reports/statementpage.h"
#include "reports/summarypage.h"
#include "store/database.h"
#include "store/databasefiles.h"
#include "store/databaseops.h"
#include "store/helpers.h"
#include "store/optionswindow.h"
#include "store/passwordwindows.h"
#include "store/sidefiles.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace trelfin {

namespace {

const QString kProgramTitle = QStringLiteral("Trelfin 4 LX");
const QString kNoDatabase = QStringLiteral("b.d.");

const QString kStartStatus = QStringLiteral(
    "Brak załadowanej bazy danych. Wczytaj lub stwórz nową bazę danych wybierając odpowiedną opcję");
const QString kNoDatabaseStatus = QStringLiteral(
    "Brak załadowanej bazy danych. Wczytaj bazę danych wybierając odpowiedni przycisk lub pozycję z menu");
const QString kMainMenuStatus = QStringLiteral("Dane dotyczące użytkownika i wybranego okresu kięgowania");

// Page captions, compared as texts by the page-change handler.
const std::array<QString, Tmain::PageCount> kPageCaptions = {
    QStringLiteral("Główne menu"), QStringLiteral("Bilans"), QStringLiteral("Statystyka"),
    QStringLiteral("Rozchód"), QStringLiteral("Przychód"), QStringLiteral("Długi / pożyczki"),
    QStringLiteral("Planowanie"), QStringLiteral("Konto bankowe"), QStringLiteral("Prognoza"),
    QStringLiteral("Wykresy"),
};

// Status texts of the register pages, in register order.
const std::array<QString, 5> kRegisterStatus = {
    QStringLiteral("Baza danych dotycząca wydatków. Wybierz odpowiedni przycisk aby dokonać żądanej operacji"),
    QStringLiteral("Baza danych dotycząca przychodów. Wybierz odpowiedni przycisk aby dokonać żądanej operacji"),
    QStringLiteral("Baza danych dotycząca zaciągniętych długów i udzielonych pożyczek"),
    QStringLiteral("Baza danych dotycząca planowania wydatków na przyszłość"),
    QStringLiteral("Prowadzenie konta banowego. Wybierz odpowiedni przycisk aby dokonać żądanej operacji"),
};

QLineEdit *readOnlyField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    return field;
}

QLineEdit *namedEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

Tmain::Tmain(Database &database, Desktop &desktop, QWidget *parent)
    : QMainWindow(parent)
    , m_db(database)
    , m_desktop(desktop)
{
    setObjectName(QStringLiteral("main"));
    createActions();
    createMenus();
    createStatusBar();
    createPages();
    m_commands = new RegisterCommands(m_db, m_desktop, *this, *m_actUndo);
    connectEditCommands();
    initialiseState();
    resize(1000, 700);
}

Tmain::~Tmain() = default;

void Tmain::createActions()
{
    const auto action = [this](const QString &name, const QString &caption, const QKeySequence &key = {}) {
        auto *a = new QAction(caption, this);
        a->setObjectName(name);
        a->setShortcut(key);
        // Every item is also an action of the window itself, so that its shortcut works while
        // its menu is hidden.
        addAction(a);
        return a;
    };

    m_actNew = action(QStringLiteral("actionNew"), QStringLiteral("&Nowy"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m_actOpen = action(QStringLiteral("actionOpen"), QStringLiteral("&Otwórz..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m_actSave = action(QStringLiteral("actionSave"), QStringLiteral("&Zapisz"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_actSaveAs = action(QStringLiteral("actionSaveAs"), QStringLiteral("Z&apisz jako..."));
    m_actClose = action(QStringLiteral("actionClose"), QStringLiteral("Z&amknij"));
    m_actImport2000 = action(QStringLiteral("actionImport2000"), QStringLiteral("Importuj dane z TrelFIN 2000"));
    m_actLock = action(QStringLiteral("actionLock"), QStringLiteral("Blokuj"));
    m_actOptions = action(QStringLiteral("actionOptions"), QStringLiteral("Op&cje"));
    m_actPrint = action(QStringLiteral("actionPrint"), QStringLiteral("&Drukuj"));
    m_actQuit = action(QStringLiteral("actionQuit"), QStringLiteral("Za&kończ"), QKeySequence(Qt::ALT | Qt::Key_F4));

    m_actUndo = action(QStringLiteral("actionUndo"), QStringLiteral("&Cofnij"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_actCut = action(QStringLiteral("actionCut"), QStringLiteral("&Wytnij"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m_actCopy = action(QStringLiteral("actionCopy"), QStringLiteral("&Kopiuj"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m_actDelete = action(QStringLiteral("actionDelete"), QStringLiteral("&Usuń"), QKeySequence(Qt::Key_Delete));
    m_actSelectAll = action(QStringLiteral("actionSelectAll"), QStringLiteral("Zaznacz wszystko"),
                            QKeySequence(Qt::CTRL | Qt::Key_A));
    // The hidden item of the Edit menu: Ins adds to the register shown.
    m_actInsert = action(QStringLiteral("actionInsert"), QString(), QKeySequence(Qt::Key_Insert));

    for (int page = 0; page < PageCount; ++page) {
        const auto key = static_cast<Qt::Key>(Qt::Key_F1 + page);
        m_actViewPage[page] = action(QStringLiteral("actionViewPage%1").arg(page), kPageCaptions[page],
                                     QKeySequence(Qt::CTRL | key));
        connect(m_actViewPage[page], &QAction::triggered, this, [this, page] { showPageFromMenu(page); });
    }

    const QList<std::pair<QString, QKeySequence>> tools = {
        {QStringLiteral("Pokaż listę zakupów"), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F1)},
        {QStringLiteral("Lista zakupów"), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F2)},
        {QStringLiteral("Notatki"), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F3)},
        {QStringLiteral("Edycja zbioru grup"), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F4)},
        {QStringLiteral("Eksport zbioru grup"), QKeySequence()},
        {QStringLiteral("Import zbioru grup"), QKeySequence()},
        {QStringLiteral("Eksportuj dane jako ASCII (Tekst)"), QKeySequence()},
        {QStringLiteral("Eksportuj dane jako CSV (MS Excel)"), QKeySequence()},
    };
    const QStringList toolNames = {
        QStringLiteral("actionShowShoppingList"), QStringLiteral("actionShoppingList"),
        QStringLiteral("actionNotes"), QStringLiteral("actionEditGroups"),
        QStringLiteral("actionExportGroups"), QStringLiteral("actionImportGroups"),
        QStringLiteral("actionExportText"), QStringLiteral("actionExportCsv"),
    };
    for (qsizetype i = 0; i < tools.size(); ++i)
        m_toolActions.append(action(toolNames.at(i), tools.at(i).first, tools.at(i).second));

    m_actHelp = action(QStringLiteral("actionHelp"), QStringLiteral("&Pomoc"), QKeySequence(Qt::Key_F1));
    m_actAbout = action(QStringLiteral("actionAbout"), QStringLiteral("O prog&ramie"));

    connect(m_actNew, &QAction::triggered, this, &Tmain::nowa1Click);
    connect(m_actOpen, &QAction::triggered, this, [this] { otworz2Click(); });
    connect(m_actSave, &QAction::triggered, this, &Tmain::zapisz6Click);
    connect(m_actSaveAs, &QAction::triggered, this, &Tmain::Zapiszjako1Click);
    connect(m_actClose, &QAction::triggered, this, &Tmain::zamknij3Click);
    connect(m_actLock, &QAction::triggered, this, &Tmain::blokuj8Click);
    connect(m_actOptions, &QAction::triggered, this, &Tmain::opcje4Click);
    connect(m_actSelectAll, &QAction::triggered, this, &Tmain::selectAllOnPage);
    connect(m_actQuit, &QAction::triggered, this, &QWidget::close);
    connect(m_actHelp, &QAction::triggered, this, &Tmain::showHelp);
    connect(m_actAbout, &QAction::triggered, this, &Tmain::showAbout);
}

void Tmain::createMenus()
{
    QMenuBar *bar = menuBar();
    m_fileMenu = bar->addMenu(QStringLiteral("&Plik"));
    m_fileMenu->setObjectName(QStringLiteral("menuPlik"));
    m_fileMenu->addActions({m_actNew, m_actOpen, m_actSave, m_actSaveAs, m_actClose, m_actImport2000,
                            m_actLock, m_actOptions, m_actPrint, m_actQuit});

    m_editMenu = bar->addMenu(QStringLiteral("&Edycja"));
    m_editMenu->setObjectName(QStringLiteral("menuEdycja"));
    m_editMenu->addActions({m_actUndo, m_actCut, m_actCopy, m_actDelete, m_actSelectAll});

    m_viewMenu = bar->addMenu(QStringLiteral("&Widok"));
    m_viewMenu->setObjectName(QStringLiteral("menuWidok"));
    for (QAction *a : m_actViewPage)
        m_viewMenu->addAction(a);

    m_toolsMenu = bar->addMenu(QStringLiteral("&Narzędzia"));
    m_toolsMenu->setObjectName(QStringLiteral("menuNarzedzia"));
    m_toolsMenu->addActions(m_toolActions);

    m_helpMenu = bar->addMenu(QStringLiteral("Pomo&c"));
    m_helpMenu->setObjectName(QStringLiteral("menuPomoc"));
    m_helpMenu->addActions({m_actHelp, m_actAbout});

    // The popup menu shared by the register grids and the report grids.
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("popupMenu"));
    m_popupCut = m_popup->addAction(QStringLiteral("Wy&tnij"));
    m_popupCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    m_popupCopy = m_popup->addAction(QStringLiteral("&Kopiuj"));
    m_popupCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_popupDelete = m_popup->addAction(QStringLiteral("&Usuń"));
    m_popupDelete->setShortcut(QKeySequence(Qt::Key_Delete));
    m_popup->addSeparator();
    m_popupSelectAll = m_popup->addAction(QStringLiteral("Zaznacz &Wszystko"));
    // The popup items run the same commands as the Edit items.
    connect(m_popupCut, &QAction::triggered, m_actCut, &QAction::triggered);
    connect(m_popupCopy, &QAction::triggered, m_actCopy, &QAction::triggered);
    connect(m_popupDelete, &QAction::triggered, m_actDelete, &QAction::triggered);
    connect(m_popupSelectAll, &QAction::triggered, m_actSelectAll, &QAction::triggered);
}

void Tmain::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("Stan"));
    bar->setSizeGripEnabled(true);
    m_statusDate = new QLabel(bar);
    m_statusDate->setObjectName(QStringLiteral("StanPanel0"));
    // 65 pixels, or the width today's date needs in the desktop's font.
    m_statusDate->setFixedWidth(std::max(65, m_statusDate->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000 ")) + 6));
    m_statusText = new QLabel(bar);
    m_statusText->setObjectName(QStringLiteral("StanPanel1"));
    m_statusText->setMinimumWidth(1);
    bar->addWidget(m_statusDate);
    bar->addWidget(m_statusText, 1);
}

void Tmain::createPages()
{
    m_karta = new QTabWidget(this);
    m_karta->setObjectName(QStringLiteral("karta"));
    m_karta->addTab(createMainMenuPage(), kPageCaptions[MainMenuTab]);
    m_balancePage = new GroupSummaryPage(GroupSummaryPage::Kind::balance, m_db, m_desktop);
    m_statementPage = new StatementPage(m_db);
    m_forecastPage = new GroupSummaryPage(GroupSummaryPage::Kind::forecast, m_db, m_desktop);
    for (GroupSummaryPage *page : {m_balancePage, m_forecastPage}) {
        connect(page, &GroupSummaryPage::helpRequested, this, &Tmain::showHelp);
        attachPopupMenu(page->grid());
    }
    connect(m_statementPage, &StatementPage::helpRequested, this, &Tmain::showHelp);
    connect(m_statementPage, &StatementPage::refreshRequested, this, &Tmain::kartaClick);
    attachPopupMenu(m_statementPage->grid());
    m_karta->addTab(m_balancePage, kPageCaptions[BalanceTab]);
    m_karta->addTab(m_statementPage, kPageCaptions[StatementTab]);
    for (int i = 0; i < RegisterCount; ++i) {
        auto *page = new RegisterPage(m_db, static_cast<RegisterKind>(i));
        m_registerPages[i] = page;
        attachPopupMenu(page->grid());
        const auto kind = static_cast<RegisterKind>(i);
        connect(page, &RegisterPage::commandRequested, this, [this, kind](RegisterCommand command) {
            switch (command) {
            case RegisterCommand::edit: m_commands->edit(kind); break;
            case RegisterCommand::add: m_commands->add(kind); break;
            case RegisterCommand::addMany: m_commands->addMany(kind); break;
            case RegisterCommand::remove: m_commands->remove(kind); break;
            case RegisterCommand::find: m_commands->find(kind); break;
            case RegisterCommand::sort: m_commands->sort(kind); break;
            case RegisterCommand::settle: m_commands->settle(); break;
            case RegisterCommand::help: showHelp(); break;
            case RegisterCommand::recurring:
            case RegisterCommand::toShoppingList:
            case RegisterCommand::print:
                break; // these arrive with recurring items, the shopping list and printing
            }
        });
        m_karta->addTab(page, kPageCaptions[FirstRegisterPage + i]);
    }
    m_karta->addTab(m_forecastPage, kPageCaptions[ForecastTab]);
    m_karta->addTab(createChartsPage(), kPageCaptions[ChartsTab]);
    setCentralWidget(m_karta);
    connect(m_karta, &QTabWidget::currentChanged, this, &Tmain::onPageChanged);
    // A click on the page already shown runs the page change too (it recomputes a report page).
    connect(m_karta->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == m_karta->currentIndex())
            onPageChanged();
    });
}

QWidget *Tmain::createMainMenuPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pageGlowneMenu"));

    auto *info = new QGroupBox(page);
    auto *form = new QFormLayout(info);
    m_uzytkownik = readOnlyField(info, QStringLiteral("uzytkownik"));
    m_innedane = new QPlainTextEdit(info);
    m_innedane->setObjectName(QStringLiteral("innedane"));
    m_innedane->setReadOnly(true);
    m_innedane->setMaximumHeight(90);
    m_datautworzenia = readOnlyField(info, QStringLiteral("datautworzenia"));
    m_ostatnizapis = readOnlyField(info, QStringLiteral("ostatnizapis"));
    m_iloscokresow = readOnlyField(info, QStringLiteral("iloscokresow"));
    m_biezacyokres = new QComboBox(info);
    m_biezacyokres->setObjectName(QStringLiteral("biezacyokres"));
    setHint(m_biezacyokres, QStringLiteral("Wybiera okres księgowy do edycji"));
    m_pierwszywpis = readOnlyField(info, QStringLiteral("pierwszywpis"));
    m_ostatniwpis = readOnlyField(info, QStringLiteral("ostatniwpis"));
    form->addRow(QStringLiteral("Użytkownik:"), m_uzytkownik);
    form->addRow(QStringLiteral("Inne dane:"), m_innedane);
    form->addRow(QStringLiteral("Data utworzenia:"), m_datautworzenia);
    form->addRow(QStringLiteral("Data ostatniego zapisu:"), m_ostatnizapis);
    form->addRow(QStringLiteral("Ilość okresów:"), m_iloscokresow);
    form->addRow(QStringLiteral("Bieżący okres:"), m_biezacyokres);
    form->addRow(QStringLiteral("Pierwszy wpis:"), m_pierwszywpis);
    form->addRow(QStringLiteral("Ostatni wpis:"), m_ostatniwpis);

    auto *buttons = new QVBoxLayout;
    const auto add = [&](const QString &name, const QString &caption, const QString &hint) {
        QPushButton *b = createButton(page, name, caption, hint);
        buttons->addWidget(b);
        return b;
    };
    QPushButton *newDb = add(QStringLiteral("nowabaza"), QStringLiteral(" Nowa baza   "), QStringLiteral("Tworzy nową bazę"));
    QPushButton *openDb = add(QStringLiteral("otworzbaze"), QStringLiteral("Otwórz bazę "), QStringLiteral("Otwiera isniejącą bazę"));
    QPushButton *saveDb = add(QStringLiteral("zapiszbaze"), QStringLiteral("Zapisz bazę  "), QStringLiteral("Zapisuje edytowaną bazę"));
    QPushButton *closeDb = add(QStringLiteral("zamknijbaze"), QStringLiteral(" Zamknij bazę"), QStringLiteral("Zamyka edytowaną bazę"));
    QPushButton *lock = add(QStringLiteral("blokuj"), QStringLiteral("   Blokuj         "),
        QStringLiteral("Blokuje hasłem dostęp do programu pod Twoją nieobecność"));
    QPushButton *options = add(QStringLiteral("opcje"), QStringLiteral("   Opcje          "),
        QStringLiteral("Ustawienie opcji otwartej bazy. Dodawanie / usuwanie okresów księgowych"));
    QPushButton *help = add(QStringLiteral("pomoc"), QStringLiteral("   Pomoc         "),
                            QStringLiteral("Pomoc programu TrelFIN"));
    QPushButton *quit = add(QStringLiteral("wyjscie"), QStringLiteral("  Wyjście       "),
                            QStringLiteral("Kończy pracę programu"));
    buttons->addStretch();
    connect(newDb, &QPushButton::clicked, this, &Tmain::nowa1Click);
    connect(openDb, &QPushButton::clicked, this, [this] { otworz2Click(); });
    connect(saveDb, &QPushButton::clicked, this, &Tmain::zapisz6Click);
    connect(closeDb, &QPushButton::clicked, this, &Tmain::zamknij3Click);
    connect(lock, &QPushButton::clicked, this, &Tmain::blokuj8Click);
    connect(options, &QPushButton::clicked, this, &Tmain::opcje4Click);
    connect(help, &QPushButton::clicked, this, &Tmain::showHelp);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_biezacyokres, &QComboBox::activated, this, &Tmain::biezacyokresChange);

    auto *infoColumn = new QVBoxLayout;
    infoColumn->addWidget(info);
    infoColumn->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(infoColumn, 1);
    layout->addLayout(buttons);
    return page;
}

void Tmain::attachPopupMenu(QWidget *grid)
{
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](const QPoint &pos) {
        preparePopupMenu();
        const auto *view = qobject_cast<QAbstractScrollArea *>(grid);
        m_popup->exec((view ? view->viewport() : grid)->mapToGlobal(pos));
    });
}

QWidget *Tmain::createChartsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pageWykresy"));
    auto *layout = new QGridLayout(page);
    m_mc = namedEdit(page, QStringLiteral("mc"));
    m_rk = namedEdit(page, QStringLiteral("rk"));
    m_wod = namedEdit(page, QStringLiteral("wod"));
    m_wdo = namedEdit(page, QStringLiteral("wdo"));
    m_pwod = namedEdit(page, QStringLiteral("pwod"));
    m_pwdo = namedEdit(page, QStringLiteral("pwdo"));
    const QList<QLineEdit *> dates = {m_mc, m_rk, m_wod, m_wdo, m_pwod, m_pwdo};
    for (int i = 0; i < dates.size(); ++i)
        layout->addWidget(dates.at(i), i, 0);
    const QStringList colours = {
        QStringLiteral("(Domyślny)"), QStringLiteral("Czerwony"), QStringLiteral("Niebieski"),
        QStringLiteral("Zielony"), QStringLiteral("Szary"), QStringLiteral("Czarny"),
        QStringLiteral("Żółty"), QStringLiteral("Purpurowy"),
    };
    for (int i = 0; i < 5; ++i) {
        auto *list = new QComboBox(page);
        list->setObjectName(QStringLiteral("kolor%1").arg(i + 1));
        list->addItems(colours);
        setHint(list, QStringLiteral("Ustala kolor danych na wykresie"));
        list->setVisible(i < 3);
        layout->addWidget(list, i, 1);
        m_colourLists[i] = list;
    }
    layout->setRowStretch(static_cast<int>(dates.size()), 1);
    layout->setColumnStretch(2, 1);
    return page;
}

void Tmain::initialiseState()
{
    const QDate today = m_desktop.today();
    m_chartDatesPending = true;
    m_statementPage->setDay(FormatDashDate(today) + u' ');
    setWindowTitle(kProgramTitle);
    m_db.databaseLoaded = false;
    m_statusText->setText(kStartStatus);
    m_statusDate->setText(FormatDotDate(today) + u' ');
    for (QComboBox *list : m_colourLists)
        list->setCurrentIndex(0);
    DisableDatabaseCommands();
    ClearDatabaseInfo();
    m_actInsert->setEnabled(true);
    selectPage(MainMenuTab);
}

void Tmain::connectEditCommands()
{
    connect(m_actUndo, &QAction::triggered, this, [this] { m_commands->undo(); });
    connect(m_actCut, &QAction::triggered, this, [this] { m_commands->cut(currentPage()); });
    connect(m_actCopy, &QAction::triggered, this, [this] { m_commands->copy(currentPage()); });
    connect(m_actDelete, &QAction::triggered, this, [this] {
        if (const auto kind = registerForPage(currentPage()))
            m_commands->remove(*kind);
    });
    connect(m_actInsert, &QAction::triggered, this, [this] {
        if (const auto kind = registerForPage(currentPage()); kind && m_db.databaseLoaded)
            m_commands->add(*kind);
    });
}

bool Tmain::findRestart() const
{
    return m_commands->findState().restart;
}

void Tmain::setFindRestart(bool restart)
{
    m_commands->findState().restart = restart;
}

void Tmain::showPage(int index)
{
    setFindRestart(true);
    selectPage(index);
    kartaClick();
}

void Tmain::EnableDatabaseCommands()
{
    m_commands->clearUndo();
    for (QMenu *menu : {m_editMenu, m_viewMenu, m_toolsMenu})
        menu->menuAction()->setVisible(true);
    for (QAction *a : {m_actSave, m_actSaveAs, m_actClose, m_actOptions, m_actPrint})
        a->setEnabled(true);
    for (int page = 1; page < PageCount; ++page)
        m_actViewPage[page]->setEnabled(true);
    for (QAction *a : m_toolActions)
        a->setEnabled(true);
}

void Tmain::DisableDatabaseCommands()
{
    for (QMenu *menu : {m_editMenu, m_viewMenu, m_toolsMenu})
        menu->menuAction()->setVisible(false);
    for (QAction *a : {m_actSave, m_actSaveAs, m_actClose, m_actOptions, m_actPrint, m_actUndo, m_actCut,
                       m_actCopy, m_actDelete, m_actSelectAll})
        a->setEnabled(false);
    for (int page = 1; page < PageCount; ++page)
        m_actViewPage[page]->setEnabled(false);
    for (QAction *a : m_toolActions)
        a->setEnabled(false);
}

void Tmain::ShowDatabaseInfo()
{
    const DatabaseHeader &h = m_db.header;
    m_uzytkownik->setText(h.ownerName);
    m_innedane->setPlainText(h.otherData);
    m_datautworzenia->setText(h.createdDate);
    m_ostatnizapis->setText(h.lastSaveDate);
    m_iloscokresow->setText(QString::number(h.periodCount));
    {
        // Filling the list is not a choice of the user: it must not switch periods.
        const QSignalBlocker block(m_biezacyokres);
        m_biezacyokres->clear();
        for (int p = 1; p <= h.periodCount && p <= MaxPeriods; ++p)
            m_biezacyokres->addItem(h.periods[p].periodName);
        m_biezacyokres->setCurrentIndex(m_db.currentPeriod - 1);
    }
    m_commands->setConfirmDeletes(h.confirmDeletes != 0);
    const PeriodInfo &period = m_db.currentPeriodInfo();
    m_pierwszywpis->setText(period.firstWriteDate());
    m_ostatniwpis->setText(period.lastWriteDate());
    // The bank account's count is written by the grid refresh.
    for (RegisterKind kind : {RegisterKind::expenses, RegisterKind::incomes, RegisterKind::planned,
                              RegisterKind::debts})
        registerPage(kind)->countField()->setText(QString::number(m_db.reg(kind).count()));
}

void Tmain::ClearDatabaseInfo()
{
    for (QLineEdit *field : {m_uzytkownik, m_datautworzenia, m_ostatnizapis, m_iloscokresow, m_pierwszywpis})
        field->setText(kNoDatabase);
    m_innedane->setPlainText(kNoDatabase);
    m_ostatniwpis->setText(QStringLiteral("b.d"));
    {
        const QSignalBlocker block(m_biezacyokres);
        m_biezacyokres->clear();
    }
    for (RegisterPage *page : m_registerPages)
        page->clear();
}

void Tmain::selectPage(int index)
{
    const QSignalBlocker block(m_karta);
    m_karta->setCurrentIndex(index);
}

int Tmain::currentPage() const
{
    return m_karta->currentIndex();
}

QString Tmain::statusText(int panel) const
{
    return panel == 0 ? m_statusDate->text() : m_statusText->text();
}

void Tmain::setStatusText(const QString &text)
{
    m_statusText->setText(text);
}

void Tmain::setEditItems(bool cut, bool copy, bool remove, bool selectAll)
{
    m_actCut->setEnabled(cut);
    m_actCopy->setEnabled(copy);
    m_actDelete->setEnabled(remove);
    m_actSelectAll->setEnabled(selectAll);
}

void Tmain::refuseWithoutDatabase()
{
    selectPage(MainMenuTab);
    m_desktop.ShowInformation(QStringLiteral("Brak bazy danych"), QString(), QStringLiteral("Trelfin"));
}

void Tmain::onPageChanged()
{
    if (m_inPageChange)
        return;
    setFindRestart(true);
    kartaClick();
}

void Tmain::kartaClick()
{
    m_inPageChange = true;
    if (m_karta->currentIndex() >= 1 && !m_db.databaseLoaded)
        refuseWithoutDatabase();
    m_inPageChange = false;

    const bool open = m_db.databaseLoaded;
    const QString caption = m_karta->tabText(m_karta->currentIndex());
    const QDate today = m_desktop.today();

    if (open && caption == kPageCaptions[StatementTab]) {
        setEditItems(false, true, false, true);
        setStatusText(QStringLiteral("Stan konta na podany dzień"));
        m_statementPage->setHeading(m_db.header.ownerName, m_db.currentPeriodInfo().periodName);
        m_statementPage->recompute();
    }
    if (open && caption == kPageCaptions[BalanceTab]) {
        setEditItems(false, true, false, true);
        setStatusText(QStringLiteral("Aby zapoznać się z bilansem na konkretny okres naciśnij przycisk "
                                     "opisujący odpowiedni przedział czasowy"));
        m_balancePage->enterPage();
    }
    if (open && caption == kPageCaptions[ForecastTab]) {
        setEditItems(false, true, false, true);
        setStatusText(QStringLiteral("Aby zapoznać się z prognozą wydatków na konkretny okres naciśnij "
                                     "przycisk opisujący odpowiedni przedział czasowy"));
        m_forecastPage->enterPage();
    }
    if (const auto kind = registerForPage(m_karta->currentIndex())) {
        setEditItems(true, true, true, true);
        if (open)
            setStatusText(kRegisterStatus[static_cast<int>(*kind)]);
    }
    if (open && caption == kPageCaptions[ChartsTab]) {
        setEditItems(false, false, false, false);
        setStatusText(QStringLiteral("Wykresy statystyczne opisujące wybrane dane. Wybierz odpowiedni "
                                     "przycisk aby obejrzeć dany wykres"));
        if (m_chartDatesPending) {
            m_chartDatesPending = false;
            const QString day = FormatDashDate(today);
            m_mc->setText(day.mid(3));
            m_rk->setText(day.mid(6));
            for (QLineEdit *field : {m_wod, m_wdo, m_pwod, m_pwdo})
                field->setText(day);
        }
    }
    if (open && caption == kPageCaptions[MainMenuTab]) {
        setEditItems(false, false, false, false);
        setStatusText(kMainMenuStatus);
    }
    if (!open)
        setStatusText(kNoDatabaseStatus);
}

void Tmain::showPageFromMenu(int index)
{
    if (index == MainMenuTab) {
        selectPage(MainMenuTab);
        if (m_db.databaseLoaded)
            setStatusText(kMainMenuStatus);
        return;
    }
    showPage(index);
}

void Tmain::preparePopupMenu()
{
    if (!m_db.databaseLoaded)
        refuseWithoutDatabase();
    const int page = m_karta->currentIndex();
    bool cut = false, copy = false, remove = false, selectAll = false;
    if (page == BalanceTab || page == StatementTab || page == ForecastTab) {
        copy = selectAll = true;
    } else if (registerForPage(page)) {
        cut = copy = remove = selectAll = true;
    }
    m_popupCut->setEnabled(cut);
    m_popupCopy->setEnabled(copy);
    m_popupDelete->setEnabled(remove);
    m_popupSelectAll->setEnabled(selectAll);
}

bool Tmain::ClosePeriod(int fileNumber)
{
    return trelfin::ClosePeriod(m_db, fileNumber, m_desktop, m_desktop);
}

void Tmain::closeEvent(QCloseEvent *event)
{
    if (!m_desktop.AskQuestion(QStringLiteral("Czy chcesz zakończyć pracę?"), QString(),
                               QStringLiteral("Zakończenie pracy"))) {
        event->ignore();
        return;
    }
    // A period that could not be saved keeps the program running, so nothing is lost.
    if (m_db.databaseLoaded && !ClosePeriod(m_db.currentPeriod - 1)) {
        event->ignore();
        return;
    }
    event->accept();
}

void Tmain::RefreshRegisterGrids()
{
    for (RegisterPage *page : m_registerPages)
        page->refresh();
}

void Tmain::checkDueEntries()
{
    // Due planned entries are offered here once reminders exist.
}

void Tmain::checkDueNotes()
{
    // Due notes are shown here once notes exist.
}

void Tmain::fillRecurringWindows()
{
    // The recurring-items windows take their rows from the period here once they exist.
}

void Tmain::noticePreviousVersion()
{
    // A database of the previous version has no shopping-list file; it is marked here for its
    // conversion at the next save once older databases are read.
}

bool Tmain::convertImportedPeriods()
{
    // The periods of a converted database of the oldest version are read here once that import
    // exists; until then nothing is opened.
    return false;
}

void Tmain::clearUndo()
{
    m_commands->clearUndo();
}

void Tmain::leaveDatabase()
{
    m_db.databaseLoaded = false;
    setStatusText(kStartStatus);
    ClearDatabaseInfo();
    DisableDatabaseCommands();
    selectPage(MainMenuTab);
}

Topcjebazy *Tmain::optionsWindow()
{
    if (!m_options) {
        m_options = new Topcjebazy(m_db, m_desktop, this);
        connect(m_options, &Topcjebazy::helpRequested, this, &Tmain::showHelp);
        connect(m_options, &Topcjebazy::periodsChanged, this, [this] {
            clearUndo();
            RefreshRegisterGrids();
            ShowDatabaseInfo();
        });
    }
    return m_options;
}

namespace {

FileDialogRequest saveDatabaseDialog()
{
    FileDialogRequest r;
    r.title = QStringLiteral("Zapisz bazę:");
    r.filter = QStringLiteral("Pliki programu Trelfin  (*.tf4)|*.tf4|Wszystkie pliki  (*.*)|*.*");
    r.defaultExtension = QStringLiteral(".tf4");
    r.defaultFileName = QStringLiteral("beznazwy");
    r.confirmOverwrite = true;
    return r;
}

FileDialogRequest openDatabaseDialog(bool import2000)
{
    FileDialogRequest r;
    r.mustExist = true;
    if (import2000) {
        r.title = QStringLiteral("Importuj bazę:");
        r.filter = QStringLiteral("Pliki programu Trelfin 2000  (*.tfc)|*.tfc");
        r.defaultExtension = QStringLiteral(".tfc");
    } else {
        r.title = QStringLiteral("Otwórz bazę:");
        r.filter = QStringLiteral(
            "Pliki programu Trelfin 4LX (*.tf4)|*.tf4|Pliki programu Trelfin 3000 (*.tf3)|*.tf3");
        r.defaultExtension = QStringLiteral(".tf4");
    }
    return r;
}

} // namespace

void Tmain::nowa1Click()
{
    if (m_db.databaseLoaded) {
        m_desktop.ShowInformation(QStringLiteral("Baza już istnieje"), QStringLiteral("Zamknij istniejącą bazę"),
                                  QStringLiteral("Trelfin"));
        return;
    }
    setStatusText(QStringLiteral("Podaj nazwę nowo tworzonej bazy"));
    const QString path = m_desktop.chooseSaveFile(saveDatabaseDialog());
    if (path.isEmpty()) {
        kartaClick();
        m_desktop.ShowInformation(QStringLiteral("Operację anulowano"), QString(), QStringLiteral("Trelfin"));
        return;
    }
    ClearDatabaseInfo();
    InitialiseNewDatabase(m_db, path, m_desktop);
    m_db.pendingAction = PendingAction::saveWithoutQuestion;
    m_db.modified = true;
    if (!ClosePeriod(0)) {
        m_db.pendingAction = PendingAction::none;
        m_db.modified = false;
        kartaClick();
        return;
    }
    m_db.pendingAction = PendingAction::creatingDatabase;
    setStatusText(QString());
    m_desktop.execDialog(*optionsWindow());
    m_db.pendingAction = PendingAction::none;
    if (m_db.databaseLoaded) {
        clearUndo();
        RefreshRegisterGrids();
        ShowDatabaseInfo();
        kartaClick();
        EnableDatabaseCommands();
        return;
    }
    kartaClick();
    m_desktop.ShowInformation(QStringLiteral("Operację anulowano"), QString(), QStringLiteral("Trelfin"));
    // Only the files this command wrote go: a file of another version with the same name stays.
    for (int k = 0; k < m_db.header.periodCount; ++k) // periods added in the options window too
        QFile::remove(PeriodFilePath(m_db, k));
    for (const QString &file : {DatabaseFilePath(m_db, QStringLiteral(".tf4")), ShoppingListPath(m_db), NotesPath(m_db)})
        QFile::remove(file);
    ClearDatabaseInfo();
}

void Tmain::otworz2Click(const QString &givenPath)
{
    if (m_db.databaseLoaded && m_db.modified && !ClosePeriod(m_db.currentPeriod - 1))
        return;
    const bool importing = m_db.pendingAction == PendingAction::importing;
    const QString path = givenPath.isEmpty() ? m_desktop.chooseOpenFile(openDatabaseDialog(importing)) : givenPath;
    if (path.isEmpty()) {
        if (importing)
            m_db.pendingAction = PendingAction::none;
        return;
    }
    SplitDatabasePath(m_db, path);
    leaveDatabase();
    if (!ReadShoppingList(m_db) && m_db.databaseExt.compare(QStringLiteral(".tfc"), Qt::CaseInsensitive) != 0)
        noticePreviousVersion();
    ReadNotes(m_db);
    if (!ReadDatabaseRecord(m_db, m_desktop)) {
        m_db.pendingAction = PendingAction::none;
        return;
    }
    const bool loaded = importing ? convertImportedPeriods() : LoadPeriod(m_db, 0, m_desktop);
    m_db.pendingAction = PendingAction::none;
    if (!loaded)
        return;
    EnableDatabaseCommands();
    if (!m_db.header.password.isEmpty()) {
        m_db.enteredPassword.clear();
        if (!m_passwordPrompt)
            m_passwordPrompt = new Tpodajhaslo(m_db, this);
        m_desktop.execDialog(*m_passwordPrompt);
        if (m_db.enteredPassword != m_db.header.password) {
            m_desktop.ShowInformation(QStringLiteral("Podano złe hasło dostępu"), QString(),
                                      QStringLiteral("!!! UWAGA !!!"));
            DisableDatabaseCommands();
            m_db.databaseLoaded = false;
            ClearDatabaseInfo();
            return;
        }
    }
    m_db.currentPeriod = 1;
    checkDueEntries();
    checkDueNotes();
    RefreshRegisterGrids();
    fillRecurringWindows();
    m_db.databaseLoaded = true;
    ShowDatabaseInfo();
    clearUndo();
    kartaClick();
}

void Tmain::zapisz6Click()
{
    if (!m_db.databaseLoaded) {
        m_desktop.ShowInformation(QStringLiteral("Brak załadowanej bazy"), QString(), QStringLiteral("Trelfin"));
        return;
    }
    m_db.pendingAction = PendingAction::saveWithoutQuestion;
    ClosePeriod(m_db.currentPeriod - 1);
    m_db.pendingAction = PendingAction::none;
    ShowDatabaseInfo();
}

void Tmain::Zapiszjako1Click()
{
    if (!m_db.databaseLoaded)
        return;
    const QString path = m_desktop.chooseSaveFile(saveDatabaseDialog());
    if (path.isEmpty())
        return;
    m_db.saveWithoutAsking = true;
    m_db.modified = true;
    m_db.pendingAction = PendingAction::saveWithoutQuestion;
    const bool copied = ClosePeriod(m_db.currentPeriod - 1) && CopyDatabase(m_db, path, m_desktop, m_desktop);
    m_db.pendingAction = PendingAction::none;
    m_db.saveWithoutAsking = false;
    RefreshRegisterGrids();
    ShowDatabaseInfo();
    if (copied)
        m_desktop.ShowInformation(QStringLiteral("Dane zostały zapisane pod nową nazwą"), QString(),
                                  QStringLiteral("Trelfin"));
}

void Tmain::zamknij3Click()
{
    if (!m_db.databaseLoaded) {
        m_desktop.ShowInformation(QStringLiteral("Brak bazy danych"), QString(), QStringLiteral("Trelfin"));
        return;
    }
    if (!m_desktop.AskQuestion(QStringLiteral("Czy zamknąć bazę ?"), QString(), QStringLiteral("Zamknięcie bazy")))
        return;
    // A period that could not be saved keeps the database open, so nothing is lost.
    if (!ClosePeriod(m_db.currentPeriod - 1))
        return;
    leaveDatabase();
}

void Tmain::opcje4Click()
{
    if (!m_db.databaseLoaded) {
        m_desktop.ShowInformation(QStringLiteral("Brak załadowanej bazy"), QString(), QStringLiteral("Trelfin"));
        return;
    }
    m_desktop.execDialog(*optionsWindow());
    if (m_db.pendingAction == PendingAction::deleteConfirmed) {
        m_db.pendingAction = PendingAction::none;
        leaveDatabase();
        m_desktop.ShowInformation(QStringLiteral("Usunięto bazę danych"),
                                  QStringLiteral("Wszystkie pliki bazy zostały skasowane"), QStringLiteral("Trelfin"));
        return;
    }
    m_db.databaseLoaded = true;
    ShowDatabaseInfo();
    RefreshRegisterGrids();
}

void Tmain::blokuj8Click()
{
    m_db.enteredPassword.clear();
    if (!m_lockPassword)
        m_lockPassword = new Tpodaniehasla(m_db, m_desktop, this);
    m_lockPassword->setWindowTitle(QStringLiteral("Blokowanie programu"));
    m_desktop.execDialog(*m_lockPassword);
    if (m_db.enteredPassword.isEmpty())
        return;
    if (!m_lockWindow)
        m_lockWindow = new Tdialogblokujacy(m_db, m_desktop, this);
    // While locked the lock window is the program's only window: the find window goes too.
    QList<QWidget *> hidden;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w != m_lockWindow) {
            hidden.append(w);
            w->hide();
        }
    }
    m_desktop.execDialog(*m_lockWindow);
    for (QWidget *w : hidden)
        w->show();
}

void Tmain::biezacyokresChange(int index)
{
    const int period = index + 1;
    if (!m_db.databaseLoaded || period == m_db.currentPeriod)
        return;
    if (!ClosePeriod(m_db.currentPeriod - 1)) {
        ShowDatabaseInfo(); // the list shows the period still in memory
        return;
    }
    m_db.currentPeriod = period;
    LoadPeriod(m_db, period - 1, m_desktop);
    clearUndo();
    checkDueEntries();
    RefreshRegisterGrids();
    ShowDatabaseInfo();
}

void Tmain::selectAllOnPage()
{
    const int page = m_karta->currentIndex();
    if (page == BalanceTab)
        m_balancePage->grid()->selectAll();
    else if (page == StatementTab)
        m_statementPage->grid()->selectAll();
    else if (page == ForecastTab)
        m_forecastPage->grid()->selectAll();
    else if (const auto kind = registerForPage(page))
        registerPage(*kind)->selectAll();
}

void Tmain::showHelp()
{
    m_desktop.openDocument(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help.htm")));
}

void Tmain::showAbout()
{
    if (!m_about)
        m_about = new AboutBox(this);
    m_about->exec();
}

} // namespace trelfin
