#pragma once

#include "core/store/database.h"

#include <QDate>

#include <functional>

namespace trelfin {

class MessageSink;

// What the user answers for a due planned expense.
enum class ReminderAnswer { book, remove, edit, leave, leaveAll };

// What booking does: when a database opens the planned entry stays, settled; when the period is
// switched it moves to the expenses.
enum class Booking { settleInPlace, move };

// Whether a planned entry is due on `today`: not settled, and dated on or before today (or with
// a date that cannot be read).
bool IsDueEntry(const Entry &entry, const QDate &today);

// The reminder walk over the planned register. For each due entry the edit buffer is filled from
// it and `ask` answers; "edit" calls `edit` (which shows the planned entry's dialog over the edit
// buffer) and stores the buffer back, the entry not being examined again; "remove" deletes it and
// examines the entry that moves into its place; "book" appends the same expense (after which
// the planned entry is settled or removed, as `booking` says), but a full expense register adds
// nothing, says so and leaves the planned entry; "leaveAll" ends the walk. Only the registers in
// memory change.
void RunReminderWalk(Database &db, const QDate &today, Booking booking,
                     const std::function<ReminderAnswer()> &ask, const std::function<void()> &edit, MessageSink &sink);

} // namespace trelfin
