#include "core/store/filetransaction.h"

#include "core/store/fileoperations.h"
#include "core/store/filemessages.h"
#include "core/store/messagesink.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace trelfin {

namespace {

// The intent file: a first line naming the format, then one line per step with six fields
// separated by tabs: "P" (put a temporary file in place) or "R" (remove), the temporary file
// ("-" for a removal), the target, the flags "b" (keep a backup) and "o" (optional: a failure
// skips the step), what the target held when the intent was made and what a put step makes it
// hold. Names only, percent-encoded so that no character of a name can split a field or a line:
// every file lies in the database's folder. A content is "-" (no file), "x" (not a regular
// file) or "<size>:<SHA-1>". A last line "END" tells a whole file from a damaged one.
// Format 1, of earlier versions, had the first four fields only, names as they are.
const QByteArray kIntentHeader = "trelfin-intent 2";
const QByteArray kIntentHeaderFormat1 = "trelfin-intent 1";
const QByteArray kNoFile = "-";
const QByteArray kNotARegularFile = "x";

struct IntentStep
{
    bool put = true;
    QString temporary;
    QString target;
    bool keepBackup = true;
    bool optional = false;
    // The target is a symbolic link: its temporary lies beside the file the link points to,
    // which it replaces.
    bool besideLinkTarget = false;
    QByteArray before; // empty in format 1: not recorded
    QByteArray after;
};

QString nameTag(const QString &name)
{
    return QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
}

QString fileName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? path : path.mid(slash + 1);
}

QString folderOf(const QString &folder)
{
    return folder.isEmpty() ? QStringLiteral(".") : folder;
}

// Keeps the present content of `target` as `backup`; a failure costs only the backup.
void keepBackup(FileOperations &files, const QString &target, const QString &backup)
{
    if (!QFileInfo(target).isFile())
        return;
    QString ignored;
    files.remove(backup, ignored);
    files.link(target, backup, ignored);
}

// `path` with its symbolic links followed; `path` itself when it is no link. A loop of links
// ends after a few hops.
QString resolveLinks(QString path)
{
    for (int hop = 0; hop < 16; ++hop) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            return path;
        path = info.symLinkTarget(); // absolute, also for a link that points nowhere yet
    }
    return path;
}

// The folder of `path`, with its separator; empty for a bare name.
QString folderOfFile(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

QByteArray contentOf(const QByteArray &bytes)
{
    return QByteArray::number(bytes.size()) + ':' + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

// What the file at `path` holds, as an intent records it.
QByteArray contentOfFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.isSymLink() ? kNotARegularFile : kNoFile;
    QFile file(path);
    QString reason;
    if (!info.isFile() || !OpenRegularFileForReading(file, reason))
        return kNotARegularFile;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file))
        return kNotARegularFile;
    return QByteArray::number(info.size()) + ':' + hash.result().toHex();
}

bool usableName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && name != u'.' && name != QStringLiteral("..");
}

bool usableContent(const QByteArray &content)
{
    if (content == kNoFile || content == kNotARegularFile)
        return true;
    const qsizetype colon = content.indexOf(':');
    bool number = false;
    content.left(colon).toLongLong(&number);
    return colon > 0 && number && content.size() - colon - 1 == 40;
}

QByteArray encodeIntent(const QList<IntentStep> &steps)
{
    QByteArray intent = kIntentHeader + '\n';
    for (const IntentStep &step : steps) {
        QByteArray flags;
        if (step.keepBackup)
            flags += 'b';
        if (step.optional)
            flags += 'o';
        if (step.besideLinkTarget)
            flags += 'l';
        const QList<QByteArray> fields = {step.put ? QByteArray("P") : QByteArray("R"),
                                          step.put ? step.temporary.toUtf8().toPercentEncoding() : kNoFile,
                                          step.target.toUtf8().toPercentEncoding(), flags, step.before,
                                          step.put ? step.after : kNoFile};
        intent += fields.join('\t') + '\n';
    }
    return intent + "END\n";
}

// The steps of a whole intent file; nothing for a damaged one.
std::optional<QList<IntentStep>> decodeIntent(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || (lines.first() != kIntentHeader && lines.first() != kIntentHeaderFormat1))
        return std::nullopt;
    const bool format1 = lines.first() == kIntentHeaderFormat1;
    const auto name = [format1](const QByteArray &field) {
        return QString::fromUtf8(format1 ? field : QByteArray::fromPercentEncoding(field));
    };
    QList<IntentStep> steps;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i) == "END")
            return steps;
        const QList<QByteArray> fields = lines.at(i).split('\t');
        if (fields.size() != (format1 ? 4 : 6) || (fields.at(0) != "P" && fields.at(0) != "R"))
            return std::nullopt;
        IntentStep step;
        step.put = fields.at(0) == "P";
        step.temporary = step.put ? name(fields.at(1)) : QString();
        step.target = name(fields.at(2));
        if ((step.put && !usableName(step.temporary)) || !usableName(step.target))
            return std::nullopt;
        step.keepBackup = fields.at(3).contains('b');
        step.optional = fields.at(3).contains('o');
        step.besideLinkTarget = fields.at(3).contains('l');
        if (!format1) {
            step.before = fields.at(4);
            step.after = fields.at(5);
            if (!usableContent(step.before) || (step.put && !usableContent(step.after)))
                return std::nullopt;
        }
        steps.append(step);
    }
    return std::nullopt;
}

// Where a put step's target and temporary file are: beside the file a linked target points to.
QString realTarget(const QString &folder, const IntentStep &step)
{
    return step.besideLinkTarget ? resolveLinks(folder + step.target) : folder + step.target;
}

QString temporaryOf(const QString &folder, const IntentStep &step)
{
    return (step.besideLinkTarget ? folderOfFile(realTarget(folder, step)) : folder) + step.temporary;
}

// Whether the files are still those the intent was made for: each step either still to run or
// run already (an optional one may have been skipped).
bool seen(const QString &folder, const IntentStep &step)
{
    if (step.before.isEmpty())
        return true;
    const QByteArray now = contentOfFile(folder + step.target);
    if (!step.put)
        return now == kNoFile || now == step.before;
    if (QFileInfo::exists(temporaryOf(folder, step)))
        return now == step.before;
    return now == step.after || (step.optional && now == step.before);
}

// Only the deletion of a database makes an intent of removals alone: every other commit writes
// at least the record.
bool isDeletion(const QList<IntentStep> &steps)
{
    return !steps.isEmpty() && std::none_of(steps.begin(), steps.end(), [](const IntentStep &s) { return s.put; });
}

// Runs the steps in order. Each can run again after a stop: a temporary file that is gone was
// put in place already, and removing a file that is gone changes nothing. An optional step that
// fails is reported and skipped.
bool runSteps(const QString &folder, const QList<IntentStep> &steps, MessageSink &sink, bool firstRun = false)
{
    FileOperations &files = FileOperations::current();
    QString reason;
    for (const IntentStep &step : steps) {
        const QString named = folder + step.target;
        const QString target = step.put ? realTarget(folder, step) : named;
        bool done = true;
        if (step.put) {
            const QString temporary = temporaryOf(folder, step);
            if (!QFile::exists(temporary)) {
                // Gone on a replay: put in place before the stop. On the first run it is a fault.
                if (!firstRun)
                    continue;
                ReportWriteFailure(target, QString::fromLocal8Bit(std::strerror(ENOENT)), sink);
                return false;
            }
            // The backup stays beside the name the database uses, also for a linked file.
            if (step.keepBackup)
                keepBackup(files, target, FileTransaction::backupPath(named));
            done = files.rename(temporary, target, reason);
            if (!done && step.optional)
                files.remove(temporary, reason);
            if (done && step.besideLinkTarget)
                files.syncFolder(folderOf(folderOfFile(target)), reason);
        } else if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
            // A removal takes the name away, a link too, never a file elsewhere it points to.
            if (step.keepBackup)
                keepBackup(files, target, FileTransaction::backupPath(target));
            done = files.remove(target, reason);
        }
        if (!done) {
            ReportWriteFailure(target, reason, sink);
            if (!step.optional)
                return false;
        }
    }
    files.syncFolder(folderOf(folder), reason);
    return true;
}

} // namespace

FileTransaction::FileTransaction(const QString &folder, const QString &name)
    : m_folder(folder)
    , m_name(name)
    , m_modeSource(folder + name + QStringLiteral(".tf4"))
{
}

int FileTransaction::modeFor(const QString &path) const
{
    const int replaced = FileModeOf(path);
    return replaced != FileOperations::defaultMode ? replaced : FileModeOf(m_modeSource);
}

FileTransaction::~FileTransaction()
{
    if (!m_committed)
        discard();
}

QString FileTransaction::temporaryPath(const QString &folder, const QString &name)
{
    const quint32 random = QRandomGenerator::global()->generate();
    return folder + QStringLiteral(".tf-%1-%2.tmp").arg(nameTag(name)).arg(random, 8, 16, QLatin1Char('0'));
}

QString FileTransaction::intentPath(const QString &folder, const QString &name)
{
    return folder + name + QStringLiteral(".tfx");
}

bool FileTransaction::prepare(const QString &path, bool written, const QString &temporary, const QByteArray &content,
                              const QString &reason, MessageSink &sink, Need need)
{
    if (written && QFileInfo(resolveLinks(path)).isDir()) {
        // Found out now rather than when the changes are half in place.
        QString ignored;
        FileOperations::current().remove(temporary, ignored);
        ReportWriteFailure(path, QString::fromLocal8Bit(std::strerror(EISDIR)), sink);
        written = false;
    } else if (!written) {
        ReportWriteFailure(path, reason, sink);
    }
    if (written)
        m_steps.append({temporary, path, m_keepBackups, need == Need::optional, content});
    else if (need == Need::required)
        m_failed = true;
    return written;
}

bool FileTransaction::write(const QString &path, const QByteArray &bytes, MessageSink &sink, Need need)
{
    if (m_failed)
        return false;
    // A file of the database that is a symbolic link stays one: the new content is written
    // beside the file it points to (a rename works only within one file system) and replaces that.
    const QString real = resolveLinks(path);
    const bool linked = real != path;
    const QString temporary = temporaryPath(linked ? folderOfFile(real) : m_folder, m_name);
    QString reason;
    const bool written = FileOperations::current().writeNew(temporary, bytes, modeFor(real), reason);
    if (!prepare(path, written, temporary, contentOf(bytes), reason, sink, need))
        return false;
    m_steps.last().besideLinkTarget = linked;
    return true;
}

bool FileTransaction::copyFrom(const QString &source, const QString &path, MessageSink &sink)
{
    if (m_failed)
        return false;
    // A copy of its own, never a second name of `source`: a file put in place must share its
    // content with no other live file and no backup, or restoring one by copying over it would
    // change the other too.
    QFile file(source);
    QString reason;
    QByteArray bytes;
    if (!OpenRegularFileForReading(file, reason) || (bytes = file.readAll(), file.error() != QFileDevice::NoError)) {
        ReportReadFailure(source, reason.isEmpty() ? file.errorString() : reason, sink);
        m_failed = true;
        return false;
    }
    return write(path, bytes, sink);
}

void FileTransaction::remove(const QString &path, bool keepBackup)
{
    m_steps.append({QString(), path, keepBackup, false, QByteArray()});
}

QString FileTransaction::relativeName(const QString &path) const
{
    // The name inside the database's folder, whatever characters the folder's own name holds.
    return !m_folder.isEmpty() && path.startsWith(m_folder) ? path.mid(m_folder.size()) : fileName(path);
}

void FileTransaction::discard()
{
    QString ignored;
    for (const Step &step : std::as_const(m_steps)) {
        if (!step.temporary.isEmpty())
            FileOperations::current().remove(step.temporary, ignored);
    }
    m_steps.clear();
}

bool FileTransaction::commit(MessageSink &sink)
{
    m_committed = true;
    if (m_failed) {
        discard();
        return false;
    }
    // Steps of an earlier commit that could not all be run go first: this commit's intent file
    // takes the same name, and records what the files hold after them.
    if (!finishIntent(m_folder, m_name, sink, nullptr)) {
        discard();
        return false;
    }
    QList<IntentStep> steps;
    for (const Step &step : std::as_const(m_steps)) {
        IntentStep s;
        s.put = !step.temporary.isEmpty();
        // A linked target's temporary lies beside the file the link points to: its bare name.
        s.temporary = !s.put ? QString() : step.besideLinkTarget ? fileName(step.temporary) : relativeName(step.temporary);
        s.target = relativeName(step.target);
        s.keepBackup = step.keepBackup;
        s.optional = step.optional;
        s.besideLinkTarget = step.besideLinkTarget;
        s.before = contentOfFile(step.target);
        s.after = s.put ? step.after : QByteArray();
        steps.append(s);
    }

    // The commit point: the intent file appears whole, in one rename, or not at all.
    FileOperations &files = FileOperations::current();
    const QString intentFile = intentPath(m_folder, m_name);
    const QString intentTemporary = temporaryPath(m_folder, m_name);
    QString reason;
    // The temporary files' names reach the disk before the intent that names them.
    files.syncFolder(folderOf(m_folder), reason);
    if (!files.writeNew(intentTemporary, encodeIntent(steps), FileOperations::defaultMode, reason)
        || !files.rename(intentTemporary, intentFile, reason)) {
        QString ignored;
        files.remove(intentTemporary, ignored);
        ReportWriteFailure(intentFile, reason, sink); // nothing was put in place: the old files stand
        discard();
        return false;
    }
    files.syncFolder(folderOf(m_folder), reason);

    // Past the commit point the new state is the database's: a step that fails now is reported and
    // completed by the next write or open of the database, which runs the intent first.
    if (runSteps(m_folder, steps, sink, true) && !files.remove(intentFile, reason))
        ReportRemoveFailure(intentFile, reason, sink);
    files.syncFolder(folderOf(m_folder), reason);
    return true;
}

bool FileTransaction::commitSingle(MessageSink &sink)
{
    m_committed = true;
    if (m_failed || m_steps.size() != 1 || m_steps.first().temporary.isEmpty()) {
        discard();
        return false;
    }
    // An earlier commit of this database that did not finish goes first, so that its older files
    // are never put over this newer one later.
    if (!finishIntent(m_folder, m_name, sink, nullptr)) {
        discard();
        return false;
    }
    const Step step = m_steps.first();
    const QString real = step.besideLinkTarget ? resolveLinks(step.target) : step.target;
    FileOperations &files = FileOperations::current();
    if (step.keepBackup)
        keepBackup(files, real, backupPath(step.target));
    QString reason;
    if (!files.rename(step.temporary, real, reason)) {
        ReportWriteFailure(step.target, reason, sink);
        discard();
        return false;
    }
    files.syncFolder(folderOf(step.besideLinkTarget ? folderOfFile(real) : m_folder), reason);
    return true;
}

bool FileTransaction::finishIntent(const QString &folder, const QString &name, MessageSink &sink, Pending *outcome)
{
    const QString intentFile = intentPath(folder, name);
    if (!QFileInfo::exists(intentFile) && !QFileInfo(intentFile).isSymLink())
        return true;
    QFile file(intentFile);
    QByteArray bytes;
    QString reason;
    if (!OpenRegularFileForReading(file, reason) || (bytes = file.read(1 << 20), file.error() != QFileDevice::NoError)) {
        // Unread, it may hold a commit half done: the database must not be opened as it is.
        ReportReadFailure(intentFile, reason.isEmpty() ? file.errorString() : reason, sink);
        return false;
    }
    const std::optional<QList<IntentStep>> steps = decodeIntent(bytes);
    if (!steps) {
        // A commit puts only whole intent files in place: one that is damaged was changed since
        // and may still stand for a commit half done. The user decides; nothing is removed.
        ReportDamagedIntent(intentFile, sink);
        return false;
    }
    FileOperations &files = FileOperations::current();
    if (!std::all_of(steps->begin(), steps->end(), [&folder](const IntentStep &step) { return seen(folder, step); })) {
        // The files changed since the intent was made (a database restored from a copy, say): it
        // no longer describes them and takes no step. Its temporary files are strays now.
        if (!files.remove(intentFile, reason)) {
            ReportRemoveFailure(intentFile, reason, sink);
            return false;
        }
        ReportIntentSetAside(intentFile, sink);
        if (outcome)
            *outcome = Pending::setAside;
        return true;
    }
    if (!runSteps(folder, *steps, sink))
        return false;
    if (!files.remove(intentFile, reason)) {
        ReportRemoveFailure(intentFile, reason, sink);
        return false;
    }
    // A deletion stopped half-way is finished now: said, since nothing else would show it.
    const bool deletion = isDeletion(*steps);
    if (deletion)
        ReportDeletionCompleted(folder + name, sink);
    if (outcome)
        *outcome = deletion ? Pending::deletionCompleted : Pending::completed;
    return true;
}

bool FileTransaction::completePending(const QString &folder, const QString &name, MessageSink &sink, Pending *outcome)
{
    if (outcome)
        *outcome = Pending::none;
    if (!finishIntent(folder, name, sink, outcome))
        return false;
    // Temporary files of this database that no intent names are leftovers of a stopped write.
    FileOperations &files = FileOperations::current();
    QString reason;
    const QStringList strays = QDir(folderOf(folder))
                                   .entryList({QStringLiteral(".tf-%1-*.tmp").arg(nameTag(name))},
                                              QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &stray : strays)
        files.remove(folder + stray, reason);
    files.syncFolder(folderOf(folder), reason);
    return true;
}

} // namespace trelfin
