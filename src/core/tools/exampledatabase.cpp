#include "core/tools/exampledatabase.h"

#include "core/store/databasefiles.h"
#include "core/store/filewriter.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/store/real48.h"
#include "core/store/sidefiles.h"
#include "core/tools/notes.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace trelfin {

namespace {

constexpr int PeriodCount = 3;

// Spending groups of the default group set, by number.
enum Group : std::uint8_t {
    food = 1, clothes, cosmetics, rent, electricity, phone, tv, school, culture, fun,
    transport, car, press, recreation, cleaning, pharmacy, gas,
};
enum Debt : std::uint8_t { borrowed = 1, lent, repaid, returned };
enum Bank : std::uint8_t { deposit = 1, charge, fee, commission, interestOwed, interestEarned };

// A fixed pseudo-random sequence, so that the same day always gives the same example and the
// amounts still look like a real household's.
class Variation
{
public:
    explicit Variation(std::uint32_t seed) : m_state(seed * 2654435761u + 12345u) {}
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 24);
    }
    // `base` varied by up to a quarter either way, in whole grosze.
    double around(double base) { return cents(base * (0.75 + 0.5 * next())); }
    int pick(int count) { return std::min(count - 1, static_cast<int>(next() * count)); }
    static double cents(double value) { return Real48::round(std::round(value * 100.0) / 100.0); }

private:
    std::uint32_t m_state;
};

// Builds one register of a month: entries on given days, later sorted by date.
class MonthRegister
{
public:
    explicit MonthRegister(const QDate &month) : m_month(month) {}

    QDate day(int d) const { return m_month.addDays(std::clamp(d, 1, m_month.daysInMonth()) - 1); }
    void add(int d, double amount, std::uint8_t group, const QString &description)
    {
        addOn(day(d), amount, group, description);
    }
    void addOn(const QDate &date, double amount, std::uint8_t group, const QString &description)
    {
        m_rows.append({date, Entry{FormatDashDate(date), Variation::cents(amount), group, description}});
    }
    Register take()
    {
        std::stable_sort(m_rows.begin(), m_rows.end(),
                         [](const Row &a, const Row &b) { return a.date < b.date; });
        Register r;
        for (const Row &row : m_rows)
            r.append(row.entry);
        return r;
    }

private:
    struct Row
    {
        QDate date;
        Entry entry;
    };
    QDate m_month;
    QVector<Row> m_rows;
};

Register expensesOf(const QDate &month, Variation &v)
{
    MonthRegister r(month);
    static const char *const shops[] = {
        "Biedronka - zakupy", "Lidl - zakupy", "Piekarnia", "Warzywniak", "Targ - owoce i warzywa",
        "Żabka", "Mięsny u Kowalskich", "Auchan - duże zakupy",
    };
    for (int d = 1; d <= month.daysInMonth(); d += 2)
        r.add(d, v.around(d % 6 == 1 ? 240.0 : 62.0), food, QString::fromUtf8(shops[v.pick(8)]));
    r.add(10, 780.00, rent, QStringLiteral("Czynsz za mieszkanie"));
    r.add(15, v.around(185.0), electricity, QStringLiteral("Prąd - rachunek"));
    r.add(18, v.around(96.0), gas, QStringLiteral("Gaz - rachunek"));
    r.add(20, 59.99, phone, QStringLiteral("Abonament telefoniczny"));
    r.add(20, 65.00, tv, QStringLiteral("Internet i telewizja"));
    r.add(2, 2 * 110.00, transport, QStringLiteral("Bilety miesięczne MPK"));
    for (int d = 4; d <= 28; d += 8)
        r.add(d, v.around(260.0), car, QStringLiteral("Paliwo - Orlen"));
    r.add(12 + v.pick(10), v.around(180.0), car, QStringLiteral("Myjnia i płyn do spryskiwaczy"));
    r.add(7, v.around(230.0), clothes, QStringLiteral("Kurtka dla Kuby"));
    r.add(23, v.around(140.0), clothes, QStringLiteral("Buty dla Zosi"));
    r.add(9, v.around(58.0), cosmetics, QStringLiteral("Rossmann - kosmetyki"));
    r.add(24, v.around(42.0), cosmetics, QStringLiteral("Fryzjer - Zosia"));
    r.add(5, v.around(120.0), school, QStringLiteral("Korepetycje z matematyki - Kuba"));
    r.add(19, v.around(120.0), school, QStringLiteral("Korepetycje z matematyki - Kuba"));
    r.add(11, v.around(45.0), school, QStringLiteral("Zeszyty i przybory szkolne"));
    r.add(14, v.around(96.0), culture, QStringLiteral("Kino - cała rodzina"));
    r.add(26, v.around(49.0), culture, QStringLiteral("Książka"));
    r.add(16, v.around(60.0), fun, QStringLiteral("Pizza na wynos"));
    r.add(29, v.around(85.0), fun, QStringLiteral("Urodziny u znajomych - prezent"));
    r.add(3, 29.99, press, QStringLiteral("Prenumerata tygodnika"));
    r.add(8, 180.00, recreation, QStringLiteral("Basen - karnet rodzinny"));
    r.add(22, v.around(70.0), recreation, QStringLiteral("Rowery - serwis"));
    r.add(13, v.around(54.0), cleaning, QStringLiteral("Środki czystości"));
    r.add(27, v.around(38.0), cleaning, QStringLiteral("Proszek i płyn do płukania"));
    r.add(6, v.around(64.0), pharmacy, QStringLiteral("Apteka - leki na przeziębienie"));
    r.add(21, v.around(32.0), pharmacy, QStringLiteral("Apteka - witaminy"));
    return r.take();
}

Register incomesOf(const QDate &month, Variation &v)
{
    MonthRegister r(month);
    r.add(10, 6200.00, 0, QStringLiteral("Wynagrodzenie - Piotr"));
    r.add(10, 4850.00, 0, QStringLiteral("Wynagrodzenie - Anna"));
    r.add(1, 800.00, 0, QStringLiteral("Świadczenie 800+ - Zosia"));
    r.add(1, 800.00, 0, QStringLiteral("Świadczenie 800+ - Kuba"));
    // Anna teaches two pupils twice a week.
    for (int d = 2; d <= month.daysInMonth(); d += 7) {
        r.add(d, 80.00, 0, QStringLiteral("Korepetycje - Kasia (matematyka)"));
        r.add(d + 2, 80.00, 0, QStringLiteral("Korepetycje - Kasia (matematyka)"));
        r.add(d + 1, 90.00, 0, QStringLiteral("Korepetycje - Michał (fizyka)"));
        r.add(d + 3, 90.00, 0, QStringLiteral("Korepetycje - Michał (fizyka)"));
    }
    static const char *const sales[] = {
        "OLX - sprzedaż wózka", "OLX - sprzedaż rowerka", "OLX - ubranka dziecięce",
        "Vinted - kurtka", "OLX - fotelik samochodowy", "Allegro - stary telefon",
        "OLX - książki szkolne", "Vinted - buty zimowe",
    };
    for (int i = 0; i < 8; ++i)
        r.add(2 + 3 * i, v.around(90.0), 0, QString::fromUtf8(sales[i]));
    for (int d = 6; d <= 28; d += 4)
        r.add(d, v.around(45.0), 0, QStringLiteral("Zwrot za wspólne zakupy"));
    for (int d = 9; d <= 27; d += 9)
        r.add(d, v.around(250.0), 0, QStringLiteral("Zlecenie - naprawa komputera"));
    r.add(15, v.around(12.0), 0, QStringLiteral("Cashback z karty"));
    r.add(25, 300.00, 0, QStringLiteral("Premia kwartalna - Anna"));
    r.add(28, v.around(20.0), 0, QStringLiteral("Odsetki z lokaty"));
    return r.take();
}

Register debtsOf(const QDate &month, int period, Variation &v)
{
    MonthRegister r(month);
    // The loan to Tomek, Piotr's brother, at the start and his monthly instalments.
    if (period == 1)
        r.add(2, 3000.00, lent, QStringLiteral("Pożyczka dla brata Tomka"));
    r.add(25, 500.00, returned, QStringLiteral("Tomek - rata zwrotu pożyczki"));
    // Lunch money between colleagues, borrowed and given back a few days later.
    static const char *const colleagues[] = {"Marek", "Ewa", "Krzysiek", "Ola"};
    for (int d = 1; d + 3 <= month.daysInMonth(); d += 2) {
        const QString who = QString::fromUtf8(colleagues[(d / 2) % 4]);
        const double amount = v.around(30.0);
        if ((d / 2) % 2 == 0) {
            r.add(d, amount, borrowed, QStringLiteral("Obiad - pożyczone od: ") + who);
            r.add(d + 3, amount, repaid, QStringLiteral("Oddane za obiad: ") + who);
        } else {
            r.add(d, amount, lent, QStringLiteral("Pożyczone na obiad: ") + who);
            r.add(d + 2, amount, returned, QStringLiteral("Zwrot za obiad: ") + who);
        }
    }
    r.add(12, 200.00, borrowed, QStringLiteral("Sąsiadka p. Zofia - na zakupy"));
    r.add(20, 200.00, repaid, QStringLiteral("Oddane p. Zofii"));
    r.add(6, 150.00, lent, QStringLiteral("Pożyczka dla koleżanki Ewy"));
    r.add(26, 150.00, returned, QStringLiteral("Ewa - zwrot pożyczki"));
    // Small sums for the children's school trips and collections, given back at the month's end.
    static const char *const collections[] = {
        "Składka klasowa - Zosia", "Wycieczka szkolna - Kuba", "Prezent dla wychowawczyni",
        "Bilety do teatru - klasa Kuby", "Komitet rodzicielski",
    };
    for (int i = 0; i < 5; ++i) {
        const double amount = v.around(40.0);
        r.add(4 + 5 * i, amount, borrowed, QStringLiteral("Od dziadków: ") + QString::fromUtf8(collections[i]));
        r.add(28, amount, repaid, QStringLiteral("Oddane dziadkom: ") + QString::fromUtf8(collections[i]));
    }
    return r.take();
}

// The plans of a month mirror its bills and big purchases; a plan dated before today is already
// settled. Period 1 also holds the plans ahead: one falls due today and a few later.
Register plannedOf(const QDate &month, int period, const QDate &today, Variation &v)
{
    MonthRegister r(month);
    const auto plan = [&](int d, double amount, std::uint8_t group, const QString &description) {
        const QDate date = r.day(d);
        r.addOn(date, amount, date < today ? std::uint8_t(SettledGroup) : group, description);
    };
    for (int d = 1; d <= month.daysInMonth(); d += 2)
        plan(d, d % 6 == 1 ? 250.00 : 60.00, food, QStringLiteral("Zakupy spożywcze"));
    plan(10, 780.00, rent, QStringLiteral("Czynsz za mieszkanie"));
    plan(15, 190.00, electricity, QStringLiteral("Prąd - rachunek"));
    plan(18, 100.00, gas, QStringLiteral("Gaz - rachunek"));
    plan(20, 59.99, phone, QStringLiteral("Abonament telefoniczny"));
    plan(20, 65.00, tv, QStringLiteral("Internet i telewizja"));
    plan(2, 220.00, transport, QStringLiteral("Bilety miesięczne MPK"));
    for (int d = 4; d <= 28; d += 8)
        plan(d, 250.00, car, QStringLiteral("Paliwo"));
    plan(5, 120.00, school, QStringLiteral("Korepetycje z matematyki - Kuba"));
    plan(19, 120.00, school, QStringLiteral("Korepetycje z matematyki - Kuba"));
    plan(22, 80.00, recreation, QStringLiteral("Rowery - serwis"));
    plan(29, 80.00, fun, QStringLiteral("Prezent urodzinowy dla znajomych"));
    plan(17, 150.00, car, QStringLiteral("Myjnia i drobne naprawy"));
    plan(8, 180.00, recreation, QStringLiteral("Basen - karnet rodzinny"));
    plan(14, 100.00, culture, QStringLiteral("Kino"));
    plan(26, 50.00, culture, QStringLiteral("Książka"));
    plan(3, 29.99, press, QStringLiteral("Prenumerata tygodnika"));
    plan(7, 250.00, clothes, QStringLiteral("Ubrania dla dzieci"));
    plan(9, 60.00, cosmetics, QStringLiteral("Kosmetyki"));
    plan(24, 45.00, cosmetics, QStringLiteral("Fryzjer"));
    plan(11, 50.00, school, QStringLiteral("Przybory szkolne"));
    plan(13, 55.00, cleaning, QStringLiteral("Środki czystości"));
    plan(27, 40.00, cleaning, QStringLiteral("Proszek do prania"));
    plan(6, 60.00, pharmacy, QStringLiteral("Apteka"));
    plan(16, 60.00, fun, QStringLiteral("Wyjście z dziećmi"));
    if (period == 1) {
        r.addOn(today, v.around(420.0), car, QStringLiteral("Ubezpieczenie OC samochodu"));
        r.addOn(today.addDays(6), 350.00, clothes, QStringLiteral("Buty zimowe dla Zosi"));
        r.addOn(today.addDays(12), 150.00, fun, QStringLiteral("Prezent na urodziny mamy"));
        r.addOn(today.addDays(25), 400.00, car, QStringLiteral("Przegląd samochodu"));
        r.addOn(today.addDays(40), 1200.00, recreation, QStringLiteral("Ferie - zaliczka"));
    }
    return r.take();
}

Register bankAccountOf(const QDate &month, const Register &expenses, Variation &v)
{
    MonthRegister r(month);
    r.add(10, 6200.00, deposit, QStringLiteral("Przelew - wynagrodzenie Piotra"));
    r.add(10, 4850.00, deposit, QStringLiteral("Przelew - wynagrodzenie Anny"));
    r.add(1, 1600.00, deposit, QStringLiteral("Przelew - świadczenia 800+"));
    r.add(17, 500.00, deposit, QStringLiteral("Wpłata gotówki we wpłatomacie"));
    // The card pays for most of the month's spending; the rest goes in cash.
    for (const Entry &e : expenses.entries) {
        if (e.amount < 40.0)
            continue;
        r.addOn(QDate::fromString(e.date, QStringLiteral("dd-MM-yyyy")), e.amount, charge,
                QStringLiteral("Karta: ") + e.description);
    }
    r.add(3, 1000.00, charge, QStringLiteral("Przelew na konto oszczędnościowe"));
    r.add(28, 9.99, fee, QStringLiteral("Opłata za prowadzenie konta"));
    r.add(28, 5.00, fee, QStringLiteral("Opłata za kartę"));
    r.add(12, 5.00, commission, QStringLiteral("Prowizja - przelew natychmiastowy"));
    r.add(22, 2.00, commission, QStringLiteral("Prowizja - wypłata z obcego bankomatu"));
    r.add(30, v.around(1.5), interestOwed, QStringLiteral("Odsetki od debetu"));
    r.add(30, v.around(14.0), interestEarned, QStringLiteral("Odsetki od oszczędności"));
    return r.take();
}

RecurringIncome recurringIncome(const QString &day, double amount, const QString &description)
{
    return {true, day, *Real48::fromDouble(amount), description};
}

RecurringExpense recurringExpense(Group group, double amount, const QString &description)
{
    return {true, std::uint8_t(group - 1), *Real48::fromDouble(amount), description};
}

} // namespace

ExampleDatabase BuildExampleDatabase(const QDate &today)
{
    ExampleDatabase example;
    DatabaseHeader &h = example.header;
    SetDefaultGroups(h);
    h.ownerName = QStringLiteral("Anna i Piotr Nowakowie");
    h.otherData = QStringLiteral("ul. Lipowa 12/4, 31-416 Kraków; Zosia (8 lat), Kuba (13 lat)");
    h.confirmDeletes = 1;
    h.periodCount = PeriodCount;
    const QDate thisMonth(today.year(), today.month(), 1);
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    for (int p = 1; p <= PeriodCount; ++p) {
        const QDate month = thisMonth.addMonths(p - 1 - PeriodCount);
        Variation v(static_cast<std::uint32_t>(month.year() * 12 + month.month()));
        ExamplePeriod period;
        const QDate saved = std::min(month.addMonths(1), today);
        period.info.periodDates = FormatDotDate(month) + FormatDotDate(saved);
        period.info.periodName = polish.standaloneMonthName(month.month(), QLocale::LongFormat);
        period.registers[int(RegisterKind::expenses)] = expensesOf(month, v);
        period.registers[int(RegisterKind::incomes)] = incomesOf(month, v);
        period.registers[int(RegisterKind::debts)] = debtsOf(month, p, v);
        period.registers[int(RegisterKind::planned)] = plannedOf(month, p, today, v);
        period.registers[int(RegisterKind::bankAccount)] =
            bankAccountOf(month, period.registers[int(RegisterKind::expenses)], v);
        period.recurringIncomes = {
            recurringIncome(QStringLiteral("10"), 6200.00, QStringLiteral("Wynagrodzenie - Piotr")),
            recurringIncome(QStringLiteral("10"), 4850.00, QStringLiteral("Wynagrodzenie - Anna")),
            recurringIncome(QStringLiteral("1"), 1600.00, QStringLiteral("Świadczenia 800+")),
        };
        period.recurringExpenses = {
            recurringExpense(rent, 780.00, QStringLiteral("Czynsz za mieszkanie")),
            recurringExpense(phone, 59.99, QStringLiteral("Abonament telefoniczny")),
            recurringExpense(tv, 65.00, QStringLiteral("Internet i telewizja")),
            recurringExpense(transport, 220.00, QStringLiteral("Bilety miesięczne MPK")),
        };
        h.periods[p] = period.info;
        example.periods.append(period);
    }
    h.createdDate = h.periods[1].firstWriteDate();
    h.lastSaveDate = FormatDotDate(today);
    h.fitTexts();

    static const char *const shopping[] = {
        "Mleko 2 l", "Chleb razowy", "Masło", "Jajka 10 szt.", "Ser żółty w plastrach",
        "Pomidory 1 kg", "Jabłka 2 kg", "Kawa mielona", "Papier toaletowy", "Płyn do naczyń",
        "Proszek do prania", "Karma dla kota",
    };
    for (int i = 0; i < 12; ++i)
        example.shoppingItems[i].setText(QString::fromUtf8(shopping[i]));

    StoreNote(example.notes[0], QStringLiteral("Zapłacić ratę za pralkę (89 zł)\nprzelewem do Santander Consumer"),
              FormatDashDate(today), today);
    StoreNote(example.notes[1], QStringLiteral("Wizyta u dentysty - Zosia, godz. 16:30"),
              FormatDashDate(today.addDays(9)), today);
    StoreNote(example.notes[2], QStringLiteral("Złożyć wniosek o dofinansowanie kolonii Kuby"),
              FormatDashDate(today.addDays(30)), today);
    return example;
}

bool WriteExampleDatabase(const ExampleDatabase &example, const QString &folder, MessageSink &sink)
{
    Database db;
    SplitDatabasePath(db, QDir(folder).filePath(QStringLiteral("przyklad.tf4")));
    db.header = example.header;
    db.shoppingItems = example.shoppingItems;
    db.notes = example.notes;
    if (!QDir().mkpath(folder)) {
        sink.ShowInformation(QStringLiteral("Nie można utworzyć folderu ") + folder, QString(), QStringLiteral("Błąd"));
        return false;
    }
    // The period files first and the record last: a record that is there names only periods
    // that are there too.
    for (int k = 0; k < example.periods.size(); ++k) {
        const ExamplePeriod &period = example.periods[k];
        db.currentPeriod = k + 1;
        db.registers = period.registers;
        db.recurringIncomes = period.recurringIncomes;
        db.recurringExpenses = period.recurringExpenses;
        if (!WriteWholeFile(PeriodFilePath(db, k), PeriodFileBytes(db), sink, false))
            return false;
    }
    return WriteWholeFile(ShoppingListPath(db), encodeShoppingList(db), sink, false)
           && WriteWholeFile(NotesPath(db), encodeNotes(db), sink, false)
           && WriteWholeFile(RecordFilePath(db), DatabaseRecordBytes(db.header), sink, false);
}

} // namespace trelfin
