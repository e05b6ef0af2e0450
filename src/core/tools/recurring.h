#pragma once

#include "core/store/database.h"

#include <QDate>
#include <QString>

#include <optional>

namespace trelfin {

class MessageSink;

// A recurring row's amount as its window shows it: a general number of up to 11 significant
// digits (what a 6-byte real holds) with the desktop's decimal separator and no grouping
// ("1500", "12,34").
QString RecurringAmountText(const Real48 &amount);

// The amount a recurring row stores from what was typed (read as ReadTypedAmount reads it), as
// a 6-byte real; nothing when the text is no amount or too large for that form.
std::optional<Real48> RecurringAmountFrom(const QString &typed);

// Appends one entry dated today for each active row, in row order, to the incomes (or expenses),
// with the row's amount rounded to two decimals, its description and (expenses) its group. A full
// register stops the posting with its "Za dużo danych w bazie ..." message. Returns how many
// entries were added. No undo copy is taken.
int PostRecurringIncomes(Database &db, const QDate &today, MessageSink &sink);
int PostRecurringExpenses(Database &db, const QDate &today, MessageSink &sink);

} // namespace trelfin
