#pragma once

#include <QList>
#include <QString>

namespace trelfin {

class Database;
struct DatabaseHeader;
class MessageSink;

// Who opens a database: the program, which may write, or a reader that never writes
// (trelfin-cli).
enum class OpenMode { readWrite, readOnly };

// The one way a database is opened, by the program and by trelfin-cli alike: `db` takes the
// place of `path`; a save, period change or deletion that was stopped half-way is completed (or,
// short of its commit point, its leftovers removed), or, read-only, the open is refused while one
// is pending, since its files are then neither the old nor the new state (a 2000-version import
// completed so makes `db` the ".tf4" database it became); the shopping list and
// the notes are read; a database of the previous version (no shopping list) is noticed, the
// record marked to take the new extension at its next write and, for the program, the user
// told; the record is read. False after a message when the database cannot be opened. The
// periods and the password are the caller's next steps (PasswordMatches).
bool OpenDatabase(Database &db, const QString &path, OpenMode mode, MessageSink &sink);

// Whether `typed` is the database's password, fitted to what the file holds as the password was
// when it was set.
bool PasswordMatches(const DatabaseHeader &header, const QString &typed);

// Whether a stopped save of the database in `db`'s place waits for its completion.
bool HasPendingIntent(const Database &db);

// One problem a check of a database found: the file and what is wrong with it.
struct DatabaseProblem
{
    QString file;
    QString what;
    bool operator==(const DatabaseProblem &) const = default;
};

// Reads every file of the database at `path` as it is, password or not, and says what is wrong
// with each: a stopped save still pending, the record, every period file and its entries
// (amounts that are not numbers, groups outside their register's range, dates that are no
// calendar day, each with the byte of the file where it lies), and side files that are there but
// short. Nothing is written. An unreadable record ends the check with that one problem.
QList<DatabaseProblem> CheckDatabase(const QString &path);

} // namespace trelfin
