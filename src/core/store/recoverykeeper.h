#pragma once

#include "core/store/recovery.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace trelfin {

class Database;

// Keeps the recovery file of the open database up to date while it holds unsaved changes.
// Every half second it looks at the database; when it is modified it takes a snapshot (cheap:
// the registers and texts are shared) and hands it to a thread of its own, which makes the
// bytes, and writes them only when they differ from those written last. So a change reaches the
// file within about a second, and typing never waits for the disk.
class RecoveryKeeper : public QObject
{
public:
    explicit RecoveryKeeper(const Database &db, QObject *parent = nullptr);
    ~RecoveryKeeper() override;

    // Looks at the database now (the timer calls it).
    void poll();
    // Waits until the snapshot handed over last is written (tests, benchmarks).
    void flush();
    // The database was saved, its changes dropped, or it is closed or deleted: the recovery file
    // goes, and a write still under way is waited for first, so that it cannot bring it back.
    // Nothing is removed while suspended.
    void removeFile();
    // While suspended nothing is written or removed: a recovery file of an earlier run is
    // waiting for the user's decision at the next open.
    void setSuspended(bool suspended);
    bool suspended() const { return m_suspended; }
    // What a write that failed says, called on the keeper's thread of creation (once a failure
    // follows a success).
    std::function<void(const QString &path, const QString &reason)> onWriteFailed;
    // How long the part on the calling thread took at the last poll that handed a snapshot over.
    qint64 lastPollNanoseconds() const { return m_lastPollNanoseconds; }

private:
    struct Job
    {
        QString path;
        QString modeSource;
        RecoverySnapshot snapshot;
    };
    void run();

    const Database &m_db;
    QTimer m_timer;
    bool m_suspended = false;
    qint64 m_lastPollNanoseconds = 0;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Job> m_job;
    bool m_writing = false;
    bool m_stop = false;
    bool m_failedLast = false;
    QByteArray m_lastWritten; // the SHA-1 of the bytes written last; empty after a removal
    QString m_lastPath;
    std::thread m_thread;
};

} // namespace trelfin
