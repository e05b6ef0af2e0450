#include "core/store/fileoperations.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
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

bool FileOperations::writeNew(const QString &path, const QByteArray &bytes, int mode, QString &reason)
{
    // A file given permissions is created for its owner alone and then given them: the umask does
    // not narrow them, and nobody else can open it in between.
    const int fd = ::open(nativePath(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          mode == defaultMode ? 0666 : 0600);
    if (fd < 0) {
        reason = systemReason(errno);
        return false;
    }
    // A file system without Unix permissions (FAT) refuses; the file keeps what it gives.
    if (mode != defaultMode)
        (void)::fchmod(fd, static_cast<mode_t>(mode & 0777));
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
    if (!OpenRegularFileForReading(source, reason))
        return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        reason = source.errorString();
        return false;
    }
    return writeNew(to, bytes, FileModeOf(from), reason);
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

bool OpenRegularFileForReading(QFile &file, QString &reason)
{
    const QByteArray path = nativePath(file.fileName());
    struct stat st {};
    // Looked at before it is opened: opening some devices does something by itself.
    if (::stat(path.constData(), &st) != 0) {
        reason = systemReason(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        reason = S_ISDIR(st.st_mode) ? systemReason(EISDIR) : QStringLiteral("To nie jest zwykły plik.");
        return false;
    }
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = systemReason(errno);
        return false;
    }
    // Swapped for something else since the look: refused all the same.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        reason = QStringLiteral("To nie jest zwykły plik.");
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

int FileModeOf(const QString &path)
{
    struct stat st {};
    if (::stat(nativePath(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return FileOperations::defaultMode;
    return int(st.st_mode & 0777); // never a set-id bit
}

} // namespace trelfin
