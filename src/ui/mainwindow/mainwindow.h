#pragma once

#include "core/store/database.h"
#include "ui/common/databaseview.h"
#include "ui/common/notebookpage.h"
#include "ui/common/registerview.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QAction;
class QMenu;

namespace trelfin {

class AboutBox;
class ChartsPage;
class DatabaseCommands;
class Desktop;
class EditActions;
class GroupSetCommands;
class GroupSummaryPage;
class MainMenuPage;
class PageNotebook;
class RegisterCommands;
class RegisterPage;
class StatementPage;
class StatusLine;
class ToolCommands;

// The main window: the notebook `karta` with its ten pages, the menus and the status bar `Stan`.
// The commands live in their objects, which own their menu items: the database and period
// commands (with the group set) in DatabaseCommands, the register commands in RegisterCommands,
// the tools in ToolCommands, the Edit items in EditActions. The window places those items in its
// menus; each page answers for itself what it shows, enables and copies.
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

    // The notebook page of a register, and the register a page shows.
    static constexpr int pageForRegister(RegisterKind kind) { return static_cast<int>(kind) + ExpensesTab; }
    static constexpr std::optional<RegisterKind> registerForPage(int page)
    {
        if (page < ExpensesTab || page > BankAccountTab)
            return std::nullopt;
        return static_cast<RegisterKind>(page - ExpensesTab);
    }

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

    // Switches to period `index` + 1 of the list on "Główne menu".
    void biezacyokresChange(int index);

    RegisterCommands *registerCommands() const { return m_registerCommands; }
    DatabaseCommands *databaseCommands() const { return m_databaseCommands; }
    GroupSetCommands *groupSetCommands() const;
    ToolCommands *toolCommands() const { return m_toolCommands; }

    // The pages, each built when first asked for.
    RegisterPage *registerPage(RegisterKind kind) const override;
    std::optional<RegisterKind> shownRegister() const override;
    void showRegisterPage(RegisterKind kind) override;
    GroupSummaryPage *balancePage() const;
    GroupSummaryPage *forecastPage() const;
    StatementPage *statementPage() const;
    ChartsPage *chartsPage() const;
    // Page `index`, built now when it was not yet.
    NotebookPage *page(int index) const;
    // The page shown, as the notebook page it is.
    NotebookPage *currentNotebookPage() const;

    // Builds the menus, the status line and "Główne menu" (once).
    void buildContents();
    // Builds every page not built yet; runs in the first idle moment after the window is shown.
    void buildRemainingPages();

    // Shows page `index` without running the page-change handler.
    void selectPage(int index);
    // Shows page `index` as a page change does.
    void showPage(int index);
    int currentPage() const;

    QString statusText(int panel) const;
    void setStatusText(const QString &text) override;
    void showPassingStatus(const QString &text) override;
    // The title names the open database and marks unsaved changes with "*"
    // ("przyklad — Trelfin 4 LX"); it follows the database twice a second.
    void updateWindowTitle();

    bool chartDatesPending() const;

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
    void remindDueNotes() override;
    QWidget *dialogParent() override { return this; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createActions();
    void createMenus();
    // Puts `actions` in `menu` and in the window, so that their shortcuts work while the menu is
    // hidden.
    void placeActions(QMenu *menu, const QList<QAction *> &actions);
    void createPages();
    NotebookPage *buildPage(int index);
    RegisterPage *buildRegisterPage(RegisterKind kind);
    void initialiseState();
    void enableCommands(bool databaseOpen);

    void onPageChanged();
    void showPageFromMenu(int index);
    void refuseWithoutDatabase();
    void showAbout();

    Database &m_db;
    Desktop &m_desktop;

    bool m_inPageChange = false;

    PageNotebook *m_karta = nullptr;
    StatusLine *m_statusLine = nullptr;

    // The menus that show only while a database is open, and the popup menu of the grids.
    QList<QMenu *> m_databaseMenus;
    QMenu *m_popup = nullptr;

    // The window's own items: the "&Widok" pages, "Za&kończ", "&Pomoc" and "O prog&ramie".
    std::array<QAction *, PageCount> m_actViewPage{};
    QAction *m_actQuit = nullptr;
    QAction *m_actHelp = nullptr;
    QAction *m_actAbout = nullptr;

    bool m_contentsBuilt = false;
    MainMenuPage *m_mainMenuPage = nullptr;

    RegisterCommands *m_registerCommands = nullptr;
    ToolCommands *m_toolCommands = nullptr;
    DatabaseCommands *m_databaseCommands = nullptr;
    EditActions *m_editActions = nullptr;
    AboutBox *m_about = nullptr;
};

} // namespace trelfin
