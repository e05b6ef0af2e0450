#pragma once

#include "core/store/database.h"

#include <QString>

namespace trelfin {

class MessageSink;

// "Dopisz ekstra": many equal entries at once, on every day, every week or every N days of a date
// span, or N entries on one day.
enum class RepeatMode { daily, weekly, everyNDays, sameDay };

struct RepeatRequest
{
    RepeatMode mode = RepeatMode::daily;
    int number = 1;         // everyNDays: the step in days (1..); sameDay: how many entries (0..)
    QString from;           // "dd-mm-yyyy", as NormalizeDate left it
    QString to;             // ignored by sameDay
    double amount = 0.0;
    int group = 1;          // group or kind, 1-based; not stored for incomes
    QString description;
};

enum class RepeatCheck {
    ok,
    datesInvalid,           // the span ends before it starts, or a date of it is no calendar date
    numberInvalid,          // a step below 1 or a negative count
};

// Whether the request may run; the dialog shows repeatDatesMessage() or
// repeatNumberMissingMessage() and stays open otherwise. Checked before the undo snapshot.
RepeatCheck checkRepeatRequest(const RepeatRequest &request);

struct RepeatResult
{
    RepeatCheck check = RepeatCheck::ok;
    int added = 0;
    bool limitReached = false;      // the register filled up; the message has been shown
};

// Appends the entries at the end of the register. The dates of a span are walked from `from` in
// steps of 1, 7 or N days, each step date not later than `to` getting one entry; a month has 31
// days, April, June, September and November 30, February 29 in years divisible by 4 and 28
// otherwise. Before each entry the register's room is checked: when it holds MaxEntries, the
// register's "Za dużo danych w bazie ..." message is shown and the walk stops, keeping what it
// added. A request failing checkRepeatRequest() adds nothing and shows nothing. Sets `modified`
// unless the request was refused.
RepeatResult appendRepeated(Database &db, RegisterKind kind, const RepeatRequest &request, MessageSink &sink);

} // namespace trelfin
