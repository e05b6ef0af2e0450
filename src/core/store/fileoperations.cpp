#include "core/store/fileoperations.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace trelfin {

namespace {

thread_local FileOperations *installed = nullptr;

QString systemReason(int error)
{
    return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : QStringLiteral("Nieznany błąd.");
}

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

bool writeAll(int fd, const QByteArray &bytes, QString &reason)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            reason = n == 0 ? QStringLiteral("Nie udało się zapisać całego pliku.") : systemReason(errno);
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

} // namespace

bool FileOperations::writeNew(const QString &path, const QByteArray &bytes, QString &reason)
{
    const int fd = ::open(nativePath(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = systemReason(errno);
        return false;
    }
    bool ok = writeAll(fd, bytes, reason);
    // The data must be on the disk before any name points at it; an error of the flush or of
    // closing is an error of the write.
    if (ok && ::fsync(fd) != 0) {
        reason = systemReason(errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        reason = systemReason(errno);
        ok = false;
    }
    if (!ok)
        ::unlink(nativePath(path).constData());
    return ok;
}

bool FileOperations::link(const QString &from, const QString &to, QString &reason)
{
    if (::link(nativePath(from).constData(), nativePath(to).constData()) == 0)
        return true;
    const int linkError = errno;
    if (linkError != EPERM && linkError != EXDEV && linkError != ENOTSUP && linkError != EMLINK) {
        reason = systemReason(linkError);
        return false;
    }
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        reason = source.errorString();
        return false;
    }
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        reason = source.errorString();
        return false;
    }
    return writeNew(to, bytes, reason);
}

bool FileOperations::rename(const QString &from, const QString &to, QString &reason)
{
    if (::rename(nativePath(from).constData(), nativePath(to).constData()) == 0)
        return true;
    reason = systemReason(errno);
    return false;
}

bool FileOperations::remove(const QString &path, QString &reason)
{
    if (::unlink(nativePath(path).constData()) == 0 || errno == ENOENT)
        return true;
    reason = systemReason(errno);
    return false;
}

bool FileOperations::syncFolder(const QString &folder, QString &reason)
{
    const int fd = ::open(nativePath(folder.isEmpty() ? QStringLiteral(".") : folder).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        reason = systemReason(errno);
        return false;
    }
    // Some file systems cannot flush a folder; their renames are then as safe as they get.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    if (!ok)
        reason = systemReason(errno);
    ::close(fd);
    return ok;
}

FileOperations &FileOperations::current()
{
    static FileOperations real;
    return installed ? *installed : real;
}

FileOperations::Override::Override(FileOperations &operations)
    : m_previous(installed)
{
    installed = &operations;
}

FileOperations::Override::~Override()
{
    installed = m_previous;
}

} // namespace trelfin
