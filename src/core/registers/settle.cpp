#include "core/registers/settle.h"

#include "core/registers/registermessages.h"

#include <algorithm>

namespace trelfin {

SettleResult settlePlanned(Database &db, int top, int bottom, MessageSink &sink)
{
    SettleResult result;
    Register &planned = db.reg(RegisterKind::planned);
    Register &expenses = db.reg(RegisterKind::expenses);
    if (planned.count() == 0)
        return result;
    db.modified = true;

    if (top > bottom)
        std::swap(top, bottom);
    top = std::max(top, 1);
    bottom = std::min(bottom, planned.count());
    for (int row = top; row <= bottom; ++row) {
        Entry &entry = planned.entries[row - 1];
        if (entry.group == SettledGroup)
            continue;
        if (!expenses.append(entry)) {
            showMessage(sink, settleFullMessage());
            result.limitReached = true;
            break;
        }
        entry.group = SettledGroup;
        ++result.settled;
    }
    return result;
}

} // namespace trelfin
