#include "core/tools/export.h"

#include "core/registers/rowtext.h"
#include "core/store/cp1250.h"
#include "core/store/filewriter.h"

#include <QDir>

namespace trelfin {

namespace {

QString csvField(QString cell)
{
    cell.replace(u'"', QStringLiteral("\"\""));
    return u'"' + cell + u'"';
}

} // namespace

QByteArray ExportFileBytes(const Database &db, RegisterKind kind, ExportFormat format)
{
    QByteArray bytes;
    const int count = db.reg(kind).count();
    for (int row = 1; row <= count; ++row) {
        QStringList cells = registerRowCells(db, kind, row);
        if (kind == RegisterKind::incomes)
            cells.removeAt(2);
        if (format == ExportFormat::csv) {
            for (QString &cell : cells)
                cell = csvField(cell);
        }
        bytes += toCp1250(cells.join(format == ExportFormat::text ? QStringLiteral("\t") : QStringLiteral(",")));
        bytes += "\r\n";
    }
    return bytes;
}

bool ExportRegisters(const Database &db, const QString &folder, const QList<ExportRequest> &requests,
                     ExportFormat format, MessageSink &sink)
{
    const QString extension = format == ExportFormat::text ? QStringLiteral(".txt") : QStringLiteral(".csv");
    for (RegisterKind kind : {RegisterKind::expenses, RegisterKind::bankAccount, RegisterKind::incomes,
                              RegisterKind::debts, RegisterKind::planned}) {
        for (const ExportRequest &request : requests) {
            if (request.kind != kind)
                continue;
            const QString path = QDir(folder).filePath(request.baseName + extension);
            if (!WriteWholeFile(path, ExportFileBytes(db, kind, format), sink, false))
                return false;
        }
    }
    return true;
}

} // namespace trelfin
