#include "filewriter.h"

#include "messagesink.h"

#include <QDir>
#include <QSaveFile>

namespace trelfin {

namespace {
const QString kWriteTitle = QStringLiteral("Błąd podczas zapisu pliku");
const QString kReadTitle = QStringLiteral("Błąd podczas odczytu pliku");
} // namespace

bool WriteWholeFile(const QString &path, const QByteArray &bytes, MessageSink &sink)
{
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written)
        written = file.write(bytes) == bytes.size();
    if (written)
        written = file.commit(); // also reports a failed flush of the buffered bytes
    if (written)
        return true;

    const QString reason = file.errorString();
    file.cancelWriting(); // drops the temporary file of a write that failed before the commit
    sink.ShowInformation(QStringLiteral("Nie można zapisać pliku %1").arg(QDir::toNativeSeparators(path)),
                         reason, kWriteTitle);
    return false;
}

void ReportReadFailure(const QString &path, const QString &reason, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Nie można odczytać pliku %1").arg(QDir::toNativeSeparators(path)),
                         reason, kReadTitle);
}

void ReportRemoveFailure(const QString &path, const QString &reason, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Nie można usunąć pliku %1").arg(QDir::toNativeSeparators(path)),
                         reason, kWriteTitle);
}

} // namespace trelfin
