#pragma once

// What every fuzz target of the file readers shares: a folder in memory for the file under test,
// and a message sink that shows nothing.
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/messagesink.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace trelfin::fuzz {

class QuietSink : public MessageSink
{
public:
    void ShowInformation(const QString &, const QString &, const QString &) override {}
};

// The folder of the file under test, on a memory file system when there is one.
inline const QString &folder()
{
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/trelfin-fuzz-XXXXXX")
                                                       : QDir::tempPath() + QStringLiteral("/trelfin-fuzz-XXXXXX"));
    static const QString path = dir.path() + u'/';
    return path;
}

// A database "f<extension>" in the fuzz folder, not yet read.
inline Database databaseNamed(const QString &extension)
{
    Database db;
    SplitDatabasePath(db, folder() + QStringLiteral("f") + extension);
    return db;
}

// Writes the fuzzer's bytes as the whole of `path`.
inline void writeInput(const QString &path, const std::uint8_t *data, std::size_t size)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
}

} // namespace trelfin::fuzz
