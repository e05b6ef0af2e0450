#pragma once

#include <QString>

class QWidget;

namespace trelfin {

// What the database commands need of the main window: entering and leaving the "database open"
// state, showing what the database is, and the page and status of the window.
class DatabaseView
{
public:
    virtual ~DatabaseView() = default;
    virtual void EnableDatabaseCommands() = 0;
    virtual void DisableDatabaseCommands() = 0;
    virtual void ShowDatabaseInfo() = 0;
    virtual void ClearDatabaseInfo() = 0;
    virtual void RefreshRegisterGrids() = 0;
    // Runs the page change for the page shown.
    virtual void kartaClick() = 0;
    // Shows "Główne menu" without running the page change.
    virtual void showMainMenuPage() = 0;
    virtual void setStatusText(const QString &text) = 0;
    // Shows `text` in the status line for a few seconds; then the page's own text comes back.
    virtual void showPassingStatus(const QString &text) = 0;
    // Forgets the undo copy: the registers in memory were replaced.
    virtual void forgetUndo() = 0;
    // Fills the recurring-items windows from the period just opened.
    virtual void fillRecurringWindows() = 0;
    // Shows each due note in number order (a database was opened).
    virtual void remindDueNotes() = 0;
    // Asks about each due planned expense of the period in memory.
    virtual void remindDueEntries(bool atOpen) = 0;
    // Opens the help document at `section` (one of its anchors; the beginning when empty).
    virtual void showHelp(const QString &section = QString()) = 0;
    virtual QWidget *dialogParent() = 0;
};

} // namespace trelfin
