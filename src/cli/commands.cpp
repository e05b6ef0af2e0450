#include "cli/commands.h"

#include "core/reports/groupsummary.h"
#include "core/reports/periodsummary.h"
#include "core/reports/statement.h"
#include "core/store/clock.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/databaselock.h"
#include "core/store/fileoperations.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/store/opendatabase.h"
#include "core/store/recovery.h"
#include "core/tools/bankimport.h"
#include "core/tools/export.h"
#include "core/tools/printdocument.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPdfWriter>
#include <QTextStream>

#include <termios.h>
#include <unistd.h>

namespace trelfin::cli {

namespace {

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

// Opens the database read-only, checks the password and loads the period asked for.
std::optional<int> openDatabase(Database &db, const Request &request, OpenMode mode = OpenMode::readOnly)
{
    ErrorSink sink;
    if (!OpenDatabase(db, request.database, mode, sink))
        return problem;
    if (!db.header.password.isEmpty()) {
        const QString typed = request.password ? *request.password : askPassword();
        if (!PasswordMatches(db.header, typed)) {
            err() << "Podano złe hasło dostępu" << Qt::endl;
            return problem;
        }
    }
    if (request.period < 1 || request.period > db.header.periodCount)
        return ReportUsageError(QStringLiteral("baza ma %1 okresów; nie ma okresu %2").arg(db.header.periodCount).arg(request.period));
    db.currentPeriod = request.period;
    if (!LoadPeriod(db, request.period - 1, sink))
        return problem;
    return std::nullopt;
}

// The statement's rows as the program's review shows them, then (without --dry-run) the new
// ones added to the period's bank account and the period saved, crash-consistently, while no
// running program has the database open.
int importStatement(const Request &request)
{
    Database place;
    SplitDatabasePath(place, request.database);
    DatabaseLock lock;
    if (!request.dryRun && !lock.acquire(place.databaseDir, place.databaseName)) {
        err() << "Baza jest otwarta w programie Trelfin: zamknij ją tam, aby importować" << Qt::endl;
        return problem;
    }
    Database db;
    if (const auto failed = openDatabase(db, request, request.dryRun ? OpenMode::readOnly : OpenMode::readWrite))
        return *failed;
    QFile file(request.statementFile);
    QString reason;
    QByteArray bytes;
    if (!OpenRegularFileForReading(file, reason) || (bytes = file.read(64 * 1024 * 1024), file.error() != QFileDevice::NoError)) {
        err() << "Nie można odczytać pliku " << request.statementFile << ": " << (reason.isEmpty() ? file.errorString() : reason) << Qt::endl;
        return problem;
    }
    QString why;
    std::optional<BankStatement> statement = ReadBankStatement(bytes, why);
    // A CSV file no layout knows is read with the columns chosen for it in the program.
    if (!statement) {
        if (const std::optional<CsvHeader> header = FindCsvHeader(bytes); header && db.importColumnMaps.contains(header->key())) {
            QString unused;
            statement = ReadMappedCsvStatement(bytes, *header, CsvColumnMapping::fromNumbers(db.importColumnMaps.value(header->key())), unused);
        } else if (header) {
            why += QStringLiteral("; kolumny tego pliku można wskazać w programie (Narzędzia → Importuj wyciąg bankowy...)");
        }
    }
    if (!statement) {
        err() << why << Qt::endl;
        return problem;
    }
    if (!request.statementFormat.isEmpty() && statement->format.compare(request.statementFormat, Qt::CaseInsensitive) != 0) {
        err() << "Plik jest wyciągiem w formacie " << statement->format << ", nie " << request.statementFormat << Qt::endl;
        return problem;
    }
    if (!statement->notice.isEmpty())
        err() << "Uwaga: " << statement->notice << Qt::endl;
    const QVector<ImportRow> rows = PlanImport(db, *statement, db.importedRows);
    if (request.json) {
        QJsonArray list;
        for (const ImportRow &r : rows) {
            QJsonObject row{{QStringLiteral("date"), r.source.date},
                            {QStringLiteral("amount"), r.source.amount},
                            {QStringLiteral("register"), ImportRegistersText(r, db.importAlsoIntoRegisters)},
                            {QStringLiteral("kind"), bankOperationKindName(r.bankKind).trimmed()},
                            {QStringLiteral("description"), r.entry.description},
                            {QStringLiteral("status"), ImportStatusText(r.status)}};
            if (r.intoRegister && r.registerKind == RegisterKind::expenses)
                row.insert(QStringLiteral("group"), db.header.groupNames[std::clamp(r.group, 1, GroupCount)].trimmed());
            list.append(row);
        }
        out() << QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("format"), statement->format},
                                                             {QStringLiteral("account"), statement->account},
                                                             {QStringLiteral("rows"), list},
                                                             {QStringLiteral("skipped"), QJsonArray::fromStringList(statement->skipped)}})
                                       .toJson(QJsonDocument::Indented));
    } else {
        out() << "Format:\t" << statement->format << Qt::endl;
        for (const ImportRow &r : rows)
            out() << r.source.date << '\t' << FormatAmount(r.source.amount) << '\t' << bankOperationKindName(r.bankKind).trimmed()
                  << '\t' << r.entry.description << '\t' << ImportStatusText(r.status) << Qt::endl;
        for (const QString &skipped : statement->skipped)
            out() << skipped << '\t' << ImportStatusText(ImportStatus::skipped) << Qt::endl;
    }
    if (request.dryRun)
        return ok;
    const ImportApplied applied = ApplyImport(db, rows);
    if (applied.added > 0) {
        ErrorSink sink;
        SystemClock clock;
        if (!SavePeriodFiles(db, request.period - 1, clock, sink))
            return problem;
    }
    err() << "Dodano do konta bankowego wierszy: " << applied.added;
    if (applied.leftOut > 0)
        err() << " (nie zmieściło się: " << applied.leftOut << ")";
    err() << Qt::endl;
    return applied.leftOut > 0 ? problem : ok;
}

int check(const Request &request)
{
    const QList<DatabaseProblem> problems = CheckDatabase(request.database);
    for (const DatabaseProblem &p : problems)
        out() << p.file << ": " << p.what << Qt::endl;
    if (problems.isEmpty())
        out() << "Nie znaleziono problemów." << Qt::endl;
    return problems.isEmpty() ? ok : problem;
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

QJsonObject figuresJson(const Database &db, const PeriodFigures &f)
{
    QJsonObject groups;
    for (int g = 1; g <= GroupCount; ++g)
        groups.insert(db.header.groupNames[g].trimmed(), f.groups[g]);
    return QJsonObject{{QStringLiteral("period"), f.period},         {QStringLiteral("name"), f.name},
                       {QStringLiteral("from"), f.firstDate},        {QStringLiteral("to"), f.lastDate},
                       {QStringLiteral("read"), f.read},             {QStringLiteral("incomes"), f.incomes},
                       {QStringLiteral("expenses"), f.expenses},     {QStringLiteral("difference"), f.difference},
                       {QStringLiteral("loansOpen"), f.loansOpen},   {QStringLiteral("debtsOpen"), f.debtsOpen},
                       {QStringLiteral("plannedOpen"), f.plannedOpen}, {QStringLiteral("bankBalance"), f.bankBalance},
                       {QStringLiteral("groups"), groups}};
}

int summaryOfPeriods(const Database &db, const Request &request)
{
    const auto [defaultFirst, defaultLast] = DefaultSummaryRange(db);
    const int first = request.firstPeriod ? request.firstPeriod : defaultFirst;
    const int last = request.lastPeriod ? request.lastPeriod : defaultLast;
    if (last > db.header.periodCount) {
        err() << "Baza ma " << db.header.periodCount << " okresów" << Qt::endl;
        return badUsage;
    }
    const PeriodsSummary s = SummarisePeriods(db, first, last);
    if (request.json) {
        QJsonArray periods;
        for (const PeriodFigures &f : s.periods)
            periods.append(figuresJson(db, f));
        QJsonArray groups;
        for (int g = 1; g <= GroupCount; ++g)
            groups.append(QJsonObject{{QStringLiteral("name"), db.header.groupNames[g].trimmed()},
                                      {QStringLiteral("total"), s.total.groups[g]},
                                      {QStringLiteral("average"), s.average(g)},
                                      {QStringLiteral("share"), s.share(g)}});
        out() << QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("periods"), periods},
                                                             {QStringLiteral("total"), figuresJson(db, s.total)},
                                                             {QStringLiteral("groups"), groups},
                                                             {QStringLiteral("unreadable"), QJsonArray::fromStringList(s.unreadable)}})
                                       .toJson(QJsonDocument::Indented));
    } else {
        out() << PeriodsSummaryText(db, s);
    }
    for (const QString &period : s.unreadable)
        err() << "Nie można odczytać: " << period << Qt::endl;
    return s.unreadable.isEmpty() ? ok : problem;
}

int dump(const Database &db)
{
    out() << QString::fromUtf8(QJsonDocument(dumpJson(db)).toJson(QJsonDocument::Indented));
    return ok;
}

int infoJson(const Database &db)
{
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
    if (const QString recovery = RecoveryNotice(db); !recovery.isEmpty())
        info.insert(QStringLiteral("recovery"), recovery);
    out() << QString::fromUtf8(QJsonDocument(info).toJson(QJsonDocument::Indented));
    return ok;
}

int info(const Database &db)
{
    const DatabaseHeader &h = db.header;
    out() << "Użytkownik:\t" << h.ownerName << Qt::endl;
    out() << "Inne dane:\t" << QString(h.otherData).replace(QStringLiteral("\r\n"), QStringLiteral(" ")) << Qt::endl;
    out() << "Data utworzenia:\t" << h.createdDate << Qt::endl;
    out() << "Data ostatniego zapisu:\t" << h.lastSaveDate << Qt::endl;
    out() << "Ilość okresów:\t" << h.periodCount << Qt::endl;
    if (const QString recovery = RecoveryNotice(db); !recovery.isEmpty())
        out() << "Odzyskiwanie:\t" << recovery << Qt::endl;
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

int statement(const Database &db, const Request &request)
{
    QJsonArray lines;
    for (QStringList row : statementRowTexts(computeStatement(db, NormalizeDate(request.day, QDate::currentDate())))) {
        row[0] = row[0].trimmed();
        if (request.json)
            lines.append(QJsonObject{{QStringLiteral("line"), row[0]}, {QStringLiteral("value"), row[1]}, {QStringLiteral("count"), row[2]}});
        else
            out() << row.join(u'\t') << Qt::endl;
    }
    if (request.json)
        out() << QString::fromUtf8(QJsonDocument(lines).toJson(QJsonDocument::Indented));
    return ok;
}

int summary(const Database &db, const Request &request)
{
    const bool balance = request.command == Command::balance;
    GroupSummary summary;
    if (request.spanGiven) {
        const ReportSpan span = explicitSpan(request.from, request.to, QDate::currentDate());
        summary = balance ? computeDatedBalance(db, span, SummaryOrder::byGroup) : computeDatedForecast(db, span, SummaryOrder::byGroup);
    } else {
        summary = balance ? computeTotalBalance(db, SummaryOrder::byGroup) : computeTotalForecast(db, SummaryOrder::byGroup);
    }
    QStringList names;
    for (int g = 1; g <= GroupCount; ++g)
        names.append(db.header.groupNames[g]);
    const QList<QStringList> rows = groupSummaryRowTexts(summary, names);
    if (request.json) {
        QJsonArray groups;
        for (const QStringList &row : rows)
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
    if (summary.spanText)
        out() << *summary.spanText << Qt::endl;
    if (balance)
        out() << "Przychód\t" << FormatAmount(summary.incomeTotal) << Qt::endl;
    out() << (balance ? "Rozchód\t" : "Wydatki zaplanowane\t") << FormatAmount(summary.total) << Qt::endl;
    for (const QStringList &row : rows)
        out() << row.join(u'\t') << Qt::endl;
    return ok;
}

int exportFiles(const Database &db, const Request &request)
{
    // The folder asked for is made when it is not there yet, as a script expects.
    if (!QDir().mkpath(request.folder)) {
        err() << "Nie można utworzyć katalogu " << request.folder << Qt::endl;
        return problem;
    }
    ErrorSink sink;
    return ExportRegisters(db, request.folder, request.registers, request.format, sink, request.csv) ? ok : problem;
}

int print(const Database &db, const Request &request)
{
    PrintOptions options;
    options.sections = request.sections;
    options.from[0] = request.from;
    options.to[0] = request.to;
    options.statementDay = request.day;
    QFont font;
    font.setPointSize(8);
    const QDate today = QDate::currentDate();
    const QList<PrintSection> sections = BuildPrintSections(db, options, today, [&font](const QString &text) {
        return WrapText(text, font, 249);
    });
    QPdfWriter pdf(request.pdf);
    pdf.setResolution(600);
    pdf.setTitle(QStringLiteral("Wydruk danych programu Trelfin"));
    if (!PaintPrintJob(pdf, PrintHeaderText(db, options, today), sections, font, 600.0 / 96.0)) {
        err() << "Nie można zapisać pliku " << request.pdf << Qt::endl;
        return problem;
    }
    return ok;
}

} // namespace

int ReportUsageError(const QString &reason)
{
    err() << "trelfin-cli: " << reason << Qt::endl << "Zobacz: trelfin-cli --help" << Qt::endl;
    return badUsage;
}

int RunRequest(const Request &request)
{
    if (request.command == Command::check)
        return check(request);
    if (request.command == Command::import)
        return importStatement(request);
    Database db;
    if (const auto failed = openDatabase(db, request))
        return *failed;
    switch (request.command) {
    case Command::dump: return dump(db);
    case Command::info: return request.json ? infoJson(db) : info(db);
    case Command::statement: return statement(db, request);
    case Command::balance:
    case Command::forecast: return summary(db, request);
    case Command::summary: return summaryOfPeriods(db, request);
    case Command::exportFiles: return exportFiles(db, request);
    case Command::print: return print(db, request);
    case Command::check:
    case Command::import: break;
    }
    return ok;
}

} // namespace trelfin::cli
