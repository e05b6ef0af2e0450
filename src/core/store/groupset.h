#pragma once

#include "core/store/database.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace trelfin {

class MessageSink;

using GroupNames = std::array<QString, GroupCount + 1>; // [1..30]; [0] unused

// A group-set file ".tgr": 30 string[10] fields of 11 bytes, group 1 first, in code page 1250,
// not scrambled; the character bytes after a name's length are zeros.
constexpr int GroupSetFileSize = GroupCount * (Width::groupName + 1);

QByteArray GroupSetBytes(const GroupNames &names);
// What makes `bytes` not a group set, in words for the user; empty for a group set: exactly
// 330 bytes, every length byte at most 10 and every name of printable characters of code page
// 1250 only (the bytes after a name's length are not looked at).
QString GroupSetProblem(const QByteArray &bytes);
// The names of a group set's bytes (not padded); nothing when GroupSetProblem finds a problem.
std::optional<GroupNames> ReadGroupSetBytes(const QByteArray &bytes);

// A name as the group-set editor stores it: fitted to the code page, cut to 10 characters and
// padded with blanks to exactly 10.
QString StoredGroupName(const QString &typed);

// Writes the database's group set into the file `path`; false after a message naming the file.
bool ExportGroupSet(const DatabaseHeader &header, const QString &path, MessageSink &sink);
// Replaces the database's group set with the file's; a file that cannot be read or is not a
// group set is refused with a message naming it, the group set unchanged.
bool ImportGroupSet(DatabaseHeader &header, const QString &path, MessageSink &sink);

} // namespace trelfin
