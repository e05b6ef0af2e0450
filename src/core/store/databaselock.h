#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace trelfin {

// The lock that keeps a database to one window of one running program: a lock file
// "<folder><name>.tfl" beside the database file. A lock left behind by a program that no longer
// runs (it crashed or was killed) is taken over.
class DatabaseLock
{
public:
    DatabaseLock();
    ~DatabaseLock();
    DatabaseLock(DatabaseLock &&) noexcept;
    DatabaseLock &operator=(DatabaseLock &&) noexcept;

    // Takes the lock of the database "<folder><name>", giving up the one held before. False,
    // keeping the lock held before, when another window or running program holds it. Taking the
    // lock already held succeeds.
    bool acquire(const QString &folder, const QString &name);
    void release();

    // Why the last acquire() failed: another window or program holds the lock, the folder does
    // not exist, or the lock file cannot be made there (a read-only folder or disk).
    enum class Refusal { none, inUse, noFolder, folderNotWritable };
    Refusal refusal() const { return m_refusal; }
    bool holds(const QString &folder, const QString &name) const;

    static QString lockPath(const QString &folder, const QString &name);

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
    Refusal m_refusal = Refusal::none;
};

} // namespace trelfin
