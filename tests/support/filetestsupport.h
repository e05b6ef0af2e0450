#pragma once

#include "core/store/fileoperations.h"
#include "core/store/messagesink.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtTest>

namespace trelfin::test {

// The whole content of a file; nothing when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes `bytes` the whole content of the file at `path`.
inline void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Records every message as "line 1|line 2".
class LineSink : public MessageSink
{
public:
    void ShowInformation(const QString &line1, const QString &line2, const QString &) override
    {
        messages.append(line1 + u'|' + line2);
    }
    QStringList messages;
};

// The real file operations, recording the file names that renames put in place, in order.
class RecordingRenames : public FileOperations
{
public:
    QStringList targets;
    bool rename(const QString &from, const QString &to, QString &reason) override
    {
        targets.append(QFileInfo(to).fileName());
        return FileOperations::rename(from, to, reason);
    }
};

} // namespace trelfin::test
