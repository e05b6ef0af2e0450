#pragma once

#include <QString>

namespace trelfin {

class MessageSink;

// The messages of a file that could not be read, written or deleted, each with the system's
// reason as its second line:
// "Nie można odczytać pliku <path>" / "Błąd podczas odczytu pliku",
// "Nie można zapisać pliku <path>" / "Błąd podczas zapisu pliku",
// "Nie można usunąć pliku <path>" / "Błąd podczas zapisu pliku".
void ReportReadFailure(const QString &path, const QString &reason, MessageSink &sink);
void ReportWriteFailure(const QString &path, const QString &reason, MessageSink &sink);
void ReportRemoveFailure(const QString &path, const QString &reason, MessageSink &sink);

// The messages of an intent file ("<name>.tfx") found at an open: damaged (the open is refused),
// set aside (the files changed since it was made) and a deletion finished.
void ReportDamagedIntent(const QString &intentPath, MessageSink &sink);
void ReportIntentSetAside(const QString &intentPath, MessageSink &sink);
void ReportDeletionCompleted(const QString &databasePath, MessageSink &sink);

} // namespace trelfin
