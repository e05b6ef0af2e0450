// trelfin-cli: reads a database and writes what it is asked for. It never changes the database.
#include "core/reports/groupsummary.h"
#include "core/reports/statement.h"
#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/store/sidefiles.h"
#include "core/tools/export.h"
#include "core/tools/printdocument.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFont>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include <termios.h>
#include <unistd.h>

using namespace trelfin;

namespace {

enum ExitCode { ok = 0, problem = 1, badUsage = 2 };

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Messages of the readers go to the error stream, one line each.
class ErrorSink : public MessageSink
{
public:
    void ShowInformation(const QString &line1, const QString &line2, const QString &) override
    {
        err() << line1 << (line2.isEmpty() ? QString() : QStringLiteral(" ") + line2) << Qt::endl;
    }
};

QString askPassword()
{
    err() << "Hasło: " << Qt::flush;
    termios saved{};
    const bool terminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    QTextStream in(stdin);
    const QString typed = in.readLine();
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        err() << Qt::endl;
    }
    return typed;
}

int usage(const QString &reason)
{
    err() << "trelfin-cli: " << reason << Qt::endl << "Zobacz: trelfin-cli --help" << Qt::endl;
    return badUsage;
}

const char *const kHelp = R"(Użycie: trelfin-cli POLECENIE BAZA [OPCJE]

Czyta bazę programu Trelfin (plik .tf4) i wypisuje lub zapisuje to, o co poproszono.
Baza nigdy nie jest zmieniana.

Polecenia:
  info                         właściciel, daty i okresy bazy
  statement --day DD-MM-RRRR   stan konta na podany dzień (18 wierszy strony "Statystyka")
  balance [--from D --to D]    bilans: przychód, rozchód i wydatki według grup
  forecast [--from D --to D]   prognoza: niezapłacone wydatki planowane według grup
  export --format txt|csv --dir KATALOG [--registers rozchod,konto,przychod,dlugi,planowanie]
                               pliki eksportu, takie same jak w programie
  check                        sprawdza każdy plik bazy; kod wyjścia 1, gdy coś znaleziono
  dump --json                  rekord bazy i okres w formacie JSON (bez hasła)
  print --sections LISTA --pdf PLIK [--from D --to D] [--day D]
                               wydruk do pliku PDF; LISTA z: rozchod, przychod, dlugi,
                               planowanie, konto, bilans, prognoza, stankonta, listazakupow, notatnik

Opcje wspólne:
  --period N                   okres (domyślnie 1)
  --password TEKST             hasło bazy (bez niego program zapyta)
  --json                       info, statement, balance i forecast w formacie JSON

Kod wyjścia: 0 gdy się udało, 1 gdy wystąpił problem, 2 przy błędnym użyciu.
)";

// Reads the record, checks the password and loads the period.
std::optional<int> openDatabase(Database &db, const QString &path, int period, const std::optional<QString> &password)
{
    ErrorSink sink;
    SplitDatabasePath(db, path);
    ReadShoppingList(db);
    ReadNotes(db);
    if (!ReadDatabaseRecord(db, sink))
        return problem;
    if (!db.header.password.isEmpty()) {
        const QString typed = password ? *password : askPassword();
        if (fitText(typed.left(Width::password), Width::password) != db.header.password) {
            err() << "Podano złe hasło dostępu" << Qt::endl;
            return problem;
        }
    }
    if (period < 1 || period > db.header.periodCount)
        return usage(QStringLiteral("baza ma %1 okresów; nie ma okresu %2").arg(db.header.periodCount).arg(period));
    db.currentPeriod = period;
    if (!LoadPeriod(db, period - 1, sink))
        return problem;
    return std::nullopt;
}

// Collects what the readers say, to report it as a problem found.
class CollectingSink : public MessageSink
{
public:
    void ShowInformation(const QString &line1, const QString &line2, const QString &) override
    {
        said.append(line2.isEmpty() ? line1 : line1 + QStringLiteral(" ") + line2);
    }
    QStringList said;
};

// Reads every file of the database and says what is wrong with each: the record, every period
// file and its entries (amounts that are not numbers, groups outside their range, dates that are
// no calendar day), and side files that are there but short.
int checkDatabase(const QString &path)
{
    Database db;
    SplitDatabasePath(db, path);
    int problems = 0;
    const auto report = [&problems](const QString &file, const QString &what) {
        out() << file << ": " << what << Qt::endl;
        ++problems;
    };
    CollectingSink sink;
    if (!ReadDatabaseRecord(db, sink)) {
        report(DatabaseFilePath(db, db.databaseExt), sink.said.join(QStringLiteral("; ")));
        return problem;
    }
    const QList<std::pair<QString, qint64>> sideFiles = {{ShoppingListPath(db), ShoppingListFileSize}, {NotesPath(db), NotesFileSize}};
    for (const auto &[file, size] : sideFiles) {
        const QFileInfo info(file);
        if (info.exists() && info.size() < size)
            report(file, QStringLiteral("plik ma %1 bajtów zamiast %2").arg(info.size()).arg(size));
    }
    const QStringList registerNames = {QStringLiteral("rozchód"), QStringLiteral("przychód"), QStringLiteral("długi"),
                                       QStringLiteral("planowanie"), QStringLiteral("konto")};
    for (int k = 0; k < db.header.periodCount; ++k) {
        Database period = db;
        sink.said.clear();
        const QString file = PeriodFilePath(db, k);
        if (!LoadPeriod(period, k, sink)) {
            report(file, QStringLiteral("nie można odczytać okresu %1 (plik uszkodzony lub za krótki, %2 bajtów)")
                             .arg(k + 1)
                             .arg(QFileInfo(file).size()));
            continue;
        }
        for (int r = 0; r < RegisterCount; ++r) {
            const auto kind = static_cast<RegisterKind>(r);
            const QVector<Entry> &entries = period.reg(kind).entries;
            for (int i = 0; i < entries.size(); ++i) {
                const Entry &e = entries.at(i);
                // Where the field lies in the file, and which entry it belongs to.
                const auto where = [&](EntryField field) {
                    return QStringLiteral("bajt %1 (%2, pozycja %3): ")
                        .arg(PeriodEntryOffset(period, kind, i, field))
                        .arg(registerNames.at(r))
                        .arg(i + 1);
                };
                if (!std::isfinite(e.amount))
                    report(file, where(EntryField::amount) + QStringLiteral("kwota nie jest liczbą"));
                const int highest = kind == RegisterKind::debts ? 4 : kind == RegisterKind::bankAccount ? 6
                                  : kind == RegisterKind::planned ? SettledGroup : GroupCount;
                if (kind != RegisterKind::incomes && (e.group < 1 || e.group > highest))
                    report(file, where(EntryField::group) + QStringLiteral("grupa %1 poza zakresem 1..%2").arg(e.group).arg(highest));
                if (!ParseDate(e.date) || IsImpossibleDate(e.date))
                    report(file, where(EntryField::date) + QStringLiteral("data \"%1\" nie jest dniem kalendarza").arg(e.date));
            }
        }
    }
    if (problems == 0)
        out() << "Nie znaleziono problemów." << Qt::endl;
    return problems == 0 ? ok : problem;
}

QJsonArray entriesJson(const Register &reg)
{
    QJsonArray entries;
    for (const Entry &e : reg.entries)
        entries.append(QJsonObject{{QStringLiteral("date"), e.date}, {QStringLiteral("amount"), e.amount},
                                   {QStringLiteral("group"), e.group}, {QStringLiteral("description"), e.description}});
    return entries;
}

// The record (the password only as whether there is one) and the period in memory.
QJsonObject dumpJson(const Database &db)
{
    const DatabaseHeader &h = db.header;
    QJsonArray groups;
    for (int g = 1; g <= GroupCount; ++g)
        groups.append(h.groupNames[g]);
    QJsonArray periods;
    for (int p = 1; p <= h.periodCount; ++p)
        periods.append(QJsonObject{{QStringLiteral("name"), h.periods[p].periodName},
                                   {QStringLiteral("created"), h.periods[p].firstWriteDate()},
                                   {QStringLiteral("lastSaved"), h.periods[p].lastWriteDate()}});
    const QJsonObject record{{QStringLiteral("owner"), h.ownerName}, {QStringLiteral("otherData"), h.otherData},
                             {QStringLiteral("created"), h.createdDate}, {QStringLiteral("lastSaved"), h.lastSaveDate},
                             {QStringLiteral("confirmDeletes"), h.confirmDeletes != 0},
                             {QStringLiteral("passwordSet"), !h.password.isEmpty()},
                             {QStringLiteral("groups"), groups}, {QStringLiteral("periods"), periods}};
    QJsonArray incomes, expenses;
    for (const RecurringIncome &r : db.recurringIncomes)
        incomes.append(QJsonObject{{QStringLiteral("active"), r.active}, {QStringLiteral("day"), r.day},
                                   {QStringLiteral("amount"), r.amount.toDouble()}, {QStringLiteral("description"), r.description}});
    for (const RecurringExpense &r : db.recurringExpenses)
        expenses.append(QJsonObject{{QStringLiteral("active"), r.active}, {QStringLiteral("group"), r.group + 1},
                                    {QStringLiteral("amount"), r.amount.toDouble()}, {QStringLiteral("description"), r.description}});
    const QJsonObject period{{QStringLiteral("number"), db.currentPeriod},
                             {QStringLiteral("expenses"), entriesJson(db.reg(RegisterKind::expenses))},
                             {QStringLiteral("incomes"), entriesJson(db.reg(RegisterKind::incomes))},
                             {QStringLiteral("debts"), entriesJson(db.reg(RegisterKind::debts))},
                             {QStringLiteral("planned"), entriesJson(db.reg(RegisterKind::planned))},
                             {QStringLiteral("bankAccount"), entriesJson(db.reg(RegisterKind::bankAccount))},
                             {QStringLiteral("recurringIncomes"), incomes},
                             {QStringLiteral("recurringExpenses"), expenses}};
    return QJsonObject{{QStringLiteral("database"), record}, {QStringLiteral("period"), period}};
}

void printSummary(const GroupSummary &summary, const Database &db, bool balance)
{
    if (summary.spanText)
        out() << *summary.spanText << Qt::endl;
    if (balance)
        out() << "Przychód\t" << FormatAmount(summary.incomeTotal) << Qt::endl;
    out() << (balance ? "Rozchód\t" : "Wydatki zaplanowane\t") << FormatAmount(summary.total) << Qt::endl;
    QStringList names;
    for (int g = 1; g <= GroupCount; ++g)
        names.append(db.header.groupNames[g]);
    for (const QStringList &row : groupSummaryRowTexts(summary, names))
        out() << row.join(u'\t') << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts for the print job need a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("trelfin-cli"));

    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption periodOption(QStringLiteral("period"), QString(), QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption passwordOption(QStringLiteral("password"), QString(), QStringLiteral("TEKST"));
    const QCommandLineOption dayOption(QStringLiteral("day"), QString(), QStringLiteral("D"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QString(), QStringLiteral("D"));
    const QCommandLineOption toOption(QStringLiteral("to"), QString(), QStringLiteral("D"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(), QStringLiteral("txt|csv"));
    const QCommandLineOption dirOption(QStringLiteral("dir"), QString(), QStringLiteral("KATALOG"));
    const QCommandLineOption registersOption(QStringLiteral("registers"), QString(), QStringLiteral("LISTA"));
    const QCommandLineOption sectionsOption(QStringLiteral("sections"), QString(), QStringLiteral("LISTA"));
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), QString(), QStringLiteral("PLIK"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QString());
    parser.addOptions({help, periodOption, passwordOption, dayOption, fromOption, toOption, formatOption, dirOption,
                       registersOption, sectionsOption, pdfOption, jsonOption});
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        out() << QString::fromUtf8(kHelp);
        return ok;
    }
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        return usage(QStringLiteral("podaj polecenie i plik bazy"));
    const QString command = args.at(0);
    const QStringList commands = {QStringLiteral("info"), QStringLiteral("statement"), QStringLiteral("balance"),
                                  QStringLiteral("forecast"), QStringLiteral("export"), QStringLiteral("print"),
                                  QStringLiteral("check"), QStringLiteral("dump")};
    if (!commands.contains(command))
        return usage(QStringLiteral("nieznane polecenie: ") + command);
    bool periodOk = false;
    const int period = parser.value(periodOption).toInt(&periodOk);
    if (!periodOk)
        return usage(QStringLiteral("--period wymaga liczby"));
    const QDate today = QDate::currentDate();
    const auto dateOf = [&](const QCommandLineOption &option) { return NormalizeDate(parser.value(option), today); };
    const auto password = parser.isSet(passwordOption) ? std::optional<QString>(parser.value(passwordOption)) : std::nullopt;

    // Usage is checked before the database is read.
    if (command == QStringLiteral("statement") && !parser.isSet(dayOption))
        return usage(QStringLiteral("statement wymaga --day DD-MM-RRRR"));
    if ((command == QStringLiteral("balance") || command == QStringLiteral("forecast")) && parser.isSet(fromOption) != parser.isSet(toOption))
        return usage(QStringLiteral("--from i --to podaje się razem"));
    if (command == QStringLiteral("export")) {
        const QString format = parser.value(formatOption);
        if (format != QStringLiteral("txt") && format != QStringLiteral("csv"))
            return usage(QStringLiteral("export wymaga --format txt albo csv"));
        if (!parser.isSet(dirOption))
            return usage(QStringLiteral("export wymaga --dir KATALOG"));
    }
    if (command == QStringLiteral("dump") && !parser.isSet(jsonOption))
        return usage(QStringLiteral("dump wymaga --json"));
    if (command == QStringLiteral("print") && (!parser.isSet(sectionsOption) || !parser.isSet(pdfOption)))
        return usage(QStringLiteral("print wymaga --sections LISTA i --pdf PLIK"));

    // The check reads every file as it is, password or not.
    if (command == QStringLiteral("check"))
        return checkDatabase(args.at(1));

    Database db;
    if (const auto failed = openDatabase(db, args.at(1), period, password))
        return *failed;

    if (command == QStringLiteral("dump")) {
        out() << QString::fromUtf8(QJsonDocument(dumpJson(db)).toJson(QJsonDocument::Indented));
        return ok;
    }
    const bool json = parser.isSet(jsonOption);
    if (command == QStringLiteral("info") && json) {
        QJsonObject info = dumpJson(db).value(QStringLiteral("database")).toObject();
        QJsonArray periods = info.value(QStringLiteral("periods")).toArray();
        ErrorSink sink;
        for (int p = 1; p <= db.header.periodCount; ++p) {
            Database period = db;
            QJsonObject entry = periods.at(p - 1).toObject();
            if (LoadPeriod(period, p - 1, sink)) {
                entry.insert(QStringLiteral("counts"), QJsonObject{{QStringLiteral("expenses"), period.expenseCount()},
                                                                   {QStringLiteral("incomes"), period.incomeCount()},
                                                                   {QStringLiteral("debts"), period.debtCount()},
                                                                   {QStringLiteral("planned"), period.plannedCount()},
                                                                   {QStringLiteral("bankAccount"), period.bankCount()}});
            }
            periods.replace(p - 1, entry);
        }
        info.insert(QStringLiteral("periods"), periods);
        out() << QString::fromUtf8(QJsonDocument(info).toJson(QJsonDocument::Indented));
        return ok;
    }
    if (command == QStringLiteral("info")) {
        const DatabaseHeader &h = db.header;
        out() << "Użytkownik:\t" << h.ownerName << Qt::endl;
        out() << "Inne dane:\t" << QString(h.otherData).replace(QStringLiteral("\r\n"), QStringLiteral(" ")) << Qt::endl;
        out() << "Data utworzenia:\t" << h.createdDate << Qt::endl;
        out() << "Data ostatniego zapisu:\t" << h.lastSaveDate << Qt::endl;
        out() << "Ilość okresów:\t" << h.periodCount << Qt::endl;
        ErrorSink sink;
        for (int p = 1; p <= h.periodCount; ++p) {
            Database period = db;
            const bool read = LoadPeriod(period, p - 1, sink);
            out() << p << ".\t" << h.periods[p].periodName << '\t' << h.periods[p].firstWriteDate() << '\t'
                  << h.periods[p].lastWriteDate();
            if (read) {
                out() << "\trozchód " << period.expenseCount() << "\tprzychód " << period.incomeCount() << "\tdługi "
                      << period.debtCount() << "\tplanowanie " << period.plannedCount() << "\tkonto " << period.bankCount();
            } else {
                out() << "\tnie można odczytać okresu";
            }
            out() << Qt::endl;
        }
        return ok;
    }
    if (command == QStringLiteral("statement")) {
        QJsonArray lines;
        for (QStringList row : statementRowTexts(computeStatement(db, dateOf(dayOption)))) {
            row[0] = row[0].trimmed();
            if (json)
                lines.append(QJsonObject{{QStringLiteral("line"), row[0]}, {QStringLiteral("value"), row[1]}, {QStringLiteral("count"), row[2]}});
            else
                out() << row.join(u'\t') << Qt::endl;
        }
        if (json)
            out() << QString::fromUtf8(QJsonDocument(lines).toJson(QJsonDocument::Indented));
        return ok;
    }
    if (command == QStringLiteral("balance") || command == QStringLiteral("forecast")) {
        const bool balance = command == QStringLiteral("balance");
        GroupSummary summary;
        if (parser.isSet(fromOption)) {
            const ReportSpan span = explicitSpan(parser.value(fromOption), parser.value(toOption), today);
            summary = balance ? computeDatedBalance(db, span, SummaryOrder::byGroup) : computeDatedForecast(db, span, SummaryOrder::byGroup);
        } else {
            summary = balance ? computeTotalBalance(db, SummaryOrder::byGroup) : computeTotalForecast(db, SummaryOrder::byGroup);
        }
        if (json) {
            QJsonArray groups;
            QStringList names;
            for (int g = 1; g <= GroupCount; ++g)
                names.append(db.header.groupNames[g]);
            for (const QStringList &row : groupSummaryRowTexts(summary, names))
                groups.append(QJsonObject{{QStringLiteral("group"), row[0]}, {QStringLiteral("count"), row[1]},
                                          {QStringLiteral("value"), row[2]}, {QStringLiteral("percent"), row[3]}});
            QJsonObject result{{QStringLiteral("total"), summary.total}, {QStringLiteral("groups"), groups}};
            if (balance)
                result.insert(QStringLiteral("incomes"), summary.incomeTotal);
            if (summary.spanText)
                result.insert(QStringLiteral("span"), *summary.spanText);
            out() << QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented));
            return ok;
        }
        printSummary(summary, db, balance);
        return ok;
    }
    if (command == QStringLiteral("export")) {
        const QStringList names = parser.isSet(registersOption)
            ? parser.value(registersOption).split(u',', Qt::SkipEmptyParts)
            : QStringList{QStringLiteral("rozchod"), QStringLiteral("konto"), QStringLiteral("przychod"),
                          QStringLiteral("dlugi"), QStringLiteral("planowanie")};
        const QList<std::pair<QString, ExportRequest>> known = {
            {QStringLiteral("rozchod"), {RegisterKind::expenses, QStringLiteral("rozchod")}},
            {QStringLiteral("przychod"), {RegisterKind::incomes, QStringLiteral("przychod")}},
            {QStringLiteral("dlugi"), {RegisterKind::debts, QStringLiteral("dlugi")}},
            {QStringLiteral("planowanie"), {RegisterKind::planned, QStringLiteral("planowanie")}},
            {QStringLiteral("konto"), {RegisterKind::bankAccount, QStringLiteral("Konto")}},
        };
        QList<ExportRequest> requests;
        for (const QString &name : names) {
            const auto it = std::find_if(known.begin(), known.end(), [&](const auto &k) { return k.first == name; });
            if (it == known.end())
                return usage(QStringLiteral("nieznany rejestr: ") + name);
            requests.append(it->second);
        }
        ErrorSink sink;
        const ExportFormat format = parser.value(formatOption) == QStringLiteral("txt") ? ExportFormat::text : ExportFormat::csv;
        // The folder asked for is made when it is not there yet, as a script expects.
        const QString folder = parser.value(dirOption);
        if (!QDir().mkpath(folder)) {
            err() << "Nie można utworzyć katalogu " << folder << Qt::endl;
            return problem;
        }
        return ExportRegisters(db, folder, requests, format, sink) ? ok : problem;
    }
    // print
    const QStringList sectionNames = {QStringLiteral("rozchod"), QStringLiteral("przychod"), QStringLiteral("dlugi"),
                                      QStringLiteral("planowanie"), QStringLiteral("konto"), QStringLiteral("bilans"),
                                      QStringLiteral("prognoza"), QStringLiteral("stankonta"), QStringLiteral("listazakupow"),
                                      QStringLiteral("notatnik")};
    PrintOptions options;
    for (const QString &name : parser.value(sectionsOption).split(u',', Qt::SkipEmptyParts)) {
        const qsizetype i = sectionNames.indexOf(name);
        if (i < 0)
            return usage(QStringLiteral("nieznana sekcja: ") + name);
        options.sections[i] = true;
    }
    options.from[0] = parser.value(fromOption);
    options.to[0] = parser.value(toOption);
    options.statementDay = parser.value(dayOption);
    QFont font;
    font.setPointSize(8);
    const QList<PrintSection> sections = BuildPrintSections(db, options, today, [&font](const QString &text) {
        return WrapText(text, font, 249);
    });
    QPdfWriter pdf(parser.value(pdfOption));
    pdf.setResolution(600);
    pdf.setTitle(QStringLiteral("Wydruk danych programu Trelfin"));
    if (!PaintPrintJob(pdf, PrintHeaderText(db, options, today), sections, font, 600.0 / 96.0)) {
        err() << "Nie można zapisać pliku " << parser.value(pdfOption) << Qt::endl;
        return problem;
    }
    return ok;
}
