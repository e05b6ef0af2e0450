#pragma once

#include "core/store/database.h"

#include <optional>

class QWidget;

namespace trelfin {

class RegisterPage;

// What the register commands need of the window that shows the registers: the page of a
// register, showing it, and refreshing the grids. The shopping list, the recurring items and the
// reminders add entries through the commands without knowing the main window.
class RegisterView
{
public:
    virtual ~RegisterView() = default;
    virtual RegisterPage *registerPage(RegisterKind kind) const = 0;
    // The register whose page is shown, if a register page is shown.
    virtual std::optional<RegisterKind> shownRegister() const = 0;
    // Shows the page of `kind` as a page change does.
    virtual void showRegisterPage(RegisterKind kind) = 0;
    // Rebuilds the five register grids and their count fields from the current period.
    virtual void RefreshRegisterGrids() = 0;
    // The window the commands' dialogs belong to.
    virtual QWidget *dialogParent() = 0;
};

} // namespace trelfin
