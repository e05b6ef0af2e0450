// Writes the example database "przyklad" into a folder, dated relative to today (or to the day
// given), for the first start of the program and for the installed package.
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/tools/exampledatabase.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

#include <cstdio>

namespace {

class ErrorSink : public trelfin::MessageSink
{
public:
    void ShowInformation(const QString &line1, const QString &line2, const QString &) override
    {
        QTextStream(stderr) << line1 << ' ' << line2 << '\n';
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString usage = QStringLiteral("Użycie: trelfin-example KATALOG [--today DD-MM-RRRR]\n");
    if (args.size() == 2 && (args.at(1) == QLatin1String("--help") || args.at(1) == QLatin1String("-h"))) {
        QTextStream(stdout) << usage;
        return 0;
    }
    // Options are options: a folder whose name starts with "-" is given as "./-name".
    if ((args.size() != 2 && !(args.size() == 4 && args.at(2) == QLatin1String("--today")))
        || args.at(1).startsWith(u'-')) {
        QTextStream(stderr) << usage;
        return 2;
    }
    QDate today = QDate::currentDate();
    if (args.size() == 4) {
        today = QDate::fromString(args.at(3), QStringLiteral("dd-MM-yyyy"));
        if (!today.isValid()) {
            QTextStream(stderr) << "Niepoprawna data: " << args.at(3) << '\n';
            return 2;
        }
    }
    ErrorSink sink;
    return trelfin::WriteExampleDatabase(trelfin::BuildExampleDatabase(today), args.at(1), sink) ? 0 : 1;
}
