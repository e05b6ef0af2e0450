#include "core/store/recoverykeeper.h"

#include "core/store/database.h"
#include "core/store/databasefiles.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QMetaObject>

namespace trelfin {

RecoveryKeeper::RecoveryKeeper(const Database &db, QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_thread([this] { run(); })
{
    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::poll);
    m_timer.start();
}

RecoveryKeeper::~RecoveryKeeper()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void RecoveryKeeper::poll()
{
    if (m_suspended || !m_db.databaseLoaded || !m_db.modified)
        return;
    QElapsedTimer timer;
    timer.start();
    Job job{RecoveryFilePath(m_db), RecordFilePath(m_db), RecoverySnapshot{m_db, QDateTime::currentDateTimeUtc()}};
    {
        const std::lock_guard lock(m_mutex);
        m_job = std::move(job); // a snapshot not written yet is replaced by the newer one
    }
    m_wake.notify_all();
    m_lastPollNanoseconds = timer.nsecsElapsed();
}

void RecoveryKeeper::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_job && !m_writing; });
}

void RecoveryKeeper::removeFile()
{
    if (m_suspended)
        return;
    std::unique_lock lock(m_mutex);
    m_job.reset();
    m_idle.wait(lock, [this] { return !m_writing; });
    m_lastWritten.clear();
    RemoveRecoveryFile(m_db);
}

void RecoveryKeeper::setSuspended(bool suspended)
{
    if (suspended) {
        std::unique_lock lock(m_mutex);
        m_job.reset();
        m_idle.wait(lock, [this] { return !m_writing; });
    }
    m_suspended = suspended;
}

void RecoveryKeeper::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || m_job; });
        if (m_stop)
            return;
        Job job = std::move(*m_job);
        m_job.reset();
        m_writing = true;
        const QByteArray last = job.path == m_lastPath ? m_lastWritten : QByteArray();
        lock.unlock();

        const QByteArray bytes = RecoveryBytes(job.snapshot);
        // The time the state was taken is part of the bytes: only the rest tells a change.
        const QByteArray digest = QCryptographicHash::hash(bytes.mid(28, bytes.size() - 28 - 20), QCryptographicHash::Sha1);
        QString reason;
        bool written = true;
        if (digest != last)
            written = WriteRecoveryFile(job.path, bytes, job.modeSource, reason);

        lock.lock();
        m_writing = false;
        if (written && digest != last) {
            m_lastWritten = digest;
            m_lastPath = job.path;
        }
        const bool report = !written && !m_failedLast;
        m_failedLast = !written;
        if (report && onWriteFailed) {
            QMetaObject::invokeMethod(this, [this, path = job.path, reason] {
                if (onWriteFailed)
                    onWriteFailed(path, reason);
            }, Qt::QueuedConnection);
        }
        m_idle.notify_all();
    }
}

} // namespace trelfin
