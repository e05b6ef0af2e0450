#include "ui/tools/printpanel.h"

#include "core/store/database.h"
#include "ui/common/desktop.h"
#include "ui/common/hints.h"
#include "ui/common/maskededit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

namespace {

const QString kPrinterProblem = QStringLiteral("Problem z drukarką");
const QString kCheckPrinter = QStringLiteral("Sprawdź drukarkę");
// Under "Sprawdź drukarkę" when no printer is installed at all: where the print can go instead.
const QString kNoPrinter = QStringLiteral("Sprawdź drukarkę\nNie zainstalowano żadnej drukarki; wydruk można zapisać jako PDF.");
const QString kDateMask = QStringLiteral("00/00/0000; ");

struct SectionBox
{
    const char *name;
    const char *caption;
    const char *hint;
};

const SectionBox kSectionBoxes[PrintSectionCount] = {
    {"rozchod", "Rozchód", "informacje o wydatkach"},
    {"przychod", "Przychód", "informacje o przychodach"},
    {"dlugi", "Długi / pożyczki", "informacje o długach / pożyczkach"},
    {"planowanie", "Planowanie", "informacje o planowanych wydatkach"},
    {"konto", "Konto bankowe", "informacje o koncie bankowym"},
    {"bilans", "Bilans", "bilans"},
    {"prognoza", "Prognoza", "prognozę wydatków"},
    {"stankonta", "Stan konta na podany dzień", "stan konta na podany dzień"},
    {"listazakupow", "Lista zakupów", "listę zakupów"},
    {"notatnik", "Notatnik", "notatki"},
    {"zestawienie", "Zestawienie okresów", "zestawienie ostatnich 12 okresów"},
};

// The sections whose own dates the fields od2..od7 hold when the dates are not shared.
const char *const kDateRowCaptions[7] = {
    "Rozchód", "Przychód", "Długi / pożyczki", "Planowanie", "Bilans", "Konto bankowe", "Prognoza",
};

QCheckBox *box(QWidget *parent, const char *name, const QString &caption, const QString &hint, bool checked)
{
    auto *b = new QCheckBox(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setChecked(checked);
    setHint(b, hint);
    return b;
}

} // namespace

Tdrukuj::Tdrukuj(Database &db, Desktop &desktop, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_desktop(desktop)
{
    setObjectName(QStringLiteral("drukuj"));
    setWindowTitle(QStringLiteral("Drukowanie danych"));
    setModal(true);

    auto *headerBox = new QGroupBox(QStringLiteral("Nagłówek strony"), this);
    auto *headerLayout = new QVBoxLayout(headerBox);
    m_naglowek = box(headerBox, "Naglowek", QStringLiteral("Nagłówek programu Trelfin"),
                     QStringLiteral("Umieść na wydruku nagłówek programu TrelFIN"), true);
    m_datawydruku = box(headerBox, "Datawydruku", QStringLiteral("Data wydruku"),
                        QStringLiteral("Umieść na wydruku datę wydruku"), true);
    m_uzytkownik = box(headerBox, "uzytkownik", QStringLiteral("Użytkownik"),
                       QStringLiteral("Umieść na wydruku nazwę użytkownika"), true);
    m_nazwaokresu = box(headerBox, "nazwaokresu", QStringLiteral("Nazwa okresu"),
                        QStringLiteral("Umieść na wydruku nazwę okresu"), true);
    for (QCheckBox *b : {m_naglowek, m_datawydruku, m_uzytkownik, m_nazwaokresu})
        headerLayout->addWidget(b);
    headerLayout->addStretch();

    auto *sectionsBox = new QGroupBox(QStringLiteral("Dane"), this);
    auto *sectionsLayout = new QVBoxLayout(sectionsBox);
    for (int i = 0; i < PrintSectionCount; ++i) {
        const SectionBox &s = kSectionBoxes[i];
        m_sections[i] = box(sectionsBox, s.name, QString::fromUtf8(s.caption),
                            QStringLiteral("Umieść na wydruku ") + QString::fromUtf8(s.hint), false);
        sectionsLayout->addWidget(m_sections[i]);
    }

    auto *datesBox = new QGroupBox(QStringLiteral("Daty"), this);
    auto *dates = new QGridLayout(datesBox);
    m_jednadata = box(datesBox, "jednadata", QStringLiteral("Daty jednakowe dla wszystkich danych"),
                      QStringLiteral("Jeden przedział dat dla wszystkich danych"), true);
    dates->addWidget(m_jednadata, 0, 0, 1, 5);
    for (int i = 0; i < 7; ++i) {
        m_od[i] = createMaskedEdit(datesBox, QStringLiteral("od%1").arg(i + 1), kDateMask);
        m_do[i] = createMaskedEdit(datesBox, QStringLiteral("do%1").arg(i + 1), kDateMask);
        setHint(m_od[i], QStringLiteral("Data od, w formacie DD-MM-RRRR"));
        setHint(m_do[i], QStringLiteral("Data do, w formacie DD-MM-RRRR"));
        auto *caption = new QLabel(QString::fromUtf8(kDateRowCaptions[i]), datesBox);
        auto *from = new QLabel(QStringLiteral("Od:"), datesBox);
        auto *to = new QLabel(QStringLiteral("do:"), datesBox);
        from->setBuddy(m_od[i]);
        to->setBuddy(m_do[i]);
        dates->addWidget(caption, i + 1, 0);
        dates->addWidget(from, i + 1, 1);
        dates->addWidget(m_od[i], i + 1, 2);
        dates->addWidget(to, i + 1, 3);
        dates->addWidget(m_do[i], i + 1, 4);
        if (i == 0)
            m_perSectionDates.append(caption); // one range for all needs no section's name
        else
            m_perSectionDates << caption << from << to << m_od[i] << m_do[i];
    }
    m_standata = createMaskedEdit(datesBox, QStringLiteral("standata"), kDateMask);
    setHint(m_standata, QStringLiteral("Stan konta na dzień"));
    auto *dayLabel = new QLabel(QStringLiteral("Stan konta na dzień:"), datesBox);
    dayLabel->setBuddy(m_standata);
    dates->addWidget(dayLabel, 8, 0, 1, 2);
    dates->addWidget(m_standata, 8, 2);
    dates->setRowStretch(9, 1);
    connect(m_jednadata, &QCheckBox::clicked, this, &Tdrukuj::jednadataClick);

    QPushButton *print = createButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Drukuj"), QStringLiteral("Drukuje dane"));
    print->setDefault(true);
    QPushButton *preview = createButton(this, QStringLiteral("podglad"), QStringLiteral("Pod&gląd wydruku"),
                                        QStringLiteral("Pokazuje strony wydruku przed drukowaniem"));
    QPushButton *pdf = createButton(this, QStringLiteral("pdf"), QStringLiteral("Zapisz jako &PDF..."),
                                    QStringLiteral("Zapisuje wydruk w pliku PDF"));
    QPushButton *setup = createButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Ustawienia drukarek"),
                                      QStringLiteral("Konfiguruje ustawienia drukarki"));
    QPushButton *cancel = createButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Anuluj"),
                                       QStringLiteral("Anuluje wydruk i zamyka panel wydruku"));
    connect(print, &QPushButton::clicked, this, &Tdrukuj::BitBtn2Click);
    connect(preview, &QPushButton::clicked, this, &Tdrukuj::previewClick);
    connect(pdf, &QPushButton::clicked, this, &Tdrukuj::pdfClick);
    connect(setup, &QPushButton::clicked, this, &Tdrukuj::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {print, preview, pdf, setup, cancel})
        buttons->addWidget(b);

    auto *top = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(headerBox);
    left->addWidget(sectionsBox);
    top->addLayout(left);
    top->addWidget(datesBox, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    jednadataClick();
}

void Tdrukuj::jednadataClick()
{
    for (QWidget *w : std::as_const(m_perSectionDates))
        w->setVisible(!m_jednadata->isChecked());
}

void Tdrukuj::clearSectionBoxes()
{
    for (int i = 0; i < PrintSectionCount; ++i) {
        if (i != static_cast<int>(PrintSectionKind::bankAccount))
            m_sections[i]->setChecked(false);
    }
}

PrintOptions Tdrukuj::options() const
{
    PrintOptions o;
    o.programHeader = m_naglowek->isChecked();
    o.printDate = m_datawydruku->isChecked();
    o.owner = m_uzytkownik->isChecked();
    o.periodName = m_nazwaokresu->isChecked();
    for (int i = 0; i < PrintSectionCount; ++i)
        o.sections[i] = m_sections[i]->isChecked();
    o.oneRange = m_jednadata->isChecked();
    for (int i = 0; i < 7; ++i) {
        o.from[i] = maskedText(m_od[i]);
        o.to[i] = maskedText(m_do[i]);
    }
    o.statementDay = maskedText(m_standata);
    return o;
}

PrintJob Tdrukuj::job() const
{
    const QDate today = m_desktop.today();
    const PrintOptions o = options();
    QFont font = this->font();
    font.setPointSize(8);
    const int screenDpi = logicalDpiY();
    const QList<PrintSection> sections = BuildPrintSections(m_db, o, today, [font](const QString &text) {
        return WrapText(text, font, 249);
    });
    const QString header = PrintHeaderText(m_db, o, today);
    return [sections, header, font, screenDpi](QPrinter &printer) {
        printer.setDocName(QStringLiteral("Wydruk danych programu Trelfin"));
        const double scale = double(printer.resolution()) / double(screenDpi > 0 ? screenDpi : 96);
        return PaintPrintJob(printer, header, sections, font, scale);
    };
}

void Tdrukuj::BitBtn1Click()
{
    // A cancelled setup is the user's choice, not a problem.
    if (!m_desktop.hasPrinter())
        m_desktop.ShowInformation(kPrinterProblem, kNoPrinter, QStringLiteral("Uwaga"));
    else
        m_desktop.setUpPrinter();
}

void Tdrukuj::BitBtn2Click()
{
    if (!m_desktop.hasPrinter()) {
        m_desktop.ShowInformation(kPrinterProblem, kNoPrinter, QStringLiteral("Uwaga"));
        return;
    }
    if (!m_desktop.print(QStringLiteral("Wydruk danych programu Trelfin"), job()))
        m_desktop.ShowInformation(kPrinterProblem, kCheckPrinter, QStringLiteral("Uwaga"));
}

void Tdrukuj::previewClick()
{
    m_desktop.previewPrint(QStringLiteral("Wydruk danych programu Trelfin"), job());
}

void Tdrukuj::pdfClick()
{
    const QString path = m_desktop.chooseSaveFile(saveFileRequest(
        QStringLiteral("Zapisz wydruk jako PDF"), QStringLiteral("Dokumenty PDF (*.pdf)|*.pdf"), QStringLiteral(".pdf"), QStringLiteral("wydruk")));
    if (path.isEmpty())
        return;
    if (!m_desktop.printToPdf(path, QStringLiteral("Wydruk danych programu Trelfin"), job()))
        m_desktop.ShowInformation(QStringLiteral("Nie można zapisać pliku %1").arg(path), QStringLiteral("Sprawdź, czy folder istnieje i można w nim pisać"),
                                  QStringLiteral("Uwaga"));
}

} // namespace trelfin
