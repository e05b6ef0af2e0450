#pragma once

namespace trelfin {

class Clock;
class Database;
class MessageSink;

// Databases of the 2000 version ("<name>.tfc"): the same database record as today's, but period
// files of 60-byte records (date, 6-byte real amount, group, description) in four sections:
// expenses, incomes and debts, each closed by an end record, then, when the file goes on, planned
// entries closed by one. No bank account and no recurring items.
constexpr int PeriodRecordSize2000 = 60;

// Reads the 2000-version period file k (0-based) into the expenses, incomes, debts and planned
// registers; the bank account is emptied and the recurring items cleared, since such a file has
// none. On a missing or damaged file shows "Niepoprawny format pliku. Pamiętaj:" / "dane z
// poprzedniej wersji programu należy importować" / "Błąd podczas odczytu pliku", sets
// pendingAction to 14 and returns false.
bool LoadPeriod2000(Database &db, int k, MessageSink &sink);

// Converts the 2000-version database whose record has just been read from "<name>.tfc": every
// period, from the last to the first, is read and written in today's layout, the record becomes
// "<name>.tf4" and the ".tfc" file goes, all in one transaction. A period that cannot be read or a
// file that cannot be written stops the import with its message and leaves every file as it was
// (returns false). On success period 1 is in memory and the database is a ".tf4" one.
bool ConvertDatabase2000(Database &db, const Clock &clock, MessageSink &sink);

} // namespace trelfin
