#pragma once

#include "core/store/database.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace trelfin {

class MessageSink;

// The recovery file "<folder><name>.tfr": what a save of the open database would write, kept
// while it holds unsaved changes, so that a crash, a kill or a power cut loses at most the last
// second of work. Its layout (little-endian):
//   "TRELFIN-RECOVERY" (16 bytes), the format version (u32, 1), the time the state was taken
//   (i64, milliseconds since 1970 UTC), the database it belongs to (u32 length + UTF-8: its name,
//   a line break and the record's creation date), the current period (u32, 1-based), then four
//   parts, each a u32 length and the bytes a save writes: the record, the current period's file,
//   the shopping list and the notes (their texts scrambled as in those files, the password
//   as the record stores it), and last the SHA-1 of everything before it.

struct RecoveryState
{
    QDateTime takenAt;
    QString identity;
    int currentPeriod = 1;
    QByteArray record;
    QByteArray period;
    QByteArray shoppingList;
    QByteArray notes;
};

QString RecoveryFilePath(const Database &db);

// The state to keep for `db` as it is in memory now, taken at `now`. Cheap: the texts and
// registers are shared with `db`, and the bytes are made by RecoveryBytes, which may run on
// another thread.
struct RecoverySnapshot
{
    Database db;
    QDateTime takenAt;
};
QByteArray RecoveryBytes(const RecoverySnapshot &snapshot);

// Writes `bytes` as the recovery file `path` in one step: a temporary file beside it, flushed,
// then renamed over it, with the permissions of the database record `modeSource`. Touches no
// other file of the database. False with the reason when it could not.
bool WriteRecoveryFile(const QString &path, const QByteArray &bytes, const QString &modeSource, QString &reason);

// What a recovery file found at an open is.
enum class RecoveryFinding { none, offered, stale, damaged, otherDatabase };
struct FoundRecovery
{
    RecoveryFinding finding = RecoveryFinding::none;
    RecoveryState state;
    QString problem; // for damaged
};
// Looks at the recovery file of the database `db` (its record read): none when there is none;
// stale when the database was saved after it was written; damaged (with the reason) or of
// another database when it cannot be applied; offered otherwise.
FoundRecovery FindRecovery(const Database &db);

// What the command line says of the database's recovery file: empty when there is none (or it
// is stale), else what it is and what to do, in words for the user.
QString RecoveryNotice(const Database &db);

// Puts the recovered state in place of the record, the current period, the shopping list and the
// notes of `db`, as unsaved changes. False, changing nothing, when a part cannot be read.
bool ApplyRecovery(Database &db, const RecoveryState &state);

// Removes the recovery file of `db`; a file that is not there is fine.
void RemoveRecoveryFile(const Database &db);
// Keeps the recovery file aside as "<file>~" (replacing an earlier one), so that it is never
// applied but not lost either. False with the reason when it could not be renamed.
bool SetRecoveryAside(const Database &db, QString &reason);

} // namespace trelfin
