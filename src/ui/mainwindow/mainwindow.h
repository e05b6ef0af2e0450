#pragma once

#include "store/database.h"

#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QTableView;

namespace trelfin {

class Desktop;
class AboutBox;
class RegisterCommands;
class RegisterPage;
class Tdialogblokujacy;
class Topcjebazy;
class Tpodajhaslo;
class Tpodaniehasla;
class GroupSummaryPage;
class StatementPage;

// The main window: the notebook `karta` with its ten pages, the menus, the status bar `Stan` and
// the "Główne menu" page with the database information and the database buttons.
class Tmain : public QMainWindow
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

    Tmain(Database &database, Desktop &desktop, QWidget *parent = nullptr);
    ~Tmain() override;

    // Entering and leaving the "database open" state.
    void EnableDatabaseCommands();
    void DisableDatabaseCommands();
    void ShowDatabaseInfo();
    void ClearDatabaseInfo();

    // The page-change handler: keeps the status text, the Edit items and the report pages in
    // step with the page shown, and refuses every page but "Główne menu" without a database.
    void kartaClick();

    // Closes the current period, saving it as period file `fileNumber` (0-based) when it was
    // modified (after asking, unless a save command said not to). False when a file could not be
    // written: the changes are then still in memory and the command must not go on.
    bool ClosePeriod(int fileNumber);

    // Rebuilds the five register grids and their count fields from the current period.
    void RefreshRegisterGrids();

    // The database commands of the "Plik" menu and the "Główne menu" buttons.
    void nowa1Click();
    // Opens a database: `path` when given (from the command line), else the one the user chooses.
    void otworz2Click(const QString &path = QString());
    void zapisz6Click();
    void Zapiszjako1Click();
    void zamknij3Click();
    void opcje4Click();
    void blokuj8Click();
    // Switches to period `index` + 1 of the list on "Główne menu".
    void biezacyokresChange(int index);

    // "Zaznacz wszystko" on the page shown.
    void selectAllOnPage();

    RegisterPage *registerPage(RegisterKind kind) const { return m_registerPages[static_cast<int>(kind)]; }

    // Shows page `index` without running the page-change handler.
    void selectPage(int index);
    int currentPage() const;

    QString statusText(int panel) const;
    void setStatusText(const QString &text);

    bool findRestart() const;
    void setFindRestart(bool restart);
    // Shows page `index` as a page change does.
    void showPage(int index);
    RegisterCommands *registerCommands() const { return m_commands; }
    bool chartDatesPending() const { return m_chartDatesPending; }

    GroupSummaryPage *balancePage() const { return m_balancePage; }
    GroupSummaryPage *forecastPage() const { return m_forecastPage; }
    StatementPage *statementPage() const { return m_statementPage; }

    // Sets the enabled state of the popup menu's items for the page shown; when no database is
    // open, first returns to "Główne menu" with "Brak bazy danych". Runs each time the popup opens.
    void preparePopupMenu();
    QMenu *popupMenu() const { return m_popup; }

    // Opens the help document from the program's folder.
    void showHelp();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createStatusBar();
    void createPages();
    QWidget *createMainMenuPage();
    void connectEditCommands();
    void leaveDatabase();
    Topcjebazy *optionsWindow();

    // Steps of opening a database and changing periods that other features fill in.
    void noticePreviousVersion();
    bool convertImportedPeriods();
    void checkDueEntries();
    void checkDueNotes();
    void fillRecurringWindows();
    void clearUndo();
    void attachPopupMenu(QWidget *grid);
    QWidget *createChartsPage();
    void initialiseState();

    void onPageChanged();
    void showPageFromMenu(int index);
    void refuseWithoutDatabase();
    void setEditItems(bool cut, bool copy, bool remove, bool selectAll);
    void showAbout();

    Database &m_db;
    Desktop &m_desktop;

    bool m_chartDatesPending = true;
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

    // "Główne menu" fields.
    QLineEdit *m_uzytkownik = nullptr;
    QPlainTextEdit *m_innedane = nullptr;
    QLineEdit *m_datautworzenia = nullptr;
    QLineEdit *m_ostatnizapis = nullptr;
    QLineEdit *m_iloscokresow = nullptr;
    QComboBox *m_biezacyokres = nullptr;
    QLineEdit *m_pierwszywpis = nullptr;
    QLineEdit *m_ostatniwpis = nullptr;

    // Register pages: grids and count fields, in register order.
    std::array<RegisterPage *, RegisterCount> m_registerPages{};

    // Report pages.
    GroupSummaryPage *m_balancePage = nullptr;
    StatementPage *m_statementPage = nullptr;
    GroupSummaryPage *m_forecastPage = nullptr;

    // Charts page.
    QLineEdit *m_mc = nullptr;
    QLineEdit *m_rk = nullptr;
    QLineEdit *m_wod = nullptr;
    QLineEdit *m_wdo = nullptr;
    QLineEdit *m_pwod = nullptr;
    QLineEdit *m_pwdo = nullptr;
    std::array<QComboBox *, 5> m_colourLists{};

    RegisterCommands *m_commands = nullptr;
    AboutBox *m_about = nullptr;
    Topcjebazy *m_options = nullptr;
    Tpodajhaslo *m_passwordPrompt = nullptr;
    Tpodaniehasla *m_lockPassword = nullptr;
    Tdialogblokujacy *m_lockWindow = nullptr;
};

} // namespace trelfin
