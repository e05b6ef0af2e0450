#include "core/tools/reminders.h"

#include "core/registers/registeredit.h"
#include "core/store/helpers.h"

namespace trelfin {

bool IsDueEntry(const Entry &entry, const QDate &today)
{
    return entry.group != SettledGroup && CompareDates(FormatDotDate(today), entry.date) != DateEarlier;
}

void RunReminderWalk(Database &db, const QDate &today, Booking booking,
                     const std::function<ReminderAnswer()> &ask, const std::function<void()> &edit, MessageSink &sink)
{
    Register &planned = db.reg(RegisterKind::planned);
    // The count is read again at every step: a deletion shortens the register.
    for (int i = 1; i <= planned.count(); ++i) {
        const Entry entry = planned.entries.at(i - 1);
        if (!IsDueEntry(entry, today))
            continue;
        loadEditBuffer(db.edit, entry);
        switch (ask()) {
        case ReminderAnswer::book:
            if (!appendEntry(db, RegisterKind::expenses, entry, sink))
                break;
            if (booking == Booking::settleInPlace) {
                planned.entries[i - 1].group = SettledGroup;
            } else {
                planned.entries.removeAt(i - 1);
                --i;
            }
            db.modified = true;
            break;
        case ReminderAnswer::remove:
            planned.entries.removeAt(i - 1);
            --i;
            db.modified = true;
            break;
        case ReminderAnswer::edit:
            loadEditBuffer(db.edit, entry);
            edit();
            storeEditBuffer(db, RegisterKind::planned, i, today);
            db.modified = true;
            break;
        case ReminderAnswer::leave:
            break;
        case ReminderAnswer::leaveAll:
            return;
        }
    }
}

} // namespace trelfin
