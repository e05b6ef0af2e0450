#pragma once

#include "core/store/database.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace trelfin {

class MessageSink;

// The registers written to plain files for other programs: tab-separated text (".txt") or
// quoted comma-separated values (".csv").
enum class ExportFormat { text, csv };

// How a CSV export is written beyond the described form (commas, no header, code page 1250),
// for a spreadsheet that expects otherwise: a Polish one opens "; "-separated UTF-8 with a
// byte-order mark correctly with a double click.
struct CsvOptions
{
    QChar separator = u',';
    bool header = false; // a first line naming the columns as the grid does
    bool utf8 = false;   // UTF-8 with a byte-order mark in place of code page 1250
    bool operator==(const CsvOptions &) const = default;
};

// One register to export and the base name of its file.
struct ExportRequest
{
    RegisterKind kind;
    QString baseName;
};

// The file of one register: a line per entry, in grid order, with the cells as the grid shows
// them (incomes: date, amount, description; the others: date, amount, group or kind,
// description), in code page 1250, each line ended by CR LF. Text joins the cells with TAB (a tab
// or line break inside a cell becomes a blank); CSV puts each in double quotes (a quote inside
// doubled) separated by commas, and a text cell a spreadsheet would take for a formula (one that
// begins with "=", "+", "-", "@", a tab or CR) gets an apostrophe in front. No header line.
// Group and kind names leave without their padding blanks. `csv` applies to the CSV format only.
QByteArray ExportFileBytes(const Database &db, RegisterKind kind, ExportFormat format, const CsvOptions &csv = {});

// Writes the requested registers into `folder` as "<baseName>.txt" or ".csv", in the order
// expenses, bank account, incomes, debts, planned; an existing file is replaced. Stops at the
// first file that cannot be written (after a message naming it) and returns false; the files
// written before it stay.
bool ExportRegisters(const Database &db, const QString &folder, const QList<ExportRequest> &requests,
                     ExportFormat format, MessageSink &sink, const CsvOptions &csv = {});

} // namespace trelfin
