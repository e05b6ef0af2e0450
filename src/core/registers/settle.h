#pragma once

#include "core/store/database.h"

namespace trelfin {

class MessageSink;

// "Jako rozchód": a paid planned expense is copied to the expenses and marked settled (group 31),
// staying in the planned register.
struct SettleResult
{
    int settled = 0;
    bool limitReached = false;      // the expenses register filled up; the message has been shown
};

// Settles the planned rows top..bottom (either order; rows outside the register are ignored) in
// order, after the caller has asked settleQuestion() and the user agreed. Rows already settled are
// skipped. When the expenses register is full, settleFullMessage() is shown and the rest stays
// unsettled; what was settled before stays. Sets `modified` unless the planned register is empty.
// Takes no undo snapshot.
SettleResult settlePlanned(Database &db, int top, int bottom, MessageSink &sink);

} // namespace trelfin
