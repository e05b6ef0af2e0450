#include "core/registers/repeated.h"

#include "core/registers/registermessages.h"
#include "core/store/helpers.h"

namespace trelfin {

namespace {

int daysInMonth(int month, int year)
{
    switch (month) {
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

// A date the walk can step from: month 1..12 and a day the month has. Anything else would make
// the walk produce dates such as "15-14-2004" month after month.
bool isWalkDate(const std::optional<DateParts> &d)
{
    return d && d->month >= 1 && d->month <= 12 && d->day >= 1 && d->day <= daysInMonth(d->month, d->year);
}

int stepOf(const RepeatRequest &request)
{
    switch (request.mode) {
    case RepeatMode::daily:
        return 1;
    case RepeatMode::weekly:
        return 7;
    case RepeatMode::everyNDays:
    case RepeatMode::sameDay:
        break;
    }
    return request.number;
}

} // namespace

RepeatCheck checkRepeatRequest(const RepeatRequest &request)
{
    if (request.mode == RepeatMode::sameDay)
        return request.number >= 0 ? RepeatCheck::ok : RepeatCheck::numberInvalid;
    const auto from = ParseDate(request.from);
    const auto to = ParseDate(request.to);
    if (!isWalkDate(from) || !isWalkDate(to) || DateKey(*to) < DateKey(*from))
        return RepeatCheck::datesInvalid;
    if (stepOf(request) < 1)
        return RepeatCheck::numberInvalid;
    return RepeatCheck::ok;
}

RepeatResult appendRepeated(Database &db, RegisterKind kind, const RepeatRequest &request, MessageSink &sink)
{
    RepeatResult result;
    result.check = checkRepeatRequest(request);
    if (result.check != RepeatCheck::ok)
        return result;
    db.modified = true;

    Register &r = db.reg(kind);
    Entry entry;
    entry.amount = request.amount;
    entry.group = kind == RegisterKind::incomes ? 0 : static_cast<std::uint8_t>(request.group);
    entry.description = request.description;

    const auto add = [&](const QString &date) {
        if (r.isFull()) {
            showMessage(sink, registerFullMessage(kind));
            result.limitReached = true;
            return false;
        }
        entry.date = date;
        r.append(entry);
        ++result.added;
        return true;
    };

    if (request.mode == RepeatMode::sameDay) {
        for (int i = 0; i < request.number; ++i) {
            if (!add(request.from))
                break;
        }
        return result;
    }

    const int step = stepOf(request);
    const DateParts from = *ParseDate(request.from);
    const int last = DateKey(*ParseDate(request.to));
    int d = from.day;
    int m = from.month;
    int y = from.year;
    do {
        if (!add(FormatDate(d, m, y)))
            break;
        d += step;
        while (d > daysInMonth(m, y)) {
            d -= daysInMonth(m, y);
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    } while (DateKey({d, m, y}) <= last);
    return result;
}

} // namespace trelfin
