#pragma once

#include "core/store/database.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace trelfin {

class MessageSink;

// The contents of one period of the example database.
struct ExamplePeriod
{
    PeriodInfo info;
    std::array<Register, RegisterCount> registers;
    std::array<RecurringIncome, RecurringRows> recurringIncomes;
    std::array<RecurringExpense, RecurringRows> recurringExpenses;
};

// The example database a newcomer sees at the first start: a household's record, three periods
// named after the three months before `today`'s month, 40-80 entries in every register of each,
// planned expenses of which the past ones are settled and exactly one falls due on `today` (in
// period 1, the one a database opens at), recurring items, a shopping list of a dozen items and
// three notes of which one is due. Every date is computed from `today`, so the example never
// looks stale; the same day always gives the same database.
struct ExampleDatabase
{
    DatabaseHeader header;
    QVector<ExamplePeriod> periods;
    std::array<ShoppingItem, ShoppingItemCount> shoppingItems{};
    std::array<Note, NoteCount> notes{};
};

ExampleDatabase BuildExampleDatabase(const QDate &today);

// Writes `example` as the database "<folder>/przyklad.tf4" with its period files, shopping list
// and notes, replacing files of that name without keeping backups. Returns false after a message
// naming the file that could not be written.
bool WriteExampleDatabase(const ExampleDatabase &example, const QString &folder, MessageSink &sink);

} // namespace trelfin
