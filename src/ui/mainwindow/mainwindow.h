#pragma once

#include "core/store/database.h"
#include "ui/mainwindow/mainviews.h"
#include "ui/mainwindow/notebookpage.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace trelfin {

class AboutBox;
class ChartsPage;
class DatabaseCommands;
class Desktop;
class GroupSummaryPage;
class MainMenuPage;
class NotebookPage;
class RegisterCommands;
class RegisterPage;
class StatementPage;
class ToolCommands;

// The main window: the notebook `karta` with its ten pages, the menus, the status bar `Stan`, and
// the wiring of the menu items and page buttons to the commands. The database and period commands
// live in DatabaseCommands, the register commands in RegisterCommands; each page answers for
// itself what it shows, enables and copies.
class Tmain : public QMainWindow, public RegisterView, public DatabaseView
{
    Q_OBJECT
public:
    // Page indexes of `karta`.
    enum Page {
        MainMenuTab = 0,
        BalanceTab = 1,
        StatementTab = 2,
        ExpensesTab = 3,
        IncomesTab = 4,
        DebtsTab = 5,
        PlannedTab = 6,
        BankAccountTab = 7,
        ForecastTab = 8,
        ChartsTab = 9,
        PageCount = 10,
    };

    // When the window's contents are built: in the constructor, or by buildContents() once the
    // empty window has been shown (the quickest start: the window is on the screen as soon as a
    // bare window would be). Nothing but show() may be asked of a window whose contents are not
    // built yet.
    enum class Contents { now, afterShow };

    Tmain(Database &database, Desktop &desktop, QWidget *parent = nullptr, Contents contents = Contents::now);
    ~Tmain() override;

    // Entering and leaving the "database open" state.
    void EnableDatabaseCommands() override;
    void DisableDatabaseCommands() override;
    void ShowDatabaseInfo() override;
    void ClearDatabaseInfo() override;

    // The page-change handler: keeps the status text, the Edit items and the report pages in
    // step with the page shown, and refuses every page but "Główne menu" without a database.
    void kartaClick() override;

    // Rebuilds the five register grids and their count fields from the current period.
    void RefreshRegisterGrids() override;

    // The database commands of the "Plik" menu and the "Główne menu" buttons.
    void nowa1Click();
    // Opens a database: `path` when given (from the command line), else the one the user chooses.
    void otworz2Click(const QString &path = QString());
    void zapisz6Click();
    void Zapiszjako1Click();
    void zamknij3Click();
    void opcje4Click();
    void blokuj8Click();
    void Importujdane1Click();
    // The group-set commands of the "&Narzędzia" menu.
    void Edycjagrup1Click();
    void Eksportgrup1Click();
    void Importgrup1Click();
    // The print panel: from the menu as the user left it, from a page's "Drukuj" button with the
    // section boxes cleared.
    void PrintClick();
    void BitBtn33Click();
    // The shopping list's editor and viewer of the "&Narzędzia" menu.
    void Listazakupw1Click();
    void Pokalistzakupw1Click();
    // "Notatki" of the "&Narzędzia" menu.
    void notatki1Click();
    // The exports of the "&Narzędzia" menu.
    void EksportujjakoDBF1Click();
    void EksportujdanejakoCSVExcel1Click();
    // Switches to period `index` + 1 of the list on "Główne menu".
    void biezacyokresChange(int index);

    // "Zaznacz wszystko" on the page shown.
    void selectAllOnPage();

    // The pages, each built when first asked for.
    RegisterPage *registerPage(RegisterKind kind) const override;
    std::optional<RegisterKind> shownRegister() const override;
    void showRegisterPage(RegisterKind kind) override;

    // Shows page `index` without running the page-change handler.
    void selectPage(int index);
    int currentPage() const;
    // The page shown, as the notebook page it is.
    NotebookPage *currentNotebookPage() const;

    QString statusText(int panel) const;
    void setStatusText(const QString &text) override;

    bool findRestart() const;
    void setFindRestart(bool restart);
    // Shows page `index` as a page change does.
    void showPage(int index);
    RegisterCommands *registerCommands() const { return m_commands; }
    DatabaseCommands *databaseCommands() const { return m_databaseCommands; }
    ToolCommands *toolCommands() const { return m_toolCommands; }
    bool chartDatesPending() const;

    GroupSummaryPage *balancePage() const;
    GroupSummaryPage *forecastPage() const;
    StatementPage *statementPage() const;
    ChartsPage *chartsPage() const;
    // Builds the menus, the status line and "Główne menu" (once).
    void buildContents();
    // Page `index`, built now when it was not yet.
    NotebookPage *page(int index) const;
    // Builds every page not built yet; runs in the first idle moment after the window is shown.
    void buildRemainingPages();

    // Sets the enabled state of the popup menu's items for the page shown; when no database is
    // open, first returns to "Główne menu" with "Brak bazy danych". Runs each time the popup opens.
    void preparePopupMenu();
    QMenu *popupMenu() const { return m_popup; }

    // Opens the help document from the program's folder.
    void showHelp(const QString &section = QString()) override;

    void showMainMenuPage() override;
    void forgetUndo() override;
    void fillRecurringWindows() override;
    void remindDueEntries(bool atOpen) override;
    QWidget *dialogParent() override { return this; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createStatusBar();
    void createPages();
    void buildPage(int index);
    void scheduleRemainingPages();
    RegisterPage *buildRegisterPage(RegisterKind kind);
    void connectEditCommands();
    void attachPopupMenu(QWidget *grid);
    void initialiseState();

    void onPageChanged();
    void showPageFromMenu(int index);
    void refuseWithoutDatabase();
    void setEditItems(EditItems items);
    void copySelection();
    void showAbout();

    Database &m_db;
    Desktop &m_desktop;

    bool m_inPageChange = false;

    QTabWidget *m_karta = nullptr;
    QLabel *m_statusDate = nullptr;
    QLabel *m_statusText = nullptr;

    // Menus and their items.
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_toolsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QMenu *m_popup = nullptr;

    QAction *m_actNew = nullptr;
    QAction *m_actOpen = nullptr;
    QAction *m_actSave = nullptr;
    QAction *m_actSaveAs = nullptr;
    QAction *m_actClose = nullptr;
    QAction *m_actImport2000 = nullptr;
    QAction *m_actLock = nullptr;
    QAction *m_actOptions = nullptr;
    QAction *m_actPrint = nullptr;
    QAction *m_actQuit = nullptr;
    QAction *m_actUndo = nullptr;
    QAction *m_actCut = nullptr;
    QAction *m_actCopy = nullptr;
    QAction *m_actDelete = nullptr;
    QAction *m_actSelectAll = nullptr;
    QAction *m_actInsert = nullptr;
    std::array<QAction *, PageCount> m_actViewPage{};
    QList<QAction *> m_toolActions;
    QAction *m_actHelp = nullptr;
    QAction *m_actAbout = nullptr;
    QAction *m_popupCut = nullptr;
    QAction *m_popupCopy = nullptr;
    QAction *m_popupDelete = nullptr;
    QAction *m_popupSelectAll = nullptr;

    // The notebook's pages in page order: the page registry (null until a page is built), and
    // the notebook pages that hold them.
    std::array<NotebookPage *, PageCount> m_pages{};
    std::array<QWidget *, PageCount> m_pageHolders{};
    bool m_contentsBuilt = false;
    bool m_remainingPagesScheduled = false;
    MainMenuPage *m_mainMenuPage = nullptr;
    std::array<RegisterPage *, RegisterCount> m_registerPages{};
    GroupSummaryPage *m_balancePage = nullptr;
    StatementPage *m_statementPage = nullptr;
    GroupSummaryPage *m_forecastPage = nullptr;
    ChartsPage *m_chartsPage = nullptr;

    RegisterCommands *m_commands = nullptr;
    DatabaseCommands *m_databaseCommands = nullptr;
    ToolCommands *m_toolCommands = nullptr;
    AboutBox *m_about = nullptr;
};

} // namespace trelfin
