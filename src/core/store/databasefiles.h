#pragma once

#include "core/store/database.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace trelfin {

class Clock;
class Database;
struct DatabaseHeader;
class MessageSink;

// The database file "<dir><name>.tf4" (one 6862-byte record: the DatabaseHeader) and the period
// files "<dir><name>.0" .. "<dir><name>.99" (72-byte records in seven sections: expenses, incomes,
// debts and planned entries each closed by an end record, the 5 recurring incomes, the bank
// account closed by an end record, the 5 recurring expenses). Little-endian; the character
// positions of the texts are scrambled with FileKey, length bytes never.
constexpr int DatabaseRecordSize = 6862;
constexpr int PeriodRecordSize = 72;

// Splits the path of a database file into databaseDir (the folder with its trailing separator;
// both "/" and "\" separate folders), databaseName (the base name) and databaseExt (the last four
// characters, the extension with its dot). A path of four characters or fewer is all extension.
void SplitDatabasePath(Database &db, const QString &path);

// "<databaseDir><databaseName><extension>", e.g. extension ".tf4".
QString DatabaseFilePath(const Database &db, const QString &extension);
// The bytes of the database file for `header`, and of the period file of the current period.
QByteArray DatabaseRecordBytes(const DatabaseHeader &header);
QByteArray PeriodFileBytes(const Database &db);
// The header that the bytes of a database file hold (DatabaseRecordSize of them), or nothing with
// the reason in `problem`.
std::optional<DatabaseHeader> DatabaseRecordFromBytes(const QByteArray &bytes, QString &problem);
// Reads the bytes of a period file into the registers and recurring tables of `db`; false for
// damaged bytes, leaving `db` as it was.
bool PeriodFromBytes(Database &db, const QByteArray &bytes);

// "<databaseDir><databaseName><extension>" as it lies on disk, whatever the letter case of the
// extension; the path with `extension` as given when there is none.
QString FoundFilePath(const Database &db, const QString &extension);
// Where the database record is written: the ".tf4" file as it was found, "<name>.tf4" else.
QString RecordFilePath(const Database &db);
// The file of period k + 1: "<databaseDir><databaseName>.<k>".
QString PeriodFilePath(const Database &db, int k);

// Reads the database record from "<databaseDir><databaseName><databaseExt>" into db.header.
// A missing, unreadable or short file, or one whose period count is not 1..100, shows a message
// naming the file, leaves db.header untouched and returns false: the calling command stops.
bool ReadDatabaseRecord(Database &db, MessageSink &sink);

// Writes db.header to "<databaseDir><databaseName>.tf4", whatever databaseExt is. When
// oldFormatPending is set and the write succeeded, deletes "<name>.tf3" and clears the flag.
// Returns false (after showing a message) when the record could not be written; the previous
// file is then left as it was.
bool WriteDatabaseRecord(Database &db, MessageSink &sink);

// Reads period file k (0-based) into the five registers and the two recurring tables. On
// success clears `modified`, sets pendingAction to 0 and returns true. A missing or damaged file
// (one that ends inside a section, or a register section of more than 4000 entries) shows
// "Niepoprawny format pliku. Pamiętaj:" / "dane z wersji TrelFIN 2000 należy importować" /
// "Błąd podczas odczytu pliku", sets pendingAction to 14 and returns false; the registers then
// hold what was read before the damage and are empty beyond it.
bool LoadPeriod(Database &db, int k, MessageSink &sink);

// Where the fields of an entry's record begin, from the record's start.
enum class EntryField { date = 0, amount = 16, group = 24, description = 25 };

// The byte offset in a period file, as the registers in `db` were read from it, of `field` of
// entry `index` (0-based) of register `kind`.
qsizetype PeriodEntryOffset(const Database &db, RegisterKind kind, int index, EntryField field);

// Walks the entries of a period file's bytes in file order without building the registers (for
// reports over many periods): `visit(kind, dateKey, amount, group)` for each, dateKey as DateKey
// gives it or nothing for a date that cannot be read, group 0 for incomes. False for bytes that
// LoadPeriod would refuse as damaged.
using PeriodEntryVisitor = std::function<void(RegisterKind kind, std::optional<int> dateKey, double amount, int group)>;
bool ForEachPeriodEntry(const QByteArray &file, const PeriodEntryVisitor &visit);
// The longest period file the readers take.
qsizetype LargestPeriodFileSize();

// The first `maxSize` bytes of period file k (0-based); nothing when it cannot be opened or read.
std::optional<QByteArray> ReadPeriodFileBytes(const Database &db, int k, qsizetype maxSize);

// What the period readers say of a file they could not read, `hint` naming the command that reads
// it instead, and the code 14 they leave in pendingAction.
void ReportPeriodReadFailure(Database &db, const QString &hint, MessageSink &sink);

// The saving half of closing a period: writes the shopping list and the notes, sets the database's
// last save date and the last write date of the current period to today, writes the database
// record and then period file k (0-based). A side file that cannot be written is reported (a
// message naming it) and the save goes on. A record or period file that cannot be written stops
// the save (after a message naming it) and returns false; files written before stay written, the
// failed file and those after it keep their previous contents.
bool SavePeriodFiles(Database &db, int k, const Clock &clock, MessageSink &sink);

} // namespace trelfin
