#include "ui/tools/exportwindow.h"

#include "ui/common/desktop.h"
#include "ui/common/hints.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

namespace {

// Per register, in register order: the box, its caption, the name field, its default and the
// hints' subjects.
struct RegisterTexts
{
    const char *box;
    const char *caption;
    const char *name;
    const char *defaultName;
    const char *boxSubject;      // text export
    const char *boxSubjectCsv;   // CSV export
    const char *nameSubject;
};

const RegisterTexts kRegisters[RegisterCount] = {
    {"rozchod", "Rozchód", "rozchodn", "rozchod", "o wydatkach", "o wydatkach", "o wydatkach"},
    {"przychod", "Przychód", "przychodn", "przychod", "o przychodach", "o przychodach", "o przychodach"},
    {"dlugi", "Długi / pożyczki", "dlugin", "dlugi", "o długach / pożyczkach", "o długach / pożyczkach",
     "o długach / pożyczkach"},
    {"planowanie", "Planowanie", "planowanien", "planowanie", "o zaplanowanych wydatkach",
     "o planowanych wydatkach", "o planowanych wydatkach"},
    {"konto", "Konto bankowe", "konton", "Konto", "o koncie bankowym", "o koncie bankowym", "o koncie bankowym"},
};

} // namespace

Teksport::Teksport(ExportFormat format, Desktop &desktop, QWidget *parent)
    : QDialog(parent)
    , m_desktop(desktop)
    , m_katalog(new QLineEdit(QDir::currentPath(), this))
{
    const bool text = format == ExportFormat::text;
    setObjectName(text ? QStringLiteral("eksport") : QStringLiteral("eksport2"));
    setWindowTitle(text ? QStringLiteral("Eksport danych jako ASCII (Tekst)") : QStringLiteral("Eksport danych jako CSV (MS Excel)"));
    setModal(true);

    auto *grid = new QGridLayout;
    auto *namesLabel = new QLabel(QStringLiteral("Nazwy plików:"), this);
    grid->addWidget(namesLabel, 0, 1);
    for (int i = 0; i < RegisterCount; ++i) {
        const RegisterTexts &t = kRegisters[i];
        auto *box = new QCheckBox(QString::fromUtf8(t.caption), this);
        box->setObjectName(QString::fromLatin1(t.box));
        box->setChecked(true);
        setHint(box, QStringLiteral("Zaznacz jeśli chcesz eksportować informację ")
                         + QString::fromUtf8(text ? t.boxSubject : t.boxSubjectCsv));
        auto *name = new QLineEdit(QString::fromLatin1(t.defaultName), this);
        name->setObjectName(QString::fromLatin1(t.name));
        setHint(name, QStringLiteral("nazwa eksportowanego pliku zawierającego informację ") + QString::fromUtf8(t.nameSubject));
        name->installEventFilter(this);
        // Typing a name for the debts, planned and bank files chooses that register.
        if (i >= 2)
            connect(name, &QLineEdit::textChanged, box, [box] { box->setChecked(true); });
        grid->addWidget(box, i + 1, 0);
        grid->addWidget(name, i + 1, 1);
        m_boxes[i] = box;
        m_names[i] = name;
    }
    namesLabel->setBuddy(m_names[0]);

    m_katalog->setObjectName(QStringLiteral("katalog"));
    auto *folderLabel = new QLabel(QStringLiteral("&Katalog:"), this);
    folderLabel->setBuddy(m_katalog);
    QPushButton *choose = createButton(this, QStringLiteral("wybierzkatalog"), QStringLiteral("..."),
                                       QStringLiteral("Wybierz katalog"));
    connect(choose, &QPushButton::clicked, this, &Teksport::chooseFolder);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(m_katalog, 1);
    folderRow->addWidget(choose);

    QPushButton *ok = createButton(this, QStringLiteral("ok"), QStringLiteral("&OK"));
    ok->setDefault(true);
    QPushButton *cancel = createButton(this, QStringLiteral("anuluj"), QStringLiteral("Anuluj"));
    connect(ok, &QPushButton::clicked, this, &Teksport::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(folderRow);
    if (!text) {
        // Off by default: the described form (commas, no header, code page 1250) stays the one
        // written unless asked otherwise.
        m_semicolon = new QCheckBox(QStringLiteral("Średnik jako &separator (arkusz w polskiej wersji)"), this);
        m_semicolon->setObjectName(QStringLiteral("srednik"));
        m_header = new QCheckBox(QStringLiteral("&Wiersz nagłówka z nazwami kolumn"), this);
        m_header->setObjectName(QStringLiteral("naglowek"));
        m_utf8 = new QCheckBox(QStringLiteral("Kodowanie &UTF-8 (ze znacznikiem BOM)"), this);
        m_utf8->setObjectName(QStringLiteral("utf8"));
        setHint(m_semicolon, QStringLiteral("Rozdziela pola średnikiem zamiast przecinka"));
        setHint(m_header, QStringLiteral("Pierwszy wiersz pliku podaje nazwy kolumn"));
        setHint(m_utf8, QStringLiteral("Zapisuje tekst w UTF-8 zamiast w stronie kodowej Windows-1250"));
        for (QCheckBox *box : {m_semicolon, m_header, m_utf8})
            layout->addWidget(box);
    }
    layout->addLayout(buttons);
}

CsvOptions Teksport::csvOptions() const
{
    CsvOptions options;
    if (!m_semicolon)
        return options;
    options.separator = m_semicolon->isChecked() ? u';' : u',';
    options.header = m_header->isChecked();
    options.utf8 = m_utf8->isChecked();
    return options;
}

bool Teksport::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < RegisterCount; ++i) {
        if (watched != m_names[i])
            continue;
        // A click into the expenses or incomes name chooses that register; leaving any name
        // empty gives it up, so that no file without a name is attempted.
        if (event->type() == QEvent::MouseButtonPress && i < 2)
            m_boxes[i]->setChecked(true);
        else if (event->type() == QEvent::FocusOut && m_names[i]->text().isEmpty())
            m_boxes[i]->setChecked(false);
    }
    return QDialog::eventFilter(watched, event);
}

void Teksport::setStartFolder(const QString &folder)
{
    if (!m_folderChosen && !folder.isEmpty())
        m_katalog->setText(QDir::toNativeSeparators(QDir::cleanPath(folder)));
}

void Teksport::chooseFolder()
{
    const QString chosen = m_desktop.chooseDirectory(QStringLiteral("Katalog:"), folder());
    if (chosen.isEmpty())
        return;
    m_katalog->setText(QDir::toNativeSeparators(chosen));
    m_folderChosen = true;
}

QString Teksport::folder() const
{
    return QDir::fromNativeSeparators(m_katalog->text());
}

QList<ExportRequest> Teksport::requests() const
{
    QList<ExportRequest> chosen;
    for (int i = 0; i < RegisterCount; ++i) {
        if (m_boxes[i]->isChecked() && !m_names[i]->text().isEmpty())
            chosen.append({static_cast<RegisterKind>(i), m_names[i]->text()});
    }
    return chosen;
}

void Teksport::BitBtn1Click()
{
    if (requests().isEmpty()) {
        reject();
        return;
    }
    // A folder that is not there is said here, and the window stays open to correct it.
    if (!QFileInfo(folder()).isDir()) {
        m_desktop.ShowInformation(QStringLiteral("Katalog %1 nie istnieje").arg(m_katalog->text()),
                                  QStringLiteral("Wybierz istniejący katalog"), QStringLiteral("Eksport danych"));
        m_katalog->setFocus();
        m_katalog->selectAll();
        return;
    }
    accept();
}

} // namespace trelfin
