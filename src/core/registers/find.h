#pragma once

#include "core/store/database.h"

#include <QString>

#include <optional>

namespace trelfin {

// Find-next through a register grid.
struct FindState
{
    int findRow = 0;        // where the last search stopped; shared by all five grids
    bool restart = true;    // the next search starts at the selected row itself; set by every
                            // "Szukaj" button and every page change
};

struct FindRequest
{
    QString text;
    bool matchCase = false;
    bool down = true;
};

// The text a row is searched in: its four cells as the grid shows them, joined without a
// separator, so a text may match across two columns. A row past the entries gives "".
QString findRowText(const Database &db, RegisterKind kind, int row);

// One find-next: starts at `selectedTopRow` after a restart, otherwise one row past the last find
// in the chosen direction, and visits every row of the grid once, wrapping around (the grid's
// rows are the title row, one per entry and a blank one past the end). Without matchCase both
// texts are folded with UpperCasePolish. Returns the row found (1-based), or nothing: then the
// caller shows findNotFoundMessage() and keeps the selection. An empty text finds nothing.
std::optional<int> findNext(const Database &db, RegisterKind kind, FindState &state, const FindRequest &request,
                            int selectedTopRow);

} // namespace trelfin
