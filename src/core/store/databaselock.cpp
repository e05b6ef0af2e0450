#include "core/store/databaselock.h"

#include <QFileInfo>
#include <QLockFile>

namespace trelfin {

DatabaseLock::DatabaseLock() = default;
DatabaseLock::~DatabaseLock() = default;
DatabaseLock::DatabaseLock(DatabaseLock &&) noexcept = default;
DatabaseLock &DatabaseLock::operator=(DatabaseLock &&) noexcept = default;

QString DatabaseLock::lockPath(const QString &folder, const QString &name)
{
    return folder + name + QStringLiteral(".tfl");
}

bool DatabaseLock::holds(const QString &folder, const QString &name) const
{
    return m_lock && m_path == lockPath(folder, name);
}

bool DatabaseLock::acquire(const QString &folder, const QString &name)
{
    if (holds(folder, name))
        return true;
    auto lock = std::make_unique<QLockFile>(lockPath(folder, name));
    // Only a holder that no longer runs makes a lock stale, however old the lock is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        const QString where = folder.isEmpty() ? QStringLiteral(".") : folder;
        m_refusal = lock->error() == QLockFile::LockFailedError ? Refusal::inUse
            : QFileInfo(where).isDir()                         ? Refusal::folderNotWritable
                                                               : Refusal::noFolder;
        return false;
    }
    m_refusal = Refusal::none;
    m_lock = std::move(lock);
    m_path = lockPath(folder, name);
    return true;
}

void DatabaseLock::release()
{
    m_lock.reset();
    m_path.clear();
}

} // namespace trelfin
