#include "core/store/recovery.h"

#include "core/store/databasefiles.h"
#include "core/store/fileoperations.h"
#include "core/store/sidefiles.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace trelfin {

namespace {

const QByteArray kMagic = "TRELFIN-RECOVERY";
constexpr quint32 kVersion = 1;
constexpr int kHashSize = 20;
// Far more than any state: a full period file is under 1.5 MB.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

QString identityOf(const Database &db)
{
    return db.databaseName + u'\n' + db.header.createdDate;
}

void putU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putPart(QByteArray &out, const QByteArray &part)
{
    putU32(out, quint32(part.size()));
    out.append(part);
}

// Reads the file's fields in order; any read past the end marks it damaged.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }
    bool ok() const { return m_ok; }
    QByteArray take(qsizetype size)
    {
        if (!m_ok || size < 0 || m_at + size > m_bytes.size()) {
            m_ok = false;
            return QByteArray();
        }
        const QByteArray part = m_bytes.mid(m_at, size);
        m_at += size;
        return part;
    }
    quint32 u32()
    {
        const QByteArray b = take(4);
        return m_ok ? qFromLittleEndian<quint32>(b.constData()) : 0;
    }
    qint64 i64()
    {
        const QByteArray b = take(8);
        return m_ok ? qFromLittleEndian<qint64>(b.constData()) : 0;
    }
    QByteArray part() { return take(u32()); }
    bool atEnd() const { return m_at == m_bytes.size(); }

private:
    const QByteArray &m_bytes;
    qsizetype m_at = 0;
    bool m_ok = true;
};

std::optional<RecoveryState> decodeRecovery(const QByteArray &bytes, QString &problem)
{
    if (bytes.size() < kMagic.size() + kHashSize || !bytes.startsWith(kMagic)) {
        problem = QStringLiteral("to nie jest plik odzyskiwania programu Trelfin");
        return std::nullopt;
    }
    const QByteArray body = bytes.left(bytes.size() - kHashSize);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha1) != bytes.right(kHashSize)) {
        problem = QStringLiteral("plik jest uszkodzony (suma kontrolna się nie zgadza)");
        return std::nullopt;
    }
    Reader in(body);
    in.take(kMagic.size());
    if (in.u32() != kVersion) {
        problem = QStringLiteral("plik pochodzi z innej wersji programu");
        return std::nullopt;
    }
    RecoveryState state;
    state.takenAt = QDateTime::fromMSecsSinceEpoch(in.i64(), Qt::UTC);
    state.identity = QString::fromUtf8(in.part());
    state.currentPeriod = int(in.u32());
    state.record = in.part();
    state.period = in.part();
    state.shoppingList = in.part();
    state.notes = in.part();
    if (!in.ok() || !in.atEnd() || state.currentPeriod < 1 || state.currentPeriod > MaxPeriods) {
        problem = QStringLiteral("plik jest uszkodzony");
        return std::nullopt;
    }
    return state;
}

} // namespace

QString RecoveryFilePath(const Database &db)
{
    return DatabaseFilePath(db, QStringLiteral(".tfr"));
}

QByteArray RecoveryBytes(const RecoverySnapshot &snapshot)
{
    const Database &db = snapshot.db;
    QByteArray out = kMagic;
    putU32(out, kVersion);
    char time[8];
    qToLittleEndian(qint64(snapshot.takenAt.toMSecsSinceEpoch()), time);
    out.append(time, 8);
    putPart(out, identityOf(db).toUtf8());
    putU32(out, quint32(db.currentPeriod));
    putPart(out, DatabaseRecordBytes(db.header));
    putPart(out, PeriodFileBytes(db));
    putPart(out, encodeShoppingList(db));
    putPart(out, encodeNotes(db));
    out.append(QCryptographicHash::hash(out, QCryptographicHash::Sha1));
    return out;
}

bool WriteRecoveryFile(const QString &path, const QByteArray &bytes, const QString &modeSource, QString &reason)
{
    FileOperations &files = FileOperations::current();
    // A name of its own, not one of the database's transaction temporaries: this write runs
    // beside saves and never takes part in them.
    const QString temporary = path + QStringLiteral(".tmp");
    QString ignored;
    files.remove(temporary, ignored);
    if (!files.writeNew(temporary, bytes, FileModeOf(modeSource), reason))
        return false;
    if (!files.rename(temporary, path, reason)) {
        files.remove(temporary, ignored);
        return false;
    }
    const QString folder = QFileInfo(path).absolutePath();
    return files.syncFolder(folder, reason);
}

FoundRecovery FindRecovery(const Database &db)
{
    FoundRecovery found;
    const QString path = RecoveryFilePath(db);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return found;
    QFile file(path);
    QString reason;
    QByteArray bytes;
    if (!OpenRegularFileForReading(file, reason) || (bytes = file.read(kLargestFile), file.error() != QFileDevice::NoError)) {
        found.finding = RecoveryFinding::damaged;
        found.problem = reason.isEmpty() ? file.errorString() : reason;
        return found;
    }
    const std::optional<RecoveryState> state = decodeRecovery(bytes, found.problem);
    if (!state) {
        found.finding = RecoveryFinding::damaged;
        return found;
    }
    found.state = *state;
    if (state->identity != identityOf(db)) {
        found.finding = RecoveryFinding::otherDatabase;
        found.problem = QStringLiteral("plik należy do innej bazy");
        return found;
    }
    // A save after the state was taken wrote what it held and more: nothing is left to recover.
    const QFileInfo record(RecordFilePath(db));
    found.finding = record.exists() && record.lastModified() > state->takenAt ? RecoveryFinding::stale
                                                                              : RecoveryFinding::offered;
    return found;
}

QString RecoveryNotice(const Database &db)
{
    const FoundRecovery found = FindRecovery(db);
    const QString name = QFileInfo(RecoveryFilePath(db)).fileName();
    switch (found.finding) {
    case RecoveryFinding::none:
    case RecoveryFinding::stale:
        return QString();
    case RecoveryFinding::offered:
        return QStringLiteral("niezapisane zmiany z %1 (plik %2); otwórz bazę w programie Trelfin, aby je przywrócić lub odrzucić")
            .arg(found.state.takenAt.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")), name);
    case RecoveryFinding::damaged:
    case RecoveryFinding::otherDatabase:
        break;
    }
    return QStringLiteral("plik odzyskiwania %1 nie nadaje się do użycia: %2").arg(name, found.problem);
}

bool ApplyRecovery(Database &db, const RecoveryState &state)
{
    QString problem;
    const std::optional<DatabaseHeader> header = DatabaseRecordFromBytes(state.record, problem);
    if (!header || state.currentPeriod > header->periodCount)
        return false;
    Database recovered = db;
    recovered.header = *header;
    recovered.currentPeriod = recovered.selectedPeriod = state.currentPeriod;
    if (!PeriodFromBytes(recovered, state.period) || !ShoppingListFromBytes(recovered, state.shoppingList)
        || !NotesFromBytes(recovered, state.notes))
        return false;
    recovered.shoppingListKept = recovered.notesKept = false;
    recovered.modified = true;
    db = std::move(recovered);
    return true;
}

void RemoveRecoveryFile(const Database &db)
{
    QString ignored;
    FileOperations::current().remove(RecoveryFilePath(db), ignored);
}

bool SetRecoveryAside(const Database &db, QString &reason)
{
    const QString path = RecoveryFilePath(db);
    return FileOperations::current().rename(path, path + u'~', reason);
}

} // namespace trelfin
