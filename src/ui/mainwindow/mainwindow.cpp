#include "ui/mainwindow/mainwindow.h"

#include "core/store/database.h"
#include "core/store/helpers.h"
#include "ui/common/commandaction.h"
#include "ui/common/desktop.h"
#include "ui/common/editactions.h"
#include "ui/common/helpdocument.h"
#include "ui/mainwindow/aboutbox.h"
#include "ui/mainwindow/mainmenupage.h"
#include "ui/mainwindow/pagenotebook.h"
#include "ui/mainwindow/statusline.h"
#include "ui/registers/registercommands.h"
#include "ui/registers/registerpage.h"
#include "ui/reports/chartspage.h"
#include "ui/reports/statementpage.h"
#include "ui/reports/summarypage.h"
#include "ui/store/databasecommands.h"
#include "ui/store/recentdatabases.h"
#include "ui/store/groupsetcommands.h"
#include "ui/tools/toolcommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

namespace trelfin {

namespace {

const QString kProgramTitle = QStringLiteral("Trelfin 4 LX");

const QString kStartStatus = QStringLiteral(
    "Brak załadowanej bazy danych. Wczytaj lub stwórz nową bazę danych wybierając odpowiedną opcję");
const QString kNoDatabaseStatus = QStringLiteral(
    "Brak załadowanej bazy danych. Wczytaj bazę danych wybierając odpowiedni przycisk lub pozycję z menu");

// Page captions, compared as texts by the page-change handler.
const QStringList kPageCaptions = {
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
    m_registerCommands = new RegisterCommands(m_db, m_desktop, *this, this);
    m_toolCommands = new ToolCommands(m_db, m_desktop, *this, *m_registerCommands, this);
    m_databaseCommands = new DatabaseCommands(m_db, m_desktop, *this, this);
    m_editActions = new EditActions(m_desktop, [this] { return m_karta ? m_karta->shownPage() : nullptr; }, this);
    createActions();
    resize(1000, 700);
    auto *titleTimer = new QTimer(this);
    titleTimer->setInterval(500);
    connect(titleTimer, &QTimer::timeout, this, &Tmain::updateWindowTitle);
    titleTimer->start();
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
    m_statusLine = new StatusLine(this);
    setStatusBar(m_statusLine);
    createPages();
    initialiseState();
    if (isVisible())
        m_karta->scheduleRemainingPages();
}

Tmain::~Tmain() = default;

GroupSetCommands *Tmain::groupSetCommands() const
{
    return m_databaseCommands->groupSetCommands();
}

void Tmain::createActions()
{
    for (int page = 0; page < PageCount; ++page) {
        const auto key = static_cast<Qt::Key>(Qt::Key_F1 + page);
        m_actViewPage[page] = createCommandAction(this, QStringLiteral("actionViewPage%1").arg(page), kPageCaptions[page],
                                                  QKeySequence(Qt::CTRL | key));
        connect(m_actViewPage[page], &QAction::triggered, this, [this, page] { showPageFromMenu(page); });
    }
    m_actQuit = createCommandAction(this, QStringLiteral("actionQuit"), QStringLiteral("Za&kończ"), QKeySequence(Qt::ALT | Qt::Key_F4));
    m_actHelp = createCommandAction(this, QStringLiteral("actionHelp"), QStringLiteral("&Pomoc"), QKeySequence(Qt::Key_F1));
    m_actAbout = createCommandAction(this, QStringLiteral("actionAbout"), QStringLiteral("O prog&ramie"));
    connect(m_actQuit, &QAction::triggered, this, &QWidget::close);
    connect(m_actHelp, &QAction::triggered, this, [this] { showHelp(); });
    connect(m_actAbout, &QAction::triggered, this, &Tmain::showAbout);
}

void Tmain::placeActions(QMenu *menu, const QList<QAction *> &actions)
{
    menu->addActions(actions);
    addActions(actions);
}

void Tmain::createMenus()
{
    QMenuBar *bar = menuBar();
    const auto addMenu = [bar](const QString &caption, const QString &name) {
        QMenu *menu = bar->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };
    QMenu *file = addMenu(QStringLiteral("&Plik"), QStringLiteral("menuPlik"));
    placeActions(file, m_databaseCommands->fileActions() + QList<QAction *>{m_toolCommands->actionPrint()});
    file->addSeparator();
    RecentDatabases *recent = m_databaseCommands->recentDatabases();
    placeActions(file, recent->actions());
    file->addSeparator();
    placeActions(file, {m_actQuit});
    // A database deleted or moved since shows disabled.
    connect(file, &QMenu::aboutToShow, recent, &RecentDatabases::refreshActions);

    QMenu *edit = addMenu(QStringLiteral("&Edycja"), QStringLiteral("menuEdycja"));
    placeActions(edit, QList<QAction *>{m_registerCommands->actionUndo()} + m_editActions->menuActions());
    // Ins has no item of its own: it works through the window.
    addAction(m_registerCommands->actionInsert());

    QMenu *view = addMenu(QStringLiteral("&Widok"), QStringLiteral("menuWidok"));
    placeActions(view, QList<QAction *>(m_actViewPage.begin(), m_actViewPage.end()));

    QMenu *tools = addMenu(QStringLiteral("&Narzędzia"), QStringLiteral("menuNarzedzia"));
    const GroupSetCommands *groups = groupSetCommands();
    placeActions(tools, m_toolCommands->shoppingAndNotesActions()
                            + QList<QAction *>{groups->actionEditGroups(), groups->actionExportGroups(), groups->actionImportGroups()}
                            + m_toolCommands->exportActions());
    tools->addSeparator();
    placeActions(tools, {m_toolCommands->actionPeriodsSummary(), m_toolCommands->actionBankImport(),
                        m_toolCommands->actionImportRules()});

    QMenu *help = addMenu(QStringLiteral("Pomo&c"), QStringLiteral("menuPomoc"));
    placeActions(help, {m_actHelp, m_actAbout});

    m_databaseMenus = {edit, view, tools};
    m_popup = m_editActions->popupMenu(this);
}

void Tmain::createPages()
{
    m_karta = new PageNotebook(kPageCaptions, [this](int index) { return buildPage(index); }, this);
    m_karta->page(MainMenuTab);
    setCentralWidget(m_karta);
    connect(m_karta, &PageNotebook::pageEntered, this, &Tmain::onPageChanged);
}

NotebookPage *Tmain::page(int index) const
{
    return m_karta->page(index);
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
    m_karta->buildRemainingPages();
}

void Tmain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_contentsBuilt)
        m_karta->scheduleRemainingPages();
}

NotebookPage *Tmain::buildPage(int index)
{
    NotebookPage *built = nullptr;
    switch (index) {
    case MainMenuTab:
        m_mainMenuPage = new MainMenuPage;
        m_mainMenuPage->connectDatabaseCommands(*m_databaseCommands);
        connect(m_mainMenuPage, &MainMenuPage::helpRequested, this, [this] { showHelp(QStringLiteral("glowne-menu")); });
        connect(m_mainMenuPage, &MainMenuPage::quitRequested, this, &QWidget::close);
        // Like the menu item: nothing without a database.
        connect(m_mainMenuPage, &MainMenuPage::summaryRequested, this, [this] {
            if (!m_db.databaseLoaded)
                refuseWithoutDatabase();
            else
                m_toolCommands->showPeriodsSummary();
        });
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
        connect(summary, &GroupSummaryPage::printRequested, m_toolCommands, &ToolCommands::BitBtn33Click);
        m_editActions->attachPopupMenu(summary->grid(), [this] { preparePopupMenu(); });
        built = summary;
        break;
    }
    case StatementTab: {
        auto *statement = new StatementPage(m_db, m_desktop);
        connect(statement, &StatementPage::helpRequested, this, [this] { showHelp(QStringLiteral("statystyka")); });
        connect(statement, &StatementPage::printRequested, m_toolCommands, &ToolCommands::BitBtn33Click);
        connect(statement, &StatementPage::refreshRequested, this, &Tmain::kartaClick);
        m_editActions->attachPopupMenu(statement->grid(), [this] { preparePopupMenu(); });
        statement->setDay(FormatDashDate(m_desktop.today()) + u' ');
        built = statement;
        break;
    }
    case ChartsTab: {
        auto *charts = new ChartsPage(m_db, m_desktop);
        connect(charts, &ChartsPage::helpRequested, this, [this] { showHelp(QStringLiteral("wykresy")); });
        charts->reset();
        built = charts;
        break;
    }
    default:
        built = buildRegisterPage(*registerForPage(index));
        break;
    }
    // A page whose Edit items change while it is shown has the menus follow.
    built->setEditItemsChangedHandler([this, built] {
        if (m_db.databaseLoaded && currentNotebookPage() == built)
            m_editActions->enableForShownPage();
    });
    return built;
}

RegisterPage *Tmain::buildRegisterPage(RegisterKind kind)
{
    RegisterPage *page = m_registerCommands->createPage(kind);
    // Two or more rows selected: their count and sum in the status line, until the
    // selection is one row again.
    connect(page, &RegisterPage::selectionSummaryChanged, this, [this, page](const QString &summary) {
        if (currentNotebookPage() == page)
            setStatusText(summary.isEmpty() ? page->statusText() : summary);
    });
    m_editActions->attachPopupMenu(page->grid(), [this] { preparePopupMenu(); });
    // The buttons that are not register commands.
    connect(page, &RegisterPage::commandRequested, this, [this, page](RegisterCommand command) {
        if (command == RegisterCommand::help)
            showHelp(QStringLiteral("rejestry"));
        else if (command == RegisterCommand::print)
            m_toolCommands->BitBtn33Click();
        else if (command == RegisterCommand::toShoppingList)
            m_toolCommands->copyPlannedToShoppingList(page->selectedRows().first, page->selectedRows().second);
    });
    return page;
}

void Tmain::initialiseState()
{
    const QDate today = m_desktop.today();
    m_db.balanceMode = ReportMode{};
    m_db.forecastMode = ReportMode{};
    m_db.databaseLoaded = false;
    m_statusLine->setStatusText(kStartStatus);
    m_statusLine->setDate(FormatDotDate(today) + u' ');
    DisableDatabaseCommands();
    ClearDatabaseInfo();
    selectPage(MainMenuTab);
}

void Tmain::showPage(int index)
{
    m_registerCommands->findState().restart = true;
    selectPage(index);
    kartaClick();
}

void Tmain::EnableDatabaseCommands()
{
    m_registerCommands->clearUndo();
    enableCommands(true);
}

void Tmain::DisableDatabaseCommands()
{
    m_registerCommands->actionUndo()->setEnabled(false);
    m_editActions->disableAll();
    enableCommands(false);
}

void Tmain::enableCommands(bool databaseOpen)
{
    for (QMenu *menu : std::as_const(m_databaseMenus))
        menu->menuAction()->setVisible(databaseOpen);
    for (int page = 1; page < PageCount; ++page)
        m_actViewPage[page]->setEnabled(databaseOpen);
    m_databaseCommands->enableActions(databaseOpen);
    m_toolCommands->enableActions(databaseOpen);
}

void Tmain::ShowDatabaseInfo()
{
    updateWindowTitle();
    m_mainMenuPage->showDatabaseInfo(m_db);
    // Register pages not built yet take their counts when they are.
    m_registerCommands->showCounts();
}

void Tmain::ClearDatabaseInfo()
{
    updateWindowTitle();
    m_mainMenuPage->clearDatabaseInfo();
    m_registerCommands->clearPages();
    // The balance and forecast keep their span while no computation names one: that of a
    // database that is gone must not stand over the next one.
    for (int tab : {BalanceTab, ForecastTab}) {
        if (auto *summary = static_cast<GroupSummaryPage *>(m_karta->builtPage(tab)))
            summary->clearSpanText();
    }
}

void Tmain::selectPage(int index)
{
    m_karta->selectPage(index);
}

int Tmain::currentPage() const
{
    return m_karta->currentIndex();
}

void Tmain::showPassingStatus(const QString &text)
{
    setStatusText(text);
    QTimer::singleShot(5000, this, [this, text] {
        // Unless something else has been said since, the page's own text comes back.
        if (m_statusLine->panelText(1) != text)
            return;
        if (!m_db.databaseLoaded)
            setStatusText(kNoDatabaseStatus);
        else if (NotebookPage *page = currentNotebookPage())
            setStatusText(page->statusText());
    });
}

void Tmain::updateWindowTitle()
{
    // "[*]" is where the desktop shows "*" while the window is marked modified.
    const QString title = m_db.databaseLoaded ? m_db.databaseName + QStringLiteral("[*] — ") + kProgramTitle : kProgramTitle;
    if (windowTitle() != title)
        setWindowTitle(title);
    setWindowModified(m_db.databaseLoaded && m_db.modified);
}

QString Tmain::statusText(int panel) const
{
    return m_statusLine->panelText(panel);
}

void Tmain::setStatusText(const QString &text)
{
    m_statusLine->setStatusText(text);
}

NotebookPage *Tmain::currentNotebookPage() const
{
    return m_karta->shownPage();
}

std::optional<RegisterKind> Tmain::shownRegister() const
{
    return m_registerCommands->registerOfPage(currentNotebookPage());
}

void Tmain::showRegisterPage(RegisterKind kind)
{
    showPage(pageForRegister(kind));
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
    m_registerCommands->findState().restart = true;
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
    m_editActions->enableForShownPage();
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
    m_editActions->enableForShownPage();
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
    m_registerCommands->refreshPages();
}

void Tmain::forgetUndo()
{
    m_registerCommands->clearUndo();
}

void Tmain::fillRecurringWindows()
{
    m_registerCommands->loadRecurringWindows();
}

void Tmain::remindDueEntries(bool atOpen)
{
    m_registerCommands->remindDueEntries(atOpen ? Booking::settleInPlace : Booking::move);
}

void Tmain::remindDueNotes()
{
    m_toolCommands->remindDueNotes();
}

void Tmain::showMainMenuPage()
{
    selectPage(MainMenuTab);
}

bool Tmain::chartDatesPending() const
{
    // A charts page not built yet will ask for its dates when it is first shown.
    const auto *charts = static_cast<ChartsPage *>(m_karta->builtPage(ChartsTab));
    return !charts || charts->chartDatesPending();
}

void Tmain::biezacyokresChange(int index)
{
    m_databaseCommands->switchPeriod(index + 1);
}

void Tmain::showHelp(const QString &section)
{
    m_desktop.openDocument(HelpDocumentPath(), section);
}

void Tmain::showAbout()
{
    if (!m_about)
        m_about = new AboutBox(this);
    m_about->exec();
}

} // namespace trelfin
