#pragma once

#include <QByteArray>
#include <QString>

namespace trelfin {

// The file-system steps every write of a database file goes through. Each returns false with
// the system's reason when it fails. Tests install their own to fail a chosen step.
class FileOperations
{
public:
    virtual ~FileOperations() = default;

    // Creates `path`, which must not exist yet, writes `bytes` and flushes them to the disk.
    virtual bool writeNew(const QString &path, const QByteArray &bytes, QString &reason);
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

} // namespace trelfin
