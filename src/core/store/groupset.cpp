#include "core/store/groupset.h"

#include "core/store/cp1250.h"
#include "core/store/filemessages.h"
#include "core/store/fileoperations.h"
#include "core/store/filewriter.h"
#include "core/store/messagesink.h"

#include <QFile>

#include <cstring>

namespace trelfin {

namespace {
constexpr int kFieldSize = Width::groupName + 1;
} // namespace

QByteArray GroupSetBytes(const GroupNames &names)
{
    QByteArray bytes(GroupSetFileSize, '\0');
    for (int g = 1; g <= GroupCount; ++g) {
        const QByteArray chars = toCp1250(names[g]).left(Width::groupName);
        const int at = (g - 1) * kFieldSize;
        bytes[at] = static_cast<char>(chars.size());
        std::memcpy(bytes.data() + at + 1, chars.constData(), chars.size());
    }
    return bytes;
}

namespace {

// A byte that stands for a character one can see or a blank in code page 1250: not a control
// character and not one of the five positions the code page leaves undefined.
bool isPrintableCp1250(std::uint8_t byte)
{
    if (byte < 0x20 || byte == 0x7F)
        return false;
    return byte != 0x81 && byte != 0x83 && byte != 0x88 && byte != 0x90 && byte != 0x98;
}

} // namespace

QString GroupSetProblem(const QByteArray &bytes)
{
    if (bytes.size() != GroupSetFileSize)
        return QStringLiteral("To nie jest zbiór grup: plik zbioru grup ma dokładnie %1 bajtów.").arg(GroupSetFileSize);
    for (int g = 1; g <= GroupCount; ++g) {
        const int at = (g - 1) * kFieldSize;
        const int length = static_cast<std::uint8_t>(bytes[at]);
        if (length > Width::groupName)
            return QStringLiteral("To nie jest zbiór grup: nazwa grupy %1 ma długość %2, a może mieć najwyżej %3 znaków.")
                .arg(g)
                .arg(length)
                .arg(Width::groupName);
        for (int i = 1; i <= length; ++i) {
            if (!isPrintableCp1250(static_cast<std::uint8_t>(bytes[at + i])))
                return QStringLiteral("To nie jest zbiór grup: nazwa grupy %1 zawiera znak, którego nie można wyświetlić.").arg(g);
        }
    }
    return QString();
}

std::optional<GroupNames> ReadGroupSetBytes(const QByteArray &bytes)
{
    if (!GroupSetProblem(bytes).isEmpty())
        return std::nullopt;
    GroupNames names;
    for (int g = 1; g <= GroupCount; ++g) {
        const int at = (g - 1) * kFieldSize;
        names[g] = fromCp1250(bytes.mid(at + 1, static_cast<std::uint8_t>(bytes[at])));
    }
    return names;
}

QString StoredGroupName(const QString &typed)
{
    return fitText(typed, Width::groupName).leftJustified(Width::groupName, u' ');
}

bool ExportGroupSet(const DatabaseHeader &header, const QString &path, MessageSink &sink)
{
    return WriteWholeFile(path, GroupSetBytes(header.groupNames), sink);
}

bool ImportGroupSet(DatabaseHeader &header, const QString &path, MessageSink &sink)
{
    QFile file(path);
    QString reason;
    if (!OpenRegularFileForReading(file, reason)) {
        ReportReadFailure(path, reason, sink);
        return false;
    }
    // One byte more than a group set holds tells a longer file from one of the right size.
    const QByteArray bytes = file.read(GroupSetFileSize + 1);
    const QString problem = GroupSetProblem(bytes);
    if (!problem.isEmpty()) {
        ReportReadFailure(path, problem, sink);
        return false;
    }
    header.groupNames = *ReadGroupSetBytes(bytes);
    return true;
}

} // namespace trelfin
