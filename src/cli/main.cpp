// trelfin-cli: reads a database and writes what it is asked for. It never changes the database.
#include "cli/commands.h"
#include "cli/request.h"

#include <QGuiApplication>
#include <QTextStream>

using namespace trelfin::cli;

int main(int argc, char *argv[])
{
    // Fonts for the print job need a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("trelfin-cli"));

    const ParseResult parsed = ParseCommandLine(QCoreApplication::arguments().mid(1));
    if (std::holds_alternative<ShowHelp>(parsed)) {
        QTextStream(stdout) << QString::fromUtf8(kHelp);
        return ok;
    }
    if (const auto *error = std::get_if<UsageError>(&parsed))
        return ReportUsageError(error->reason);
    return RunRequest(std::get<Request>(parsed));
}
