#pragma once

#include <QByteArray>
#include <QString>

namespace trelfin {

class MessageSink;

// Writes `bytes` as the whole content of `path`: into a temporary file beside it, renamed over
// the old file only when everything was written, so that a failed or interrupted write leaves
// the previous file untouched. On failure shows "Nie można zapisać pliku <path>" with the
// system's reason and returns false.
// The file it replaces stays as "<path>~" unless `keepBackup` is false.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, MessageSink &sink, bool keepBackup = true);

// Makes a write past the system's file-size limit fail (and be reported) instead of ending the
// program with SIGXFSZ. Called once at start.
void IgnoreFileSizeLimitSignal();

} // namespace trelfin
