#pragma once

#include <QByteArray>
#include <QString>

class QFile;

namespace trelfin {

// The file-system steps every write of a database file goes through. Each returns false with
// the system's reason when it fails. Tests install their own to fail a chosen step.
class FileOperations
{
public:
    virtual ~FileOperations() = default;

    // The permissions of a new file that replaces none: those the umask leaves.
    static constexpr int defaultMode = -1;
    // Creates `path`, which must not exist yet, with the permission bits `mode` (defaultMode: as
    // the umask leaves them), writes `bytes` and flushes them to the disk.
    virtual bool writeNew(const QString &path, const QByteArray &bytes, int mode, QString &reason);
    // Gives `from`'s content the further name `to`, which must not exist yet: a hard link, or a
    // flushed copy where the file system has none.
    virtual bool link(const QString &from, const QString &to, QString &reason);
    // Renames `from` to `to`, replacing a file `to` in one step.
    virtual bool rename(const QString &from, const QString &to, QString &reason);
    virtual bool remove(const QString &path, QString &reason);
    // Flushes the folder's entries (new, renamed and removed names) to the disk.
    virtual bool syncFolder(const QString &folder, QString &reason);

    // The operations in force: the real ones, unless an Override is alive.
    static FileOperations &current();

    // Puts other operations in force for its lifetime (tests).
    class Override
    {
    public:
        explicit Override(FileOperations &operations);
        ~Override();
        Override(const Override &) = delete;
        Override &operator=(const Override &) = delete;

    private:
        FileOperations *m_previous;
    };
};

// Opens `file` (its name set) for reading without waiting: a FIFO or a device in place of a
// database file would block a plain open until something wrote to it. Anything but a regular
// file is refused, with the reason.
bool OpenRegularFileForReading(QFile &file, QString &reason);

// The permission bits of the regular file at `path` (links followed), or FileOperations::defaultMode
// when there is none.
int FileModeOf(const QString &path);

} // namespace trelfin
