#include "core/store/groupset.h"

#include "core/store/cp1250.h"
#include "core/store/filemessages.h"
#include "core/store/filewriter.h"
#include "core/store/messagesink.h"

#include <QFile>

#include <algorithm>
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

std::optional<GroupNames> ReadGroupSetBytes(const QByteArray &bytes)
{
    if (bytes.size() < GroupSetFileSize)
        return std::nullopt;
    GroupNames names;
    for (int g = 1; g <= GroupCount; ++g) {
        const int at = (g - 1) * kFieldSize;
        const int length = std::min<int>(static_cast<std::uint8_t>(bytes[at]), Width::groupName);
        names[g] = fromCp1250(bytes.mid(at + 1, length));
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
    if (!file.open(QIODevice::ReadOnly)) {
        ReportReadFailure(path, file.errorString(), sink);
        return false;
    }
    const auto names = ReadGroupSetBytes(file.read(GroupSetFileSize));
    if (!names) {
        ReportReadFailure(path,
                          QStringLiteral("To nie jest zbiór grup: plik ma mniej niż %1 bajtów.").arg(GroupSetFileSize),
                          sink);
        return false;
    }
    header.groupNames = *names;
    return true;
}

} // namespace trelfin
