#include "cli/request.h"

#include <QCommandLineParser>

#include <algorithm>

namespace trelfin::cli {

const std::array<RegisterName, RegisterCount> kRegisterNames = {{
    {QStringLiteral("rozchod"), RegisterKind::expenses, QStringLiteral("rozchod")},
    {QStringLiteral("przychod"), RegisterKind::incomes, QStringLiteral("przychod")},
    {QStringLiteral("dlugi"), RegisterKind::debts, QStringLiteral("dlugi")},
    {QStringLiteral("planowanie"), RegisterKind::planned, QStringLiteral("planowanie")},
    {QStringLiteral("konto"), RegisterKind::bankAccount, QStringLiteral("Konto")},
}};

const char *const kHelp = R"(Użycie: trelfin-cli POLECENIE BAZA [OPCJE]

Czyta bazę programu Trelfin (plik .tf4) i wypisuje lub zapisuje to, o co poproszono.
Bazę zmienia tylko polecenie import (bez --dry-run).

Polecenia:
  info                         właściciel, daty i okresy bazy
  statement --day DD-MM-RRRR   stan konta na podany dzień (18 wierszy strony "Statystyka")
  balance [--from D --to D]    bilans: przychód, rozchód i wydatki według grup
  forecast [--from D --to D]   prognoza: niezapłacone wydatki planowane według grup
  import WYCIAG [--format NAZWA] [--dry-run]
                               wyciąg bankowy (CSV, MT940, camt.053) do konta bankowego okresu
                               (--period N): nowe wiersze, zapis bazy; --dry-run tylko pokazuje
  summary [--periods A-B]      zestawienie okresów: przychód, rozchód, różnica, długi, planowane
                               i stan konta każdego okresu, rozchód według grup (domyślnie
                               ostatnie 12 okresów)
  export --format txt|csv --dir KATALOG [--registers rozchod,konto,przychod,dlugi,planowanie]
         [--separator ';'] [--header] [--utf8]
                               pliki eksportu, takie same jak w programie; dla csv: średnik
                               jako separator, wiersz nagłówka, UTF-8 ze znacznikiem BOM
  check                        sprawdza każdy plik bazy; kod wyjścia 1, gdy coś znaleziono
  dump --json                  rekord bazy i okres w formacie JSON (bez hasła)
  print --sections LISTA --pdf PLIK [--from D --to D] [--day D]
                               wydruk do pliku PDF; LISTA z: rozchod, przychod, dlugi,
                               planowanie, konto, bilans, prognoza, stankonta, listazakupow, notatnik,
                               zestawienie

Opcje wspólne:
  --period N                   okres (domyślnie 1)
  --password TEKST             hasło bazy (bez niego program zapyta)
  --json                       info, statement, balance i forecast w formacie JSON

Kod wyjścia: 0 gdy się udało, 1 gdy wystąpił problem, 2 przy błędnym użyciu.
)";

namespace {

// The print sections as the command line names them: the registers, then the reports and tools.
QStringList printSectionNames()
{
    QStringList names;
    for (const RegisterName &r : kRegisterNames)
        names.append(r.name);
    return names + QStringList{QStringLiteral("bilans"), QStringLiteral("prognoza"), QStringLiteral("stankonta"),
                               QStringLiteral("listazakupow"), QStringLiteral("notatnik"), QStringLiteral("zestawienie")};
}

const QList<std::pair<QString, Command>> kCommands = {
    {QStringLiteral("info"), Command::info},        {QStringLiteral("statement"), Command::statement},
    {QStringLiteral("balance"), Command::balance},  {QStringLiteral("forecast"), Command::forecast},
    {QStringLiteral("summary"), Command::summary},  {QStringLiteral("import"), Command::import},
    {QStringLiteral("export"), Command::exportFiles}, {QStringLiteral("print"), Command::print},
    {QStringLiteral("check"), Command::check},      {QStringLiteral("dump"), Command::dump},
};

} // namespace

ParseResult ParseCommandLine(const QStringList &arguments)
{
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
    const QCommandLineOption separatorOption(QStringLiteral("separator"), QString(), QStringLiteral("ZNAK"));
    const QCommandLineOption headerOption(QStringLiteral("header"), QString());
    const QCommandLineOption utf8Option(QStringLiteral("utf8"), QString());
    const QCommandLineOption periodsOption(QStringLiteral("periods"), QString(), QStringLiteral("A-B"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"), QString());
    parser.addOptions({help, periodOption, passwordOption, dayOption, fromOption, toOption, formatOption, dirOption,
                       registersOption, sectionsOption, pdfOption, jsonOption, separatorOption, headerOption, utf8Option,
                       periodsOption, dryRunOption});
    if (!parser.parse(QStringList{QStringLiteral("trelfin-cli")} + arguments))
        return UsageError{parser.errorText()};
    if (parser.isSet(help))
        return ShowHelp{};
    const QStringList args = parser.positionalArguments();
    const bool importing = !args.isEmpty() && args.first() == QStringLiteral("import");
    if (importing && args.size() != 3)
        return UsageError{QStringLiteral("import wymaga pliku bazy i pliku wyciągu")};
    if (!importing && args.size() != 2)
        return UsageError{QStringLiteral("podaj polecenie i plik bazy")};
    const auto known = std::find_if(kCommands.begin(), kCommands.end(), [&](const auto &c) { return c.first == args.at(0); });
    if (known == kCommands.end())
        return UsageError{QStringLiteral("nieznane polecenie: ") + args.at(0)};

    Request r;
    r.command = known->second;
    r.database = args.at(1);
    bool periodOk = false;
    r.period = parser.value(periodOption).toInt(&periodOk);
    if (!periodOk)
        return UsageError{QStringLiteral("--period wymaga liczby")};
    if (parser.isSet(passwordOption))
        r.password = parser.value(passwordOption);
    r.json = parser.isSet(jsonOption);
    r.day = parser.value(dayOption);
    r.from = parser.value(fromOption);
    r.to = parser.value(toOption);
    r.spanGiven = parser.isSet(fromOption);

    switch (r.command) {
    case Command::statement:
        if (!parser.isSet(dayOption))
            return UsageError{QStringLiteral("statement wymaga --day DD-MM-RRRR")};
        break;
    case Command::import:
        r.statementFile = args.at(2);
        r.statementFormat = parser.value(formatOption);
        r.dryRun = parser.isSet(dryRunOption);
        break;
    case Command::summary:
        if (parser.isSet(periodsOption)) {
            const QStringList bounds = parser.value(periodsOption).split(u'-');
            bool firstOk = false, lastOk = false;
            if (bounds.size() == 2) {
                r.firstPeriod = bounds.at(0).toInt(&firstOk);
                r.lastPeriod = bounds.at(1).toInt(&lastOk);
            }
            if (!firstOk || !lastOk || r.firstPeriod < 1 || r.lastPeriod < r.firstPeriod)
                return UsageError{QStringLiteral("--periods wymaga zakresu A-B, np. 1-12")};
        }
        break;
    case Command::balance:
    case Command::forecast:
        if (parser.isSet(fromOption) != parser.isSet(toOption))
            return UsageError{QStringLiteral("--from i --to podaje się razem")};
        break;
    case Command::exportFiles: {
        const QString format = parser.value(formatOption);
        if (format != QStringLiteral("txt") && format != QStringLiteral("csv"))
            return UsageError{QStringLiteral("export wymaga --format txt albo csv")};
        if (!parser.isSet(dirOption))
            return UsageError{QStringLiteral("export wymaga --dir KATALOG")};
        r.format = format == QStringLiteral("txt") ? ExportFormat::text : ExportFormat::csv;
        r.folder = parser.value(dirOption);
        const bool csvOptionGiven = parser.isSet(separatorOption) || parser.isSet(headerOption) || parser.isSet(utf8Option);
        if (csvOptionGiven && r.format != ExportFormat::csv)
            return UsageError{QStringLiteral("--separator, --header i --utf8 dotyczą tylko --format csv")};
        if (parser.isSet(separatorOption)) {
            const QString separator = parser.value(separatorOption);
            if (separator != QStringLiteral(";") && separator != QStringLiteral(","))
                return UsageError{QStringLiteral("--separator przyjmuje ';' albo ','")};
            r.csv.separator = separator.at(0);
        }
        r.csv.header = parser.isSet(headerOption);
        r.csv.utf8 = parser.isSet(utf8Option);
        const QStringList names = parser.isSet(registersOption)
            ? parser.value(registersOption).split(u',', Qt::SkipEmptyParts)
            : QStringList{QStringLiteral("rozchod"), QStringLiteral("konto"), QStringLiteral("przychod"),
                          QStringLiteral("dlugi"), QStringLiteral("planowanie")};
        for (const QString &name : names) {
            const auto it = std::find_if(kRegisterNames.begin(), kRegisterNames.end(), [&](const RegisterName &n) { return n.name == name; });
            if (it == kRegisterNames.end())
                return UsageError{QStringLiteral("nieznany rejestr: ") + name};
            r.registers.append({it->kind, it->exportName});
        }
        break;
    }
    case Command::dump:
        if (!r.json)
            return UsageError{QStringLiteral("dump wymaga --json")};
        break;
    case Command::print: {
        if (!parser.isSet(sectionsOption) || !parser.isSet(pdfOption))
            return UsageError{QStringLiteral("print wymaga --sections LISTA i --pdf PLIK")};
        const QStringList sectionNames = printSectionNames();
        for (const QString &name : parser.value(sectionsOption).split(u',', Qt::SkipEmptyParts)) {
            const qsizetype i = sectionNames.indexOf(name);
            if (i < 0)
                return UsageError{QStringLiteral("nieznana sekcja: ") + name};
            r.sections[i] = true;
        }
        r.pdf = parser.value(pdfOption);
        break;
    }
    case Command::info:
    case Command::check:
        break;
    }
    return r;
}

} // namespace trelfin::cli
