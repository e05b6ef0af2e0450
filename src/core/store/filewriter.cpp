#include "core/store/filewriter.h"

#include "core/store/messagesink.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace trelfin {

namespace {
const QString kWriteTitle = QStringLiteral("Błąd podczas zapisu pliku");
const QString kReadTitle = QStringLiteral("Błąd podczas odczytu pliku");
} // namespace

bool WriteWholeFile(const QString &path, const QByteArray &bytes, MessageSink &sink)
{
    QSaveFile file(path);
    int shortWriteError = 0;
    // Unbuffered, so that a short or failed write shows in write()'s count: Qt 6.4's QSaveFile
    // commits a truncated file when the failure only happens while its buffer is flushed.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (written) {
        errno = 0;
        written = file.write(bytes) == bytes.size();
        shortWriteError = errno;
    }
    if (written)
        written = file.commit();
    if (written)
        return true;

    // A short write leaves no error in the file object; the system's reason is still in errno.
    QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                   : shortWriteError != 0                 ? QString::fromLocal8Bit(std::strerror(shortWriteError))
                                                          : QStringLiteral("Nie udało się zapisać całego pliku.");
    file.cancelWriting(); // the temporary file goes; the previous file stays as it was
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
