#include "core/store/filewriter.h"

#include "core/store/filetransaction.h"
#include "core/store/messagesink.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>

namespace trelfin {

namespace {
const QString kWriteTitle = QStringLiteral("Błąd podczas zapisu pliku");
const QString kReadTitle = QStringLiteral("Błąd podczas odczytu pliku");
} // namespace

bool WriteWholeFile(const QString &path, const QByteArray &bytes, MessageSink &sink, bool keepBackup)
{
    const QFileInfo info(path);
    QString folder = info.path();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    FileTransaction transaction(path.contains(u'/') ? folder : QString(), info.completeBaseName());
    transaction.setKeepBackups(keepBackup);
    // One file: its temporary file renamed into place is already all or nothing, so the
    // transaction needs no intent file.
    return transaction.write(path, bytes, sink) && transaction.commitSingle(sink);
}

void IgnoreFileSizeLimitSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
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
