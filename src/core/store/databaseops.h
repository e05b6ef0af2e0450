#pragma once

#include <QDate>
#include <QString>

namespace trelfin {

class Clock;
class Database;
struct DatabaseHeader;
class MessageSink;

// Commands on a database and its periods as far as they concern the data and the files; the
// windows ask the questions and show the results.

// The period's name for a day: the desktop's long month name in the nominative ("grudzień").
QString PeriodNameFor(const QDate &day);

// Closes the current period, saving it as period file `k` (0-based) when it was modified: without
// a question when saveWithoutAsking is set or pendingAction is 1, otherwise after "Czy zapisać
// zmiany w edytowanym okresie ?" answered "Tak". "Nie" drops nothing from memory and writes
// nothing. Returns false when the question was cancelled ("Anuluj", Escape, the frame) or a save
// was attempted and a file could not be written; the period then stays marked as modified and
// the caller stops, so that its changes are not silently lost.
bool ClosePeriod(Database &db, int k, const Clock &clock, MessageSink &sink);

// A new database at `path`, not yet written: the record of a new database (owner "Anonimowy",
// "brak", today as creation date, "Brak" as last save, one period named after this month, no
// password, the default groups), empty registers, recurring tables, shopping list and notes.
void InitialiseNewDatabase(Database &db, const QString &path, const Clock &clock);

// Adds a period after the last and makes it current: it starts with empty expenses, incomes,
// debts and planned registers and keeps the bank account and both recurring tables of the period
// that was current. Nothing is written. Returns false (changing nothing) at 100 periods.
bool AppendPeriod(Database &db, const Clock &clock);

// The record `header` with period `period` (1-based) taken out: the later periods move one place
// up and the count goes down by one. periodCount must be at least 2.
DatabaseHeader HeaderWithoutPeriod(const DatabaseHeader &header, int period);

// Writes a database that "Nowy" created, once its options are confirmed: the record, every period
// (each empty, as the registers in memory are), the shopping list and the notes, dated today as a
// save dates them. A database that had the name before is replaced whole: its files keep their
// backups and its surplus periods go. All of it takes effect together: false after a message, and
// no file changed, when a file cannot be written.
bool WriteNewDatabase(Database &db, const Clock &clock, MessageSink &sink);

// Removes period `period` (1-based) from the record and its file from the disk: the later
// periods' files move one number down, their entries in the record move up, and the record is
// written. periodCount must be at least 2. All of it takes effect together: when a file cannot be
// written every file and the record stay as they were, and false is returned after a message.
bool RemovePeriod(Database &db, int period, MessageSink &sink);

// Deletes every file of the open database: its period files, "<name>.tf4", "<name>.tf3", the
// shopping list, the notes and the backups of them all. Files that do not exist are skipped.
// Returns false when the deletion could not be committed (after a message); once committed, a
// deletion stopped half-way is completed by the next open of the database.
bool DeleteDatabaseFiles(const Database &db, MessageSink &sink);

// Writes the open database under `newPath`: every period is read from the files under the old
// name and written under the new one, and the current period is read back. The copy takes the
// new name all at once, replacing a database of that name whole (its surplus periods go too).
// When a period cannot be read or a file cannot be written nothing is written under the new
// name, the old name stays in force and the current period is read back from it; returns false.
// Onto its own name it is a save of the current period when that holds changes, nothing else.
bool CopyDatabase(Database &db, const QString &newPath, const Clock &clock, MessageSink &sink);

} // namespace trelfin
