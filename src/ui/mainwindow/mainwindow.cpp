#include "ui/mainwindow/mainwindow.h"

#include "core/store/database.h"
#include "core/store/helpers.h"
#include "ui/desktop.h"
#include "ui/mainwindow/aboutbox.h"
#include "ui/mainwindow/mainmenupage.h"
#include "ui/mainwindow/registercommands.h"
#include "ui/mainwindow/registerpage.h"
#include "ui/reports/chartspage.h"
#include "ui/reports/statementpage.h"
#include "ui/reports/summarypage.h"
#include "ui/store/databasecommands.h"
#include "ui/tools/toolcommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace trelfin {

namespace {

const QString kProgramTitle = QStringLiteral("Trelfin 4 LX");

const QString kStartStatus = QStringLiteral(
    "Brak załadowanej bazy danych. Wczytaj lub stwórz nową bazę danych wybierając odpowiedną opcję");
const QString kNoDatabaseStatus = QStringLiteral(
    "Brak załadowanej bazy danych. Wczytaj bazę danych wybierając odpowiedni przycisk lub pozycję z menu");

// Page captions, compared as texts by the page-change handler.
const std::array<QString, Tmain::PageCount> kPageCaptions = {
    QStringLiteral("Główne menu"), QStringLiteral("Bilans"), QStringLiteral("Statystyka"),
    QStringLiteral("Rozchód"), QStringLiteral("Przychód"), QStringLiteral("Długi / pożyczki"),
    QStringLiteral("Planowanie"), QStringLiteral("Konto bankowe"), QStringLiteral("Prognoza"),
    QStringLiteral("Wykresy"),
};

} // namespace

Tmain::Tmain(Database &database, Desktop &desktop, QWidget *parent, Contents contents)
    : QMainWindow(parent)
    , m_db(database)
    , m_desktop(desktop)
{
    setObjectName(QStringLiteral("main"));
    setWindowTitle(kProgramTitle);
    createActions();
    m_commands = new RegisterCommands(m_db, m_desktop, *this, *m_actUndo, this);
    m_toolCommands = new ToolCommands(m_db, m_desktop, *this, *m_commands, this);
    m_databaseCommands = new DatabaseCommands(m_db, m_desktop, *this, *m_toolCommands, this);
    connectEditCommands();
    resize(1000, 700);
    if (contents == Contents::now)
        buildContents();
}

void Tmain::buildContents()
{
    if (m_contentsBuilt)
        return;
    m_contentsBuilt = true;
    // Menus, status line and the pages are what needs the fonts and the style: with the window
    // already on the screen, they cost the start nothing the user waits for.
    createMenus();
    createStatusBar();
    createPages();
    initialiseState();
    if (isVisible())
        scheduleRemainingPages();
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
    connect(m_toolActions.at(0), &QAction::triggered, this, &Tmain::Pokalistzakupw1Click);
    connect(m_toolActions.at(1), &QAction::triggered, this, &Tmain::Listazakupw1Click);
    connect(m_toolActions.at(2), &QAction::triggered, this, &Tmain::notatki1Click);
    connect(m_toolActions.at(3), &QAction::triggered, this, &Tmain::Edycjagrup1Click);
    connect(m_toolActions.at(4), &QAction::triggered, this, &Tmain::Eksportgrup1Click);
    connect(m_toolActions.at(5), &QAction::triggered, this, &Tmain::Importgrup1Click);
    connect(m_toolActions.at(6), &QAction::triggered, this, &Tmain::EksportujjakoDBF1Click);
    connect(m_toolActions.at(7), &QAction::triggered, this, &Tmain::EksportujdanejakoCSVExcel1Click);

    m_actHelp = action(QStringLiteral("actionHelp"), QStringLiteral("&Pomoc"), QKeySequence(Qt::Key_F1));
    m_actAbout = action(QStringLiteral("actionAbout"), QStringLiteral("O prog&ramie"));

    connect(m_actNew, &QAction::triggered, this, &Tmain::nowa1Click);
    connect(m_actOpen, &QAction::triggered, this, [this] { otworz2Click(); });
    connect(m_actSave, &QAction::triggered, this, &Tmain::zapisz6Click);
    connect(m_actSaveAs, &QAction::triggered, this, &Tmain::Zapiszjako1Click);
    connect(m_actClose, &QAction::triggered, this, &Tmain::zamknij3Click);
    connect(m_actLock, &QAction::triggered, this, &Tmain::blokuj8Click);
    connect(m_actImport2000, &QAction::triggered, this, &Tmain::Importujdane1Click);
    connect(m_actPrint, &QAction::triggered, this, &Tmain::PrintClick);
    connect(m_actOptions, &QAction::triggered, this, &Tmain::opcje4Click);
    connect(m_actSelectAll, &QAction::triggered, this, &Tmain::selectAllOnPage);
    connect(m_actQuit, &QAction::triggered, this, &QWidget::close);
    connect(m_actHelp, &QAction::triggered, this, [this] { showHelp(); });
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
    // Every page has its place in the notebook from the start; what it shows is built when the
    // page is first needed, or in the first idle moment after the window is shown, so that
    // starting the program builds only "Główne menu".
    for (int index = 0; index < PageCount; ++index) {
        auto *holder = new QWidget;
        auto *layout = new QVBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        m_pageHolders[index] = holder;
        m_karta->addTab(holder, kPageCaptions[index]);
    }
    page(MainMenuTab);
    setCentralWidget(m_karta);
    connect(m_karta, &QTabWidget::currentChanged, this, [this](int index) {
        page(index);
        onPageChanged();
    });
    // A click on the page already shown runs the page change too (it recomputes a report page).
    connect(m_karta->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == m_karta->currentIndex())
            onPageChanged();
    });
}

NotebookPage *Tmain::page(int index) const
{
    if (index < 0 || index >= PageCount)
        return nullptr;
    if (!m_pages[index])
        const_cast<Tmain *>(this)->buildPage(index);
    return m_pages[index];
}

RegisterPage *Tmain::registerPage(RegisterKind kind) const
{
    return static_cast<RegisterPage *>(page(pageForRegister(kind)));
}

GroupSummaryPage *Tmain::balancePage() const
{
    return static_cast<GroupSummaryPage *>(page(BalanceTab));
}

GroupSummaryPage *Tmain::forecastPage() const
{
    return static_cast<GroupSummaryPage *>(page(ForecastTab));
}

StatementPage *Tmain::statementPage() const
{
    return static_cast<StatementPage *>(page(StatementTab));
}

ChartsPage *Tmain::chartsPage() const
{
    return static_cast<ChartsPage *>(page(ChartsTab));
}

void Tmain::buildRemainingPages()
{
    for (int index = 0; index < PageCount; ++index)
        page(index);
}

void Tmain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_contentsBuilt)
        scheduleRemainingPages();
}

void Tmain::scheduleRemainingPages()
{
    if (m_remainingPagesScheduled)
        return;
    m_remainingPagesScheduled = true;
    QTimer::singleShot(0, this, &Tmain::buildRemainingPages);
}

void Tmain::buildPage(int index)
{
    NotebookPage *built = nullptr;
    switch (index) {
    case MainMenuTab:
        m_mainMenuPage = new MainMenuPage;
        connect(m_mainMenuPage, &MainMenuPage::newRequested, this, &Tmain::nowa1Click);
        connect(m_mainMenuPage, &MainMenuPage::openRequested, this, [this] { otworz2Click(); });
        connect(m_mainMenuPage, &MainMenuPage::saveRequested, this, &Tmain::zapisz6Click);
        connect(m_mainMenuPage, &MainMenuPage::closeRequested, this, &Tmain::zamknij3Click);
        connect(m_mainMenuPage, &MainMenuPage::lockRequested, this, &Tmain::blokuj8Click);
        connect(m_mainMenuPage, &MainMenuPage::optionsRequested, this, &Tmain::opcje4Click);
        connect(m_mainMenuPage, &MainMenuPage::helpRequested, this, [this] { showHelp(QStringLiteral("glowne-menu")); });
        connect(m_mainMenuPage, &MainMenuPage::quitRequested, this, &QWidget::close);
        connect(m_mainMenuPage, &MainMenuPage::periodChosen, this, &Tmain::biezacyokresChange);
        built = m_mainMenuPage;
        break;
    case BalanceTab:
    case ForecastTab: {
        auto *summary = new GroupSummaryPage(index == BalanceTab ? GroupSummaryPage::Kind::balance
                                                                 : GroupSummaryPage::Kind::forecast,
                                             m_db, m_desktop);
        const QString section = index == BalanceTab ? QStringLiteral("bilans") : QStringLiteral("prognoza");
        connect(summary, &GroupSummaryPage::helpRequested, this, [this, section] { showHelp(section); });
        connect(summary, &GroupSummaryPage::printRequested, this, &Tmain::BitBtn33Click);
        attachPopupMenu(summary->grid());
        (index == BalanceTab ? m_balancePage : m_forecastPage) = summary;
        built = summary;
        break;
    }
    case StatementTab:
        m_statementPage = new StatementPage(m_db, m_desktop);
        connect(m_statementPage, &StatementPage::helpRequested, this, [this] { showHelp(QStringLiteral("statystyka")); });
        connect(m_statementPage, &StatementPage::printRequested, this, &Tmain::BitBtn33Click);
        connect(m_statementPage, &StatementPage::refreshRequested, this, &Tmain::kartaClick);
        attachPopupMenu(m_statementPage->grid());
        m_statementPage->setDay(FormatDashDate(m_desktop.today()) + u' ');
        built = m_statementPage;
        break;
    case ChartsTab:
        m_chartsPage = new ChartsPage(m_db, m_desktop);
        connect(m_chartsPage, &ChartsPage::helpRequested, this, [this] { showHelp(QStringLiteral("wykresy")); });
        m_chartsPage->reset();
        built = m_chartsPage;
        break;
    default:
        built = buildRegisterPage(*registerForPage(index));
        break;
    }
    m_pages[index] = built;
    QWidget *holder = m_pageHolders[index];
    holder->layout()->addWidget(built->pageWidget());
    // A page added to a notebook page already on screen shows at once, not in a later turn.
    if (holder->isVisible())
        built->pageWidget()->show();
}

RegisterPage *Tmain::buildRegisterPage(RegisterKind kind)
{
    auto *page = new RegisterPage(m_db, kind);
    m_registerPages[static_cast<int>(kind)] = page;
    // Two or more rows selected: their count and sum in the status line, until the
    // selection is one row again.
    connect(page, &RegisterPage::selectionSummaryChanged, this, [this, page](const QString &summary) {
        if (currentNotebookPage() == page)
            setStatusText(summary.isEmpty() ? page->statusText() : summary);
    });
    attachPopupMenu(page->grid());
    connect(page, &RegisterPage::commandRequested, this, [this, kind](RegisterCommand command) {
        switch (command) {
        case RegisterCommand::edit: m_commands->edit(kind); break;
        case RegisterCommand::add: m_commands->add(kind); break;
        case RegisterCommand::addMany: m_commands->addMany(kind); break;
        case RegisterCommand::remove: m_commands->remove(kind); break;
        case RegisterCommand::find: m_commands->find(kind); break;
        case RegisterCommand::sort: m_commands->sort(kind); break;
        case RegisterCommand::settle: m_commands->settle(); break;
        case RegisterCommand::help: showHelp(QStringLiteral("rejestry")); break;
        case RegisterCommand::print: BitBtn33Click(); break;
        case RegisterCommand::recurring: m_commands->recurring(kind); break;
        case RegisterCommand::toShoppingList: {
            const auto [top, bottom] = registerPage(kind)->selectedRows();
            m_toolCommands->copyPlannedToShoppingList(top, bottom);
            break;
        }
        }
    });
    // A page built while a database is open shows its register at once.
    if (m_db.databaseLoaded)
        page->refresh();
    else
        page->clear();
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

void Tmain::initialiseState()
{
    const QDate today = m_desktop.today();
    m_db.balanceMode = ReportMode{};
    m_db.forecastMode = ReportMode{};
    m_db.databaseLoaded = false;
    m_statusText->setText(kStartStatus);
    m_statusDate->setText(FormatDotDate(today) + u' ');
    DisableDatabaseCommands();
    ClearDatabaseInfo();
    m_actInsert->setEnabled(true);
    selectPage(MainMenuTab);
}

void Tmain::connectEditCommands()
{
    connect(m_actUndo, &QAction::triggered, this, [this] { m_commands->undo(); });
    connect(m_actCut, &QAction::triggered, this, [this] {
        if (const auto kind = shownRegister())
            m_commands->cut(*kind);
    });
    connect(m_actCopy, &QAction::triggered, this, &Tmain::copySelection);
    connect(m_actDelete, &QAction::triggered, this, [this] {
        if (const auto kind = shownRegister())
            m_commands->remove(*kind);
    });
    connect(m_actInsert, &QAction::triggered, this, [this] {
        if (const auto kind = shownRegister(); kind && m_db.databaseLoaded)
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
    m_mainMenuPage->showDatabaseInfo(m_db);
    // The bank account's count is written by the grid refresh.
    // Register pages not built yet take their counts when they are.
    for (RegisterKind kind : {RegisterKind::expenses, RegisterKind::incomes, RegisterKind::planned,
                              RegisterKind::debts}) {
        if (RegisterPage *page = m_registerPages[static_cast<int>(kind)])
            page->countField()->setText(QString::number(m_db.reg(kind).count()));
    }
}

void Tmain::ClearDatabaseInfo()
{
    m_mainMenuPage->clearDatabaseInfo();
    for (RegisterPage *page : m_registerPages) {
        if (page)
            page->clear();
    }
}

void Tmain::selectPage(int index)
{
    page(index);
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

NotebookPage *Tmain::currentNotebookPage() const
{
    return page(m_karta->currentIndex());
}

std::optional<RegisterKind> Tmain::shownRegister() const
{
    const NotebookPage *shown = currentNotebookPage();
    for (RegisterPage *page : m_registerPages) {
        if (page && page == shown)
            return page->kind();
    }
    return std::nullopt;
}

void Tmain::showRegisterPage(RegisterKind kind)
{
    showPage(pageForRegister(kind));
}

void Tmain::setEditItems(EditItems items)
{
    m_actCut->setEnabled(items.testFlag(EditItem::cut));
    m_actCopy->setEnabled(items.testFlag(EditItem::copy));
    m_actDelete->setEnabled(items.testFlag(EditItem::remove));
    m_actSelectAll->setEnabled(items.testFlag(EditItem::selectAll));
}

void Tmain::copySelection()
{
    const QString text = currentNotebookPage()->selectionText();
    if (!text.isEmpty())
        m_desktop.setClipboardText(text);
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

    if (!m_db.databaseLoaded) {
        setStatusText(kNoDatabaseStatus);
        return;
    }
    NotebookPage *page = currentNotebookPage();
    setEditItems(page->editItems());
    setStatusText(page->statusText());
    page->enterPage();
}

void Tmain::showPageFromMenu(int index)
{
    if (index == MainMenuTab) {
        selectPage(MainMenuTab);
        if (m_db.databaseLoaded)
            setStatusText(m_mainMenuPage->statusText());
        return;
    }
    showPage(index);
}

void Tmain::preparePopupMenu()
{
    if (!m_db.databaseLoaded)
        refuseWithoutDatabase();
    const EditItems items = currentNotebookPage()->editItems();
    m_popupCut->setEnabled(items.testFlag(EditItem::cut));
    m_popupCopy->setEnabled(items.testFlag(EditItem::copy));
    m_popupDelete->setEnabled(items.testFlag(EditItem::remove));
    m_popupSelectAll->setEnabled(items.testFlag(EditItem::selectAll));
}

void Tmain::closeEvent(QCloseEvent *event)
{
    // Closed in the moment between showing the window and building its contents: the quit
    // question needs them.
    buildContents();
    if (m_databaseCommands->confirmQuit())
        event->accept();
    else
        event->ignore();
}

void Tmain::RefreshRegisterGrids()
{
    // A register page not built yet shows the registers when it is.
    for (RegisterPage *page : m_registerPages) {
        if (page)
            page->refresh();
    }
}

void Tmain::forgetUndo()
{
    m_commands->clearUndo();
}

void Tmain::fillRecurringWindows()
{
    m_commands->loadRecurringWindows();
}

void Tmain::remindDueEntries(bool atOpen)
{
    m_commands->remindDueEntries(atOpen ? Booking::settleInPlace : Booking::move);
}

void Tmain::showMainMenuPage()
{
    selectPage(MainMenuTab);
}

bool Tmain::chartDatesPending() const
{
    // A charts page not built yet will ask for its dates when it is first shown.
    return !m_chartsPage || m_chartsPage->chartDatesPending();
}

void Tmain::nowa1Click()
{
    m_databaseCommands->newDatabase();
}

void Tmain::otworz2Click(const QString &path)
{
    m_databaseCommands->openDatabase(path);
}

void Tmain::zapisz6Click()
{
    m_databaseCommands->save();
}

void Tmain::Zapiszjako1Click()
{
    m_databaseCommands->saveAs();
}

void Tmain::zamknij3Click()
{
    m_databaseCommands->closeDatabase();
}

void Tmain::opcje4Click()
{
    m_databaseCommands->showOptions();
}

void Tmain::blokuj8Click()
{
    m_databaseCommands->lockProgram();
}

void Tmain::Importujdane1Click()
{
    m_databaseCommands->importDatabase2000();
}

void Tmain::Edycjagrup1Click()
{
    m_toolCommands->editGroupSet();
    RefreshRegisterGrids();
}

void Tmain::Eksportgrup1Click()
{
    m_toolCommands->exportGroupSet();
}

void Tmain::Importgrup1Click()
{
    // The grids show the new names, also after a cancelled import, as with the editor.
    m_toolCommands->importGroupSet();
    RefreshRegisterGrids();
}

void Tmain::Listazakupw1Click()
{
    m_toolCommands->editShoppingList();
}

void Tmain::Pokalistzakupw1Click()
{
    m_toolCommands->showShoppingList();
}

void Tmain::notatki1Click()
{
    m_toolCommands->editNotes();
}

void Tmain::PrintClick()
{
    m_toolCommands->showPrintPanel(false);
}

void Tmain::BitBtn33Click()
{
    m_toolCommands->showPrintPanel(true);
}

void Tmain::EksportujjakoDBF1Click()
{
    m_toolCommands->exportRegisters(ExportFormat::text);
}

void Tmain::EksportujdanejakoCSVExcel1Click()
{
    m_toolCommands->exportRegisters(ExportFormat::csv);
}

void Tmain::biezacyokresChange(int index)
{
    m_databaseCommands->switchPeriod(index + 1);
}

void Tmain::selectAllOnPage()
{
    currentNotebookPage()->selectAll();
}

void Tmain::showHelp(const QString &section)
{
    // Beside the program in the build folder; in "share/trelfin" of the installation.
    const QDir programDir(QCoreApplication::applicationDirPath());
    QString document = programDir.filePath(QStringLiteral("help.htm"));
    const QString installed = programDir.filePath(QStringLiteral("../share/trelfin/help.htm"));
    if (!QFileInfo::exists(document) && QFileInfo::exists(installed))
        document = QDir::cleanPath(installed);
    m_desktop.openDocument(document, section);
}

void Tmain::showAbout()
{
    if (!m_about)
        m_about = new AboutBox(this);
    m_about->exec();
}

} // namespace trelfin
