#include "core/store/filewriter.h"

#include "core/store/filetransaction.h"

#include <QFileInfo>

#include <csignal>

namespace trelfin {

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

} // namespace trelfin
