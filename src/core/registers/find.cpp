#include "core/registers/find.h"

#include "core/registers/rowtext.h"
#include "core/store/helpers.h"

#include <algorithm>

namespace trelfin {

QString findRowText(const Database &db, RegisterKind kind, int row)
{
    return registerRowCells(db, kind, row).join(QString());
}

std::optional<int> findNext(const Database &db, RegisterKind kind, FindState &state, const FindRequest &request,
                            int selectedTopRow)
{
    const int step = request.down ? 1 : -1;
    if (state.restart)
        state.findRow = selectedTopRow;
    else
        state.findRow += step;
    state.restart = false;

    if (request.text.isEmpty())
        return std::nullopt;
    const QString wanted = request.matchCase ? request.text : UpperCasePolish(request.text);

    // The grid's row count: the title row and one row per entry, or the title row and the blank
    // row of a hidden, empty grid. Row `rows` itself lies past the grid and reads as empty.
    const int rows = std::max(db.reg(kind).count(), 1) + 1;
    for (int visited = 0; visited < rows; ++visited) {
        if (state.findRow > rows)
            state.findRow = 1;
        if (state.findRow < 1)
            state.findRow = rows;
        QString text = findRowText(db, kind, state.findRow);
        if (!request.matchCase)
            text = UpperCasePolish(text);
        if (text.contains(wanted))
            return state.findRow;
        state.findRow += step;
    }
    return std::nullopt;
}

} // namespace trelfin
