#include "core/store/filemessages.h"

#include "core/store/messagesink.h"

#include <QDir>

namespace trelfin {

namespace {
const QString kWriteTitle = QStringLiteral("Błąd podczas zapisu pliku");
const QString kReadTitle = QStringLiteral("Błąd podczas odczytu pliku");
} // namespace

void ReportReadFailure(const QString &path, const QString &reason, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Nie można odczytać pliku %1").arg(QDir::toNativeSeparators(path)), reason,
                         kReadTitle);
}

void ReportWriteFailure(const QString &path, const QString &reason, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Nie można zapisać pliku %1").arg(QDir::toNativeSeparators(path)), reason,
                         kWriteTitle);
}

void ReportRemoveFailure(const QString &path, const QString &reason, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Nie można usunąć pliku %1").arg(QDir::toNativeSeparators(path)), reason,
                         kWriteTitle);
}

} // namespace trelfin
