#include "filetestsupport.h"
#include "core/store/clock.h"
#include "core/store/cp1250.h"
#include "core/store/databasefiles.h"
#include "core/store/databaseops.h"
#include "core/store/opendatabase.h"
#include "core/store/sidefiles.h"
#include "core/tools/bankimport.h"
#include "core/tools/bankstatement.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace trelfin;

namespace {

// The statement of `text` in the encoding a bank writes it in.
BankStatement read(const QByteArray &bytes)
{
    QString problem;
    const std::optional<BankStatement> statement = ReadBankStatement(bytes, problem);
    if (!statement)
        qWarning("%s", qPrintable(problem));
    return statement.value_or(BankStatement());
}

QByteArray cp1250(const QString &text)
{
    return toCp1250(text);
}

// A new database "budzet" of one period in a folder of its own, made on 31-10-2026.
struct NewDatabase
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("budzet.tf4"));
    FixedClock clock{QDate(2026, 10, 31)};
    test::LineSink sink;
    Database db;
    NewDatabase() { InitialiseNewDatabase(db, path, clock); }
};

} // namespace

// The bank statement reader on small invented files of each layout: every field of every row.
class TestBankStatement : public QObject
{
    Q_OBJECT

private slots:
    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("amount");
        QTest::addColumn<bool>("readable");
        QTest::newRow("grouped, comma") << "1 234,56" << 1234.56 << true;
        QTest::newRow("non-breaking blank") << "1\u00a0234,56" << 1234.56 << true;
        QTest::newRow("minus and currency") << "-19,99 PLN" << -19.99 << true;
        QTest::newRow("plus and dot") << "+2000.00" << 2000.0 << true;
        QTest::newRow("dot, negative") << "-38.17" << -38.17 << true;
        QTest::newRow("whole") << "150" << 150.0 << true;
        QTest::newRow("three decimals") << "12,345" << 0.0 << false;
        QTest::newRow("words") << "brak" << 0.0 << false;
        QTest::newRow("empty") << "" << 0.0 << false;
    }
    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(double, amount);
        QFETCH(bool, readable);
        const auto value = ReadBankAmount(text);
        QCOMPARE(value.has_value(), readable);
        if (value)
            QCOMPARE(*value, amount);
    }

    void dates()
    {
        QCOMPARE(ReadBankDate(QStringLiteral("2026-10-02")), std::optional<QString>(QStringLiteral("02-10-2026")));
        QCOMPARE(ReadBankDate(QStringLiteral("02.10.2026")), std::optional<QString>(QStringLiteral("02-10-2026")));
        QCOMPARE(ReadBankDate(QStringLiteral("02-10-2026")), std::optional<QString>(QStringLiteral("02-10-2026")));
        QVERIFY(!ReadBankDate(QStringLiteral("31-02-2026")));
        QVERIFY(!ReadBankDate(QString()));
        // A character that is no digit, even where it would leave a "year" of -1.
        for (const char *text : {"1&13-10-02", "2026-1x-02", "0000-10-02", "02.10.2o26"})
            QVERIFY2(!ReadBankDate(QString::fromLatin1(text)), text);
    }

    // PKO BP: quoted cells, a dot decimal with a sign, the description in "label: value" cells;
    // a "Blokada" is pending. Code page 1250, UTF-8, UTF-8 with a byte-order mark and a file of
    // lines in both read alike.
    void pkoBp()
    {
        const QString text = QStringLiteral(
            "\"Data operacji\",\"Data waluty\",\"Typ transakcji\",\"Kwota\",\"Waluta\",\"Saldo po transakcji\",\"Opis transakcji\",\"\",\"\"\r\n"
            "\"2026-10-02\",\"2026-10-03\",\"Płatność kartą\",\"-38.17\",\"PLN\",\"+1961.83\",\"Tytuł: 000498849 74230786275054001104815\","
            "\"Lokalizacja: Adres: ŻABKA Z4521 Miasto: WROCŁAW Kraj: POLSKA\",\"Numer karty: 400000******0000\"\r\n"
            "\"2026-10-01\",\"2026-10-01\",\"Przelew na rachunek\",\"+2000.00\",\"PLN\",\"+2000.00\",\"Rachunek nadawcy: 11 1111\","
            "\"Nazwa nadawcy: JAN KOWALSKI\",\"Tytuł: ZWROT ZA BILETY\"\r\n"
            "\"\",\"2026-10-04\",\"Blokada\",\"-59.80\",\"PLN\",\"\",\"Lokalizacja: Adres: ORLEN Miasto: WROCŁAW\",\"\",\"\"\r\n");
        // Lines in both: each read in its own encoding, and the review is told.
        const qsizetype half = text.indexOf(QStringLiteral("\"2026-10-01\""));
        const QByteArray mixed = cp1250(text.left(half)) + text.mid(half).toUtf8();
        for (const QByteArray &bytes : {cp1250(text), text.toUtf8(), QByteArray("\xEF\xBB\xBF") + text.toUtf8(), mixed}) {
            const BankStatement s = read(bytes);
            QCOMPARE(s.format, QStringLiteral("PKO BP"));
            QCOMPARE(s.notice.startsWith(QStringLiteral("Część wierszy pliku jest zapisana w UTF-8")), bytes == mixed);
            QCOMPARE(s.rows.size(), 3);
            QCOMPARE(s.rows[0], (StatementRow{QStringLiteral("02-10-2026"), -38.17, QStringLiteral("PLN"), QStringLiteral("ŻABKA Z4521"),
                                              QStringLiteral("000498849 74230786275054001104815"), QStringLiteral("Płatność kartą"),
                                              QString(), 2, false}));
            QCOMPARE(s.rows[1].counterparty, QStringLiteral("JAN KOWALSKI"));
            QCOMPARE(s.rows[1].title, QStringLiteral("ZWROT ZA BILETY"));
            QCOMPARE(s.rows[1].amount, 2000.0);
            QVERIFY(s.rows[2].pending);
            QCOMPARE(s.rows[2].date, QStringLiteral("04-10-2026")); // no operation date: the booking one
        }
    }

    // mBank: the "#" header block gives the period, the account and the balances; a row that
    // cannot be read is listed with its line and left out.
    void mbank()
    {
        const QByteArray bytes = cp1250(QStringLiteral(
            "mBank S.A.;\n#Za okres:;\n01.10.2026;31.10.2026;\n#Numer rachunku;\n11 2222 3333;\n#Saldo początkowe;\n1 000,00 PLN;\n\n"
            "#Data operacji;#Data księgowania;#Opis operacji;#Tytuł;#Nadawca/Odbiorca;#Numer konta;#Kwota;#Saldo po operacji;\n"
            "2026-10-05;2026-10-06;ZAKUP PRZY UŻYCIU KARTY;BIEDRONKA 1234 WROCŁAW;;;-1 234,56;-234,56;\n"
            "2026-10-07;2026-10-07;PRZELEW PRZYCHODZĄCY;WYNAGRODZENIE;FIRMA SP. Z O.O.;;5 000,00;4 765,44;\n"
            "2026-10-08;2026-10-08;OPŁATA;;;;dużo;;\n"
            ";;;;;;#Saldo końcowe;4 765,44;\n"));
        const BankStatement s = read(bytes);
        QCOMPARE(s.format, QStringLiteral("mBank"));
        QCOMPARE(s.from, QStringLiteral("01-10-2026"));
        QCOMPARE(s.to, QStringLiteral("31-10-2026"));
        QCOMPARE(s.account, QStringLiteral("11 2222 3333"));
        QCOMPARE(s.opening, std::optional<double>(1000.0));
        QCOMPARE(s.closing, std::optional<double>(4765.44));
        QCOMPARE(s.rows.size(), 2);
        QCOMPARE(s.rows[0], (StatementRow{QStringLiteral("05-10-2026"), -1234.56, QStringLiteral("PLN"), QString(),
                                          QStringLiteral("BIEDRONKA 1234 WROCŁAW"), QStringLiteral("ZAKUP PRZY UŻYCIU KARTY"), QString(), 10, false}));
        QCOMPARE(s.rows[1].counterparty, QStringLiteral("FIRMA SP. Z O.O."));
        QCOMPARE(s.skipped, QStringList({QStringLiteral("wiersz 12: nie można odczytać kwoty")}));
    }

    // ING: lines of account information before the columns; the transaction number is the
    // reference; a row with only a block amount is pending.
    void ing()
    {
        const QByteArray bytes = cp1250(QStringLiteral(
            "\"Lista transakcji\"\n\"Dokument nr 0123\"\n\"Rachunek\";\"11 1050\"\n\n"
            "\"Data transakcji\";\"Data księgowania\";\"Dane kontrahenta\";\"Tytuł\";\"Nr rachunku\";\"Nazwa banku\";\"Szczegóły\";\"Nr transakcji\";"
            "\"Kwota transakcji (waluta rachunku)\";\"Waluta\";\"Kwota blokady/zwolnienie blokady\";\"Waluta\";\"Saldo po transakcji\"\n"
            "\"2026-10-02\";\"2026-10-02\";\"LIDL POLSKA\";\"Płatność kartą\";\"\";\"\";\"TR.KART\";\"202610020001\";\"-45,10\";\"PLN\";\"\";\"\";\"954,90\"\n"
            "\"2026-10-03\";\"\";\"STACJA PALIW\";\"Blokada\";\"\";\"\";\"\";\"\";\"\";\"\";\"-200,00\";\"PLN\";\"\"\n"));
        const BankStatement s = read(bytes);
        QCOMPARE(s.format, QStringLiteral("ING Bank Śląski"));
        QCOMPARE(s.rows.size(), 2);
        QCOMPARE(s.rows[0].reference, QStringLiteral("202610020001"));
        QCOMPARE(s.rows[0].counterparty, QStringLiteral("LIDL POLSKA"));
        QCOMPARE(s.rows[0].amount, -45.10);
        QVERIFY(!s.rows[0].pending);
        QVERIFY(s.rows[1].pending);
        QCOMPARE(s.rows[1].amount, -200.0);
    }

    // Millennium writes money out and in in two columns; Pekao names its reference.
    void debitCreditAndReferences()
    {
        const BankStatement millennium = read(QStringLiteral(
            "Numer rachunku,Data transakcji,Data rozliczenia,Rodzaj transakcji,Na konto/Z konta,Odbiorca/Zleceniodawca,Opis,Obciążenia,Uznania,Saldo,Waluta\n"
            "PL11,2026-10-02,2026-10-02,TRANSAKCJA KARTĄ,,ROSSMANN,Zakup,\"-23,99\",,\"976,01\",PLN\n"
            "PL11,2026-10-03,2026-10-03,UZNANIE,PL22,ANNA NOWAK,Zwrot,,\"150,00\",\"1126,01\",PLN\n").toUtf8());
        QCOMPARE(millennium.format, QStringLiteral("Bank Millennium"));
        QCOMPARE(millennium.rows.size(), 2);
        QCOMPARE(millennium.rows[0].amount, -23.99);
        QCOMPARE(millennium.rows[0].kind, QStringLiteral("TRANSAKCJA KARTĄ"));
        QCOMPARE(millennium.rows[1].amount, 150.0);
        QCOMPARE(millennium.rows[1].counterparty, QStringLiteral("ANNA NOWAK"));

        const BankStatement pekao = read(cp1250(QStringLiteral(
            "Data księgowania;Data waluty;Nadawca / Odbiorca;Adres nadawcy / odbiorcy;Rachunek źródłowy;Rachunek docelowy;Tytułem;"
            "Kwota operacji;Waluta;Numer referencyjny;Typ operacji;Kategoria\n"
            "05.10.2026;05.10.2026;TAURON SPRZEDAŻ;KRAKÓW;PL11;PL33;Faktura 123/2026;-210,40;PLN;C2610050001;PRZELEW WYCHODZĄCY;Rachunki\n")));
        QCOMPARE(pekao.format, QStringLiteral("Pekao SA"));
        QCOMPARE(pekao.rows.size(), 1);
        QCOMPARE(pekao.rows[0], (StatementRow{QStringLiteral("05-10-2026"), -210.40, QStringLiteral("PLN"), QStringLiteral("TAURON SPRZEDAŻ"),
                                              QStringLiteral("Faktura 123/2026"), QStringLiteral("PRZELEW WYCHODZĄCY"),
                                              QStringLiteral("C2610050001"), 2, false}));
    }

    // Santander has no column line: rows known by their shape below a summary line, which is no
    // row; a damaged row after the first is listed. Alior has a line of criteria above the column
    // line and the receiver in a column of its own for money out.
    void santanderAndAlior()
    {
        const BankStatement santander = read(cp1250(QStringLiteral(
            "2026-10-31,'PL61109010140000071219812874',Konto Santander,PLN,\"1234,56\",\"1034,56\",3\n"
            "1,02-10-2026,Zakup w sklepie,LIDL SP. Z O.O.,,\"-48,20\",\"1186,36\",\n"
            "2,05-10-2026,Wynagrodzenie za wrzesień,FIRMA SA,PL33,\"3 000,00\",\"4186,36\",\n"
            "3,xx-10-2026,zepsuty,,,\"-1,00\",\"4185,36\",\n")));
        QCOMPARE(santander.format, QStringLiteral("Santander Bank Polska"));
        QCOMPARE(santander.rows.size(), 2);
        QCOMPARE(santander.rows[0], (StatementRow{QStringLiteral("02-10-2026"), -48.20, QStringLiteral("PLN"), QStringLiteral("LIDL SP. Z O.O."),
                                                  QStringLiteral("Zakup w sklepie"), QString(), QString(), 2, false}));
        QCOMPARE(santander.rows[1].amount, 3000.0);
        QCOMPARE(santander.rows[1].title, QStringLiteral("Wynagrodzenie za wrzesień"));
        QCOMPARE(santander.skipped, QStringList(QStringLiteral("wiersz 4: nie można odczytać daty")));

        const BankStatement alior = read(cp1250(QStringLiteral(
            "Kryteria wyszukiwania: od 01-10-2026 do 31-10-2026;;;;;;;;\n"
            "Data transakcji;Data księgowania;Nazwa nadawcy;Nazwa odbiorcy;Szczegóły transakcji;Kwota operacji;Waluta operacji;"
            "Kwota w walucie rachunku;Waluta rachunku;Numer rachunku nadawcy;Numer rachunku odbiorcy\n"
            "03-10-2026;04-10-2026;JAN KOWALSKI;ORLEN STACJA 12;Płatność kartą;-50,00;EUR;-212,35;PLN;PL11;\n"
            "06-10-2026;06-10-2026;ANNA NOWAK;JAN KOWALSKI;Zwrot za bilety;120,00;PLN;120,00;PLN;PL22;PL11\n")));
        QCOMPARE(alior.format, QStringLiteral("Alior Bank"));
        QCOMPARE(alior.rows.size(), 2);
        QCOMPARE(alior.rows[0], (StatementRow{QStringLiteral("03-10-2026"), -212.35, QStringLiteral("PLN"), QStringLiteral("ORLEN STACJA 12"),
                                              QStringLiteral("Płatność kartą"), QString(), QString(), 3, false}));
        QCOMPARE(alior.rows[1].counterparty, QStringLiteral("ANNA NOWAK"));
        QCOMPARE(alior.rows[1].amount, 120.0);
    }

    // A CSV file of a bank no layout knows: its column line found below a title line (the
    // separator with the most columns wins), read with the user's columns (debit and credit
    // here); a mapping without a date or an amount reads nothing; the maps are kept in the
    // rules file.
    void columnsTheUserChose()
    {
        const QByteArray bytes = QStringLiteral(
            "Historia rachunku, Bank Spółdzielczy\n"
            "Dzień;Kontrahent;Opis;Wypływ;Wpływ;Saldo\n"
            "2026-10-02;SKLEP U ZOSI;chleb, mleko;12,50;;987,50\n"
            "2026-10-03;JAN KOWALSKI;zwrot;;40,00;1027,50\n"
            "jutro;?;;1,00;;\n").toUtf8();
        QString problem;
        QVERIFY(!ReadBankStatement(bytes, problem));
        const std::optional<CsvHeader> header = FindCsvHeader(bytes);
        QVERIFY(header);
        QCOMPARE(header->separator, u';');
        QCOMPARE(header->line, 1);
        QCOMPARE(header->names, QStringList({"Dzień", "Kontrahent", "Opis", "Wypływ", "Wpływ", "Saldo"}));
        QCOMPARE(header->sample.at(2), QStringLiteral("chleb, mleko"));
        QCOMPARE(header->key(), QStringLiteral(";|Dzień|Kontrahent|Opis|Wypływ|Wpływ|Saldo"));

        const CsvColumnMapping mapping{0, -1, 3, 4, 1, 2};
        QCOMPARE(GuessCsvColumns(*header), mapping);
        QCOMPARE(CsvColumnMapping::fromNumbers(mapping.numbers()), mapping);
        const std::optional<BankStatement> statement = ReadMappedCsvStatement(bytes, *header, mapping, problem);
        QVERIFY(statement);
        QCOMPARE(statement->format, QStringLiteral("CSV"));
        QCOMPARE(statement->rows.size(), 2);
        QCOMPARE(statement->rows[0], (StatementRow{QStringLiteral("02-10-2026"), -12.5, QStringLiteral("PLN"), QStringLiteral("SKLEP U ZOSI"),
                                                   QStringLiteral("chleb, mleko"), QString(), QString(), 3, false}));
        QCOMPARE(statement->rows[1].amount, 40.0);
        QCOMPARE(statement->skipped, QStringList(QStringLiteral("wiersz 5: nie można odczytać daty")));
        QVERIFY(!ReadMappedCsvStatement(bytes, *header, CsvColumnMapping{-1, 3, -1, -1, 1, 2}, problem));
        QVERIFY(!ReadMappedCsvStatement(bytes, *header, CsvColumnMapping{0, -1, -1, -1, 1, 2}, problem));
        QVERIFY(!ReadMappedCsvStatement(bytes, *header, CsvColumnMapping{0, 9, -1, -1, 1, 2}, problem));
        QVERIFY(!FindCsvHeader(QByteArray("%PDF-1.7\n1 0 obj\n")));

        QTemporaryDir dir;
        FixedClock clock(QDate(2026, 10, 31));
        test::LineSink sink;
        Database db;
        InitialiseNewDatabase(db, dir.filePath(QStringLiteral("budzet.tf4")), clock);
        db.importColumnMaps.insert(header->key(), mapping.numbers());
        db.importRules = {{QStringLiteral("kolumny"), 4}}; // a rule of that text is still a rule
        db.importRulesChanged = true;
        QVERIFY(SavePeriodFiles(db, 0, clock, sink));
        Database again;
        QVERIFY(OpenDatabase(again, db.databaseDir + QStringLiteral("/budzet.tf4"), OpenMode::readWrite, sink));
        QCOMPARE(again.importColumnMaps, db.importColumnMaps);
        QCOMPARE(again.importRules, db.importRules);
    }

    // MT940 with each of the ":86:" sub-field styles: the kind, the title over several
    // sub-fields, the other side; balances with their signs; a reversal.
    void mt940_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("~") << "~";
        QTest::newRow("^") << "^";
        QTest::newRow("<") << "<";
    }
    void mt940()
    {
        QFETCH(QString, separator);
        QString text = QStringLiteral(
            ":20:ST261031\r\n:25:/PL61109010140000071219812874\r\n:28C:00123\r\n:60F:C261001PLN1234,56\r\n"
            ":61:2610021002DN25,50NTRFNONREF//C261002000001\r\n"
            ":86:073§00PŁATNOŚĆ KARTĄ§20ŻABKA Z4521 §21WROCŁAW§27ŻABKA POLSKA§28 SP. Z O.O.§38PL11\r\n"
            ":61:261005C2000,00NTRFNONREF\r\n:86:051§00PRZELEW§20WYNAGRODZENIE§27FIRMA\r\n"
            ":61:261006RC10,00NTRFNONREF\r\n:86:zwrot bez podpól\r\n"
            ":62F:C261031PLN3199,06\r\n-\r\n");
        text.replace(u'§', separator.at(0));
        const QByteArray bytes = cp1250(text);
        const BankStatement s = read(bytes);
        QCOMPARE(s.format, QStringLiteral("MT940"));
        QCOMPARE(s.account, QStringLiteral("/PL61109010140000071219812874"));
        QCOMPARE(s.opening, std::optional<double>(1234.56));
        QCOMPARE(s.closing, std::optional<double>(3199.06));
        QCOMPARE(s.from, QStringLiteral("01-10-2026"));
        QCOMPARE(s.rows.size(), 3);
        QCOMPARE(s.rows[0], (StatementRow{QStringLiteral("02-10-2026"), -25.50, QStringLiteral("PLN"),
                                          QStringLiteral("ŻABKA POLSKA SP. Z O.O."), QStringLiteral("ŻABKA Z4521 WROCŁAW"),
                                          QStringLiteral("PŁATNOŚĆ KARTĄ"), QStringLiteral("C261002000001"), 5, false}));
        QCOMPARE(s.rows[1].amount, 2000.0);
        QCOMPARE(s.rows[1].title, QStringLiteral("WYNAGRODZENIE"));
        QCOMPARE(s.rows[2].amount, -10.0); // a reversed credit takes the money back
        QCOMPARE(s.rows[2].title, QStringLiteral("zwrot bez podpól"));
    }

    // camt.053 of any version, by local names: balances, a booked credit and a pending debit.
    void camt053()
    {
        const QByteArray bytes = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><BkToCstmrStmt><Stmt>"
            "<Acct><Id><IBAN>PL61109010140000071219812874</IBAN></Id></Acct>"
            "<Bal><Tp><CdOrPrtry><Cd>OPBD</Cd></CdOrPrtry></Tp><Amt Ccy=\"PLN\">100.00</Amt><CdtDbtInd>CRDT</CdtDbtInd></Bal>"
            "<Bal><Tp><CdOrPrtry><Cd>CLBD</Cd></CdOrPrtry></Tp><Amt Ccy=\"PLN\">50.00</Amt><CdtDbtInd>DBIT</CdtDbtInd></Bal>\n"
            "<Ntry><Amt Ccy=\"PLN\">2000.00</Amt><CdtDbtInd>CRDT</CdtDbtInd><Sts><Cd>BOOK</Cd></Sts>"
            "<BookgDt><Dt>2026-10-05</Dt></BookgDt><AcctSvcrRef>REF-1</AcctSvcrRef><AddtlNtryInf>PRZELEW</AddtlNtryInf>"
            "<NtryDtls><TxDtls><RltdPties><Dbtr><Pty><Nm>Firma Sp. z o.o.</Nm></Pty></Dbtr></RltdPties>"
            "<RmtInf><Ustrd>Wynagrodzenie październik</Ustrd></RmtInf></TxDtls></NtryDtls></Ntry>\n"
            "<Ntry><Amt Ccy=\"PLN\">59.80</Amt><CdtDbtInd>DBIT</CdtDbtInd><Sts>PDNG</Sts>"
            "<ValDt><Dt>2026-10-06</Dt></ValDt>"
            "<NtryDtls><TxDtls><RltdPties><Cdtr><Nm>ORLEN</Nm></Cdtr></RltdPties></TxDtls></NtryDtls></Ntry>"
            "</Stmt></BkToCstmrStmt></Document>\n").toUtf8();
        const BankStatement s = read(bytes);
        QCOMPARE(s.format, QStringLiteral("camt.053"));
        QCOMPARE(s.account, QStringLiteral("PL61109010140000071219812874"));
        QCOMPARE(s.opening, std::optional<double>(100.0));
        QCOMPARE(s.closing, std::optional<double>(-50.0));
        QCOMPARE(s.rows.size(), 2);
        QCOMPARE(s.rows[0], (StatementRow{QStringLiteral("05-10-2026"), 2000.0, QStringLiteral("PLN"), QStringLiteral("Firma Sp. z o.o."),
                                          QStringLiteral("Wynagrodzenie październik"), QStringLiteral("PRZELEW"), QStringLiteral("REF-1"), 3, false}));
        QCOMPARE(s.rows[1].amount, -59.80);
        QCOMPARE(s.rows[1].counterparty, QStringLiteral("ORLEN"));
        QVERIFY(s.rows[1].pending);
    }

    // What a row becomes: the bank-account kind from its sign and what the bank calls it, the
    // amount made positive, a description of the other side and the title cut at a word.
    void whatARowBecomes_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("bankKind");
        QTest::newRow("money in") << 2000.0 << "PRZELEW PRZYCHODZĄCY" << "WYNAGRODZENIE" << 1;
        QTest::newRow("money out") << -38.17 << "Płatność kartą" << "ŻABKA" << 2;
        QTest::newRow("a fee") << -5.0 << "OPŁATA" << "za kartę" << 3;
        QTest::newRow("a commission") << -2.0 << "Prowizja" << "za przelew" << 4;
        QTest::newRow("interest charged") << -1.5 << "ODSETKI" << "" << 5;
        QTest::newRow("interest earned") << 3.2 << "KAPITALIZACJA ODSETEK" << "" << 6;
    }
    void whatARowBecomes()
    {
        QFETCH(double, amount);
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(int, bankKind);
        const StatementRow row{QStringLiteral("02-10-2026"), amount, QStringLiteral("PLN"), QStringLiteral("BANK"), title, kind, QString(), 1, false};
        QCOMPARE(BankKindOf(row), bankKind);
        BankStatement statement;
        statement.rows = {row};
        const QVector<ImportRow> plan = PlanImport(Database(), statement, {});
        QCOMPARE(plan.first().entry.amount, std::abs(amount));
        QCOMPARE(int(plan.first().entry.group), bankKind);
    }

    void descriptions()
    {
        StatementRow row;
        row.counterparty = QStringLiteral("PRZEDSIĘBIORSTWO WODOCIĄGÓW I KANALIZACJI");
        row.title = QStringLiteral("FAKTURA 123/2026 ZA WODĘ");
        const QString text = ImportDescription(row);
        QCOMPARE(text, QStringLiteral("PRZEDSIĘBIORSTWO WODOCIĄGÓW I"));
        row.counterparty = QStringLiteral("Zoë Müller €"); // outside the code page: fitted as elsewhere
        row.title = QString();
        QCOMPARE(ImportDescription(row), fitText(QStringLiteral("Zoë Müller €"), 40));
    }

    // Never twice: two genuine equal rows of one statement are both new; the same statement again
    // is all "już zaimportowany"; an overlapping later one has only its new rows new; a row the
    // user typed by hand is a possible duplicate and a block is listed, neither checked.
    void neverTwice()
    {
        BankStatement first;
        first.format = QStringLiteral("mBank");
        first.account = QStringLiteral("11 2222");
        const StatementRow ticket{QStringLiteral("02-10-2026"), -4.4, QStringLiteral("PLN"), QStringLiteral("MPK"), QStringLiteral("bilet"),
                                  QStringLiteral("ZAKUP"), QString(), 2, false};
        StatementRow salary = ticket;
        salary.amount = 5000;
        salary.title = QStringLiteral("WYNAGRODZENIE");
        salary.date = QStringLiteral("10-10-2026");
        first.rows = {ticket, ticket, salary};
        QVector<ImportRow> plan = PlanImport(Database(), first, {});
        QCOMPARE(plan.size(), 3);
        QVERIFY(plan[0].fingerprint != plan[1].fingerprint);
        for (const ImportRow &r : plan) {
            QCOMPARE(r.status, ImportStatus::fresh);
            QVERIFY(r.checked);
        }
        QSet<QString> remembered;
        for (const ImportRow &r : plan)
            remembered.insert(r.fingerprint);
        for (const ImportRow &r : PlanImport(Database(), first, remembered))
            QCOMPARE(r.status, ImportStatus::imported);

        BankStatement later = first;
        StatementRow rent = ticket;
        rent.amount = -1500;
        rent.title = QStringLiteral("CZYNSZ");
        rent.date = QStringLiteral("15-10-2026");
        StatementRow block = ticket;
        block.pending = true;
        block.amount = -59.8;
        later.rows = {ticket, salary, rent, block}; // one ticket less: the first of two stays known
        Database db;
        db.reg(RegisterKind::bankAccount).append(Entry{QStringLiteral("13-10-2026"), 1500, 2, QStringLiteral("czynsz wpisany")});
        plan = PlanImport(db, later, remembered);
        QCOMPARE(plan[0].status, ImportStatus::imported);
        QCOMPARE(plan[1].status, ImportStatus::imported);
        QCOMPARE(plan[2].status, ImportStatus::possibleDuplicate);
        QVERIFY(!plan[2].checked);
        QCOMPARE(plan[3].status, ImportStatus::pending);
        QVERIFY(!plan[3].checked);
        QCOMPARE(ImportStatusText(plan[2].status), QStringLiteral("możliwy duplikat"));

        // A reference, when there is one, is the fingerprint whatever the text.
        StatementRow referenced = salary;
        referenced.reference = QStringLiteral("C2610050001");
        first.rows = {referenced};
        QCOMPARE(ImportFingerprints(first), QStringList({QStringLiteral("ref:mBank:C2610050001")}));
    }

    // The rows added go into the bank account and are remembered with the next save of their
    // period (in "<name>.tfi"): the same file then shows "już zaimportowany" after an open; an
    // import whose changes are dropped ("Nie") is not remembered; a full register takes what
    // fits; "Zapisz jako" takes the list along and deleting the database removes it.
    void importRememberedWithTheSave()
    {
        NewDatabase f;
        QVERIFY(SavePeriodFiles(f.db, 0, f.clock, f.sink));
        auto &[dir, path, clock, sink, db] = f;
        BankStatement statement;
        statement.format = QStringLiteral("MT940");
        statement.rows = {StatementRow{QStringLiteral("02-10-2026"), -25.5, QStringLiteral("PLN"), QStringLiteral("ŻABKA"),
                                       QStringLiteral("zakupy"), QString(), QStringLiteral("R1"), 5, false},
                          StatementRow{QStringLiteral("05-10-2026"), 2000, QStringLiteral("PLN"), QStringLiteral("FIRMA"),
                                       QStringLiteral("pensja"), QString(), QStringLiteral("R2"), 7, false}};

        // Dropped by "Nie": not remembered.
        QCOMPARE(ApplyImport(db, PlanImport(db, statement, db.importedRows)).added, 2);
        QVERIFY(db.modified);
        QVERIFY(ClosePeriod(db, 0, clock, sink)); // the sink answers "Nie"
        QVERIFY(db.importedSinceSave.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("budzet.tfi"))));

        // Saved: remembered, and known at the next open.
        db.reg(RegisterKind::bankAccount).entries.clear();
        QCOMPARE(ApplyImport(db, PlanImport(db, statement, db.importedRows)).added, 2);
        QCOMPARE(db.reg(RegisterKind::bankAccount).entries.at(1), (Entry{QStringLiteral("05-10-2026"), 2000, 1, QStringLiteral("FIRMA pensja")}));
        QVERIFY(SavePeriodFiles(db, 0, clock, sink));
        Database again;
        QVERIFY(OpenDatabase(again, path, OpenMode::readWrite, sink));
        QCOMPARE(again.importedRows.size(), 2);
        for (const ImportRow &r : PlanImport(again, statement, again.importedRows))
            QCOMPARE(r.status, ImportStatus::imported);

        // A full register takes what fits.
        QVERIFY(LoadPeriod(again, 0, sink));
        again.reg(RegisterKind::bankAccount).entries.resize(MaxEntries - 1);
        statement.rows[0].reference = QStringLiteral("R3");
        statement.rows[1].reference = QStringLiteral("R4");
        statement.rows[0].amount = -30; // not like the rows in the register: no possible duplicates
        statement.rows[1].amount = 100;
        const ImportApplied full = ApplyImport(again, PlanImport(again, statement, again.importedRows));
        QCOMPARE(full.added, 1);
        QCOMPARE(full.leftOut, 1);

        // The copy keeps what was imported; the deleted database leaves no list behind.
        QVERIFY(CopyDatabase(db, dir.filePath(QStringLiteral("kopia.tf4")), clock, sink));
        QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("kopia.tfi"))), test::fileBytes(dir.filePath(QStringLiteral("budzet.tfi"))));
        QVERIFY(DeleteDatabaseFiles(db, sink));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("kopia.tfi"))));
    }

    // A damaged list of imported rows is reported and set aside at the open; the rows imported
    // after it are remembered again with the save.
    void damagedImportListSetAside()
    {
        NewDatabase f;
        QVERIFY(SavePeriodFiles(f.db, 0, f.clock, f.sink));
        auto &[dir, path, clock, sink, db] = f;
        const QString list = dir.filePath(QStringLiteral("budzet.tfi"));
        test::writeFileBytes(list, QByteArray("GIF89a\x01\x02"));
        Database damaged;
        QVERIFY(OpenDatabase(damaged, path, OpenMode::readWrite, sink));
        QCOMPARE(sink.messages, QStringList(QStringLiteral("Nie można odczytać pliku budzet.tfi (zaimportowane wiersze wyciągów).|"
                                                           "Zachowano go jako budzet.tfi.uszkodzony; import nie rozpozna wierszy "
                                                           "zaimportowanych wcześniej.")));
        QCOMPARE(test::fileBytes(list + QStringLiteral(".uszkodzony")), QByteArray("GIF89a\x01\x02"));
        QVERIFY(LoadPeriod(damaged, 0, sink));
        BankStatement statement;
        statement.format = QStringLiteral("MT940");
        statement.rows = {StatementRow{QStringLiteral("02-10-2026"), -25.5, QStringLiteral("PLN"), QStringLiteral("ŻABKA"),
                                       QStringLiteral("zakupy"), QString(), QStringLiteral("R1"), 5, false}};
        QCOMPARE(ApplyImport(damaged, PlanImport(damaged, statement, RememberedImports(damaged))).added, 1);
        QVERIFY(SavePeriodFiles(damaged, 0, clock, sink));
        Database again;
        QVERIFY(OpenDatabase(again, path, OpenMode::readWrite, sink));
        QCOMPARE(again.importedRows.size(), 1);
    }

    // Rules give an expense its group (the first that matches, letter case aside; else "INNE");
    // with the choice on, card payments and transfers also go into "Rozchód" and "Przychód",
    // fees only into the account. Rules and the choice are kept in "<name>.tfu" with the save and
    // read back at the open; a damaged file is reported and left as it is.
    void rulesAndRegisters()
    {
        NewDatabase f;
        auto &[dir, path, clock, sink, db] = f;
        db.header.groupNames[7] = QStringLiteral("INNE");
        const auto row = [](double amount, const QString &counterparty, const QString &title) {
            return StatementRow{QStringLiteral("02-10-2026"), amount, QStringLiteral("PLN"), counterparty, title, QString(), QString(), 1, false};
        };
        db.importRules = {{QStringLiteral("biedronka"), 3}, {QStringLiteral("ORLEN"), 5}, {QStringLiteral("BIEDRONKA"), 9}};
        QCOMPARE(GroupByRules(db, row(-1, QStringLiteral("Biedronka 123"), QString())), 3);
        QCOMPARE(GroupByRules(db, row(-1, QString(), QStringLiteral("paliwo orlen"))), 5);
        QCOMPARE(GroupByRules(db, row(-1, QStringLiteral("KINO"), QString())), 7);

        db.importAlsoIntoRegisters = true;
        db.importRulesChanged = true;
        BankStatement statement;
        statement.rows = {row(-54.2, QStringLiteral("BIEDRONKA"), QStringLiteral("zakupy")), row(3000, QStringLiteral("FIRMA"), QStringLiteral("pensja")),
                          row(-5, QString(), QStringLiteral("OPŁATA za kartę"))};
        QVector<ImportRow> plan = PlanImport(db, statement, {});
        QCOMPARE(ImportRegistersText(plan.at(0), true), QStringLiteral("Konto bankowe, Rozchód"));
        QCOMPARE(ImportRegistersText(plan.at(1), true), QStringLiteral("Konto bankowe, Przychód"));
        QCOMPARE(ImportRegistersText(plan.at(2), true), QStringLiteral("Konto bankowe"));
        ImportRow block = plan.at(0);
        block.status = ImportStatus::pending;
        QCOMPARE(ImportRegistersText(block, true), QStringLiteral("—"));
        QCOMPARE(BankKindOf(statement.rows.at(2)), 3);
        QCOMPARE(ApplyImport(db, plan).added, 3);
        QCOMPARE(db.reg(RegisterKind::bankAccount).count(), 3);
        QCOMPARE(db.reg(RegisterKind::expenses).entries, (QVector<Entry>{{QStringLiteral("02-10-2026"), 54.2, 3, QStringLiteral("BIEDRONKA zakupy")}}));
        QCOMPARE(db.reg(RegisterKind::incomes).entries, (QVector<Entry>{{QStringLiteral("02-10-2026"), 3000, 0, QStringLiteral("FIRMA pensja")}}));

        QVERIFY(SavePeriodFiles(db, 0, clock, sink));
        const QString rulesPath = dir.filePath(QStringLiteral("budzet.tfu"));
        QVERIFY(QFile::exists(rulesPath));
        Database again;
        QVERIFY(OpenDatabase(again, path, OpenMode::readWrite, sink));
        QVERIFY(again.importAlsoIntoRegisters);
        QCOMPARE(again.importRules.size(), 3);
        QCOMPARE(again.importRules.at(1).text, QStringLiteral("ORLEN"));
        QCOMPARE(again.importRules.at(1).group, 5);

        // Damaged: reported once and set aside; the rules remembered from then on are saved.
        test::writeFileBytes(rulesPath, QByteArray("\x89PNG\r\n"));
        sink.messages.clear();
        Database damaged;
        QVERIFY(OpenDatabase(damaged, path, OpenMode::readWrite, sink));
        QCOMPARE(sink.messages, QStringList(QStringLiteral("Nie można odczytać pliku budzet.tfu (reguły importu wyciągów).|"
                                                           "Zachowano go jako budzet.tfu.uszkodzony; import zaczyna bez reguł.")));
        QCOMPARE(test::fileBytes(rulesPath + QStringLiteral(".uszkodzony")), QByteArray("\x89PNG\r\n"));
        QVERIFY(damaged.importRules.isEmpty());
        QVERIFY(LoadPeriod(damaged, 0, sink));
        damaged.importRules = {{QStringLiteral("ŻABKA"), 2}};
        damaged.importRulesChanged = damaged.modified = true;
        QVERIFY(SavePeriodFiles(damaged, 0, clock, sink));
        Database last;
        QVERIFY(OpenDatabase(last, path, OpenMode::readWrite, sink));
        QCOMPARE(last.importRules.size(), 1);
        QCOMPARE(last.importRules.first().text, QStringLiteral("ŻABKA"));
    }

    // A file that is no statement says so, with the formats tried.
    void notAStatement()
    {
        for (const QByteArray &bytes : {QByteArray("%PDF-1.7\n%\xe2\xe3\xcf\xd3\n1 0 obj\n"), QByteArray(), QByteArray("a;b;c\n1;2;3\n")}) {
            QString problem;
            QVERIFY(!ReadBankStatement(bytes, problem));
            QVERIFY2(problem.startsWith(QStringLiteral("Nie rozpoznano formatu wyciągu bankowego")), qPrintable(problem));
            QVERIFY(problem.contains(QStringLiteral("MT940")));
        }
    }
};

QTEST_GUILESS_MAIN(TestBankStatement)
#include "tst_bankstatement.moc"
