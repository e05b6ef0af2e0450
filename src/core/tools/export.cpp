#include "core/tools/export.h"

#include "core/registers/rowtext.h"
#include "core/store/cp1250.h"
#include "core/store/filewriter.h"

#include <QDir>

namespace trelfin {

namespace {

// A spreadsheet takes a cell that begins with one of these for a formula (or the start of one):
// such a text is written with an apostrophe in front, which makes the spreadsheet show it as the
// text it is.
bool startsLikeAFormula(const QString &cell)
{
    return !cell.isEmpty() && QStringView(u"=+-@\t\r").contains(cell.front());
}

QString csvField(QString cell, bool text)
{
    if (text && startsLikeAFormula(cell))
        cell.prepend(u'\'');
    cell.replace(u'"', QStringLiteral("\"\""));
    return u'"' + cell + u'"';
}

// A tab or a line break inside a field of the text export would split its fields or its line:
// each becomes a blank.
QString textField(QString cell)
{
    for (const QChar c : {QChar(u'\t'), QChar(u'\r'), QChar(u'\n')})
        cell.replace(c, u' ');
    return cell;
}

} // namespace

QByteArray ExportFileBytes(const Database &db, RegisterKind kind, ExportFormat format, const CsvOptions &csv)
{
    const bool asCsv = format == ExportFormat::csv;
    const bool utf8 = asCsv && csv.utf8;
    const QString separator = asCsv ? QString(csv.separator) : QStringLiteral("\t");
    const auto line = [&](QStringList cells, bool formatted) {
        if (kind == RegisterKind::incomes)
            cells.removeAt(2);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            // The second cell of a row is the amount the program formats: a minus in front is its
            // sign, which the spreadsheet must read as a number.
            cells[i] = asCsv ? csvField(cells.at(i), !formatted || i != 1) : textField(cells.at(i));
        }
        const QString text = cells.join(separator) + QStringLiteral("\r\n");
        return utf8 ? text.toUtf8() : toCp1250(text);
    };
    QByteArray bytes = utf8 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    if (asCsv && csv.header)
        bytes += line(registerColumnTitles(kind), false);
    const int count = db.reg(kind).count();
    for (int row = 1; row <= count; ++row)
        bytes += line(registerRowTexts(db, kind, row), true);
    return bytes;
}

bool ExportRegisters(const Database &db, const QString &folder, const QList<ExportRequest> &requests,
                     ExportFormat format, MessageSink &sink, const CsvOptions &csv)
{
    const QString extension = format == ExportFormat::text ? QStringLiteral(".txt") : QStringLiteral(".csv");
    for (RegisterKind kind : {RegisterKind::expenses, RegisterKind::bankAccount, RegisterKind::incomes,
                              RegisterKind::debts, RegisterKind::planned}) {
        for (const ExportRequest &request : requests) {
            if (request.kind != kind)
                continue;
            const QString path = QDir(folder).filePath(request.baseName + extension);
            if (!WriteWholeFile(path, ExportFileBytes(db, kind, format, csv), sink, false))
                return false;
        }
    }
    return true;
}

} // namespace trelfin
