#pragma once

#include "core/store/database.h"
#include "core/tools/export.h"
#include "core/tools/printdocument.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

namespace trelfin::cli {

enum ExitCode { ok = 0, problem = 1, badUsage = 2 };

enum class Command { info, statement, balance, forecast, summary, exportFiles, print, check, dump, import };

// What the command line asks for, every option checked for its form.
struct Request
{
    Command command = Command::info;
    QString database;
    int period = 1;
    std::optional<QString> password;
    bool json = false;
    QString day;                          // statement, print
    QString from, to;                     // balance, forecast, print: both or neither
    bool spanGiven = false;               // --from and --to were given
    ExportFormat format = ExportFormat::text;
    QString folder;                       // export
    QList<ExportRequest> registers;       // export, in the order asked for
    CsvOptions csv;                       // export --format csv
    std::array<bool, PrintSectionCount> sections{}; // print, in print order
    QString pdf;                          // print
    int firstPeriod = 0, lastPeriod = 0;  // summary --periods A-B; 0: the last 12
    QString statementFile;                // import
    QString statementFormat;              // import --format: the format the file must be
    bool dryRun = false;                  // import --dry-run
};

// The help text, or why the command line is wrong.
struct ShowHelp {};
struct UsageError { QString reason; };
using ParseResult = std::variant<Request, ShowHelp, UsageError>;

// Reads the command line (without the program's name).
ParseResult ParseCommandLine(const QStringList &arguments);

// The registers as the command line names them, in register order, with their export file names.
struct RegisterName
{
    QString name;
    RegisterKind kind;
    QString exportName;
};
extern const std::array<RegisterName, RegisterCount> kRegisterNames;

extern const char *const kHelp;

} // namespace trelfin::cli
