#include "ui/store/optionswindow.h"

#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "ui/common/hints.h"
#include "ui/store/databasecommands.h"
#include "ui/store/groupsetcommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace trelfin {

namespace {

QLineEdit *field(QWidget *parent, const QString &name, const QString &hint, bool readOnly = true)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    setHint(edit, hint);
    return edit;
}

} // namespace

Topcjebazy::Topcjebazy(Database &db, DatabaseCommands &commands, GroupSetCommands &groupSets, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_commands(commands)
    , m_groupSets(groupSets)
    , m_uzytkownik(field(this, QStringLiteral("uzytkownik"), QStringLiteral("Wprowadź nazwę właściciela edytowanej bazy"), false))
    , m_innedane(new QPlainTextEdit(this))
    , m_datautworzenia(field(this, QStringLiteral("datautworzenia"), QStringLiteral("Data utworzenia edytowanej bazy")))
    , m_ostatnizapis(field(this, QStringLiteral("ostatnizapis"), QStringLiteral("Data ostatniej modyfikacji edytowanej bazy")))
    , m_iloscokresow(field(this, QStringLiteral("iloscokresow"), QStringLiteral("Ilość okresów księgowania w edytowanej bazie")))
    , m_czypytac(new QCheckBox(QStringLiteral("Pytać o usuwanie danych"), this))
    , m_biezacyokres(new QComboBox(this))
    , m_pierwszywpis(field(this, QStringLiteral("pierwszywpis"), QStringLiteral("Data utworzenia edytowanego okresu księgowania")))
    , m_ostatniwpis(field(this, QStringLiteral("ostatniwpis"), QStringLiteral("Data ostatniej modyfikacji edytowanego okresu księgowania")))
{
    setObjectName(QStringLiteral("opcjebazy"));
    setWindowTitle(QStringLiteral("Opcje bazy"));
    setModal(true);
    m_uzytkownik->setMaxLength(Width::ownerName);
    m_innedane->setObjectName(QStringLiteral("innedane"));
    m_innedane->setTabChangesFocus(true); // Tab moves on, as in every other field
    setHint(m_innedane, QStringLiteral("Wprowadź inne dane o edytowanej bazie"));
    m_innedane->setMaximumHeight(90);
    // The notes hold at most 255 characters.
    connect(m_innedane, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_innedane->toPlainText();
        if (text.size() > Width::otherData) {
            const QSignalBlocker block(m_innedane);
            m_innedane->setPlainText(text.left(Width::otherData));
            m_innedane->moveCursor(QTextCursor::End);
        }
    });
    m_czypytac->setObjectName(QStringLiteral("czypytac"));
    setHint(m_czypytac, QStringLiteral("Czy prosić o potwierdzenie usuwania danych z tabel?"));
    m_biezacyokres->setObjectName(QStringLiteral("biezacyokres"));
    setHint(m_biezacyokres, QStringLiteral("Wybiera okres księgowy do edycji"));
    connect(m_biezacyokres, &QComboBox::activated, this, [this](int index) { m_db.selectedPeriod = index + 1; });

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Użytkownik: "), m_uzytkownik);
    form->addRow(QStringLiteral("Inne dane: "), m_innedane);
    form->addRow(QStringLiteral("Data utworzenia: "), m_datautworzenia);
    form->addRow(QStringLiteral("Data ostatniego zapisu:"), m_ostatnizapis);
    form->addRow(QStringLiteral("Ilość okresów:"), m_iloscokresow);
    form->addRow(QString(), m_czypytac);
    form->addRow(QStringLiteral("Okres:"), m_biezacyokres);
    form->addRow(QStringLiteral("Pierwszy wpis:"), m_pierwszywpis);
    form->addRow(QStringLiteral("Ostatni wpis:"), m_ostatniwpis);

    QPushButton *rename = createButton(this, QStringLiteral("nazwa"), QStringLiteral("  Nazwa okresu   "),
                                       QStringLiteral("Zmień nazwę edytowanego okresu księgowania"));
    QPushButton *add = createButton(this, QStringLiteral("dodaj"), QStringLiteral("Dodaj okres"),
                                    QStringLiteral("Dodaj nowy okres księgowania do bazy"));
    QPushButton *remove = createButton(this, QStringLiteral("usunokres"), QStringLiteral("Usuń okres  "),
                                       QStringLiteral("Usuń edytowany okres księgowania z bazy"));
    QPushButton *password = createButton(this, QStringLiteral("haslo"), QStringLiteral("    Zmiana hasła     "),
                                         QStringLiteral("Zmienia / ustawia hasło zabezpieczające dostęp do bazy"));
    QPushButton *groups = createButton(this, QStringLiteral("edycjagrup"), QStringLiteral(" Edycja zbioru grup "),
                                       QStringLiteral("Edytuje nazwy grup wydatków"));
    QPushButton *importGroups = createButton(this, QStringLiteral("import"), QStringLiteral(" Import zbioru grup   "),
                                             QStringLiteral("Importuje zbiór nazw grup wydatków z zewnętrznego pliku"));
    QPushButton *exportGroups = createButton(this, QStringLiteral("export"), QStringLiteral("Eksport zbioru grup"),
                                             QStringLiteral("Eksportuje zbiór nazw grup wydatków z zewnętrznego pliku"));
    QPushButton *deleteDb = createButton(this, QStringLiteral("usun"), QStringLiteral("   Usunięcie bazy     "),
                                         QStringLiteral("Kasuje nieodwracalnie otwartą bazę"));
    QPushButton *help = createButton(this, QStringLiteral("pomoc"), QStringLiteral("        Pomoc             "),
                                     QStringLiteral("Pomoc programu TrelFIN"));
    QPushButton *okButton = createButton(this, QStringLiteral("ok"), QStringLiteral("    &OK       "));
    okButton->setDefault(true);
    QPushButton *cancelButton = createButton(this, QStringLiteral("anuluj"), QStringLiteral("   Anuluj     "));

    auto *buttons = new QGridLayout;
    const QList<QPushButton *> side = {rename, add, remove, password, groups, importGroups, exportGroups, deleteDb, help};
    for (int i = 0; i < side.size(); ++i)
        buttons->addWidget(side.at(i), i, 0);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(okButton);
    bottom->addWidget(cancelButton);
    auto *top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);

    connect(rename, &QPushButton::clicked, this, &Topcjebazy::nazwaClick);
    connect(add, &QPushButton::clicked, this, &Topcjebazy::dodajClick);
    connect(remove, &QPushButton::clicked, this, &Topcjebazy::UsunokresClick);
    connect(password, &QPushButton::clicked, this, &Topcjebazy::hasloClick);
    connect(groups, &QPushButton::clicked, this, &Topcjebazy::pedycjagrup);
    connect(importGroups, &QPushButton::clicked, this, &Topcjebazy::importClick);
    connect(exportGroups, &QPushButton::clicked, this, &Topcjebazy::exportClick);
    connect(deleteDb, &QPushButton::clicked, this, &Topcjebazy::UsunClick);
    connect(help, &QPushButton::clicked, this, &Topcjebazy::helpRequested);
    connect(okButton, &QPushButton::clicked, this, &Topcjebazy::BitBtn1Click);
    connect(cancelButton, &QPushButton::clicked, this, &Topcjebazy::BitBtn2Click);
}

void Topcjebazy::showEvent(QShowEvent *event)
{
    if (isRestoredShow(event))
        return QDialog::showEvent(event);
    m_databaseDeleted = false;
    fill();
    QDialog::showEvent(event);
}

void Topcjebazy::fillPeriodList()
{
    const QSignalBlocker block(m_biezacyokres);
    m_biezacyokres->clear();
    for (int p = 1; p <= m_db.header.periodCount; ++p)
        m_biezacyokres->addItem(m_db.header.periods[p].periodName);
}

void Topcjebazy::fill()
{
    const DatabaseHeader &h = m_db.header;
    m_uzytkownik->setText(h.ownerName);
    m_innedane->setPlainText(h.otherData);
    m_czypytac->setChecked(h.confirmDeletes != 0);
    refresh();
}

void Topcjebazy::refresh()
{
    const DatabaseHeader &h = m_db.header;
    m_datautworzenia->setText(h.createdDate);
    m_ostatnizapis->setText(h.lastSaveDate);
    m_iloscokresow->setText(QString::number(h.periodCount));
    fillPeriodList();
    const PeriodInfo &current = m_db.currentPeriodInfo();
    m_pierwszywpis->setText(current.firstWriteDate());
    m_ostatniwpis->setText(current.lastWriteDate());
    m_db.selectedPeriod = m_db.currentPeriod;
    m_biezacyokres->setCurrentIndex(m_db.currentPeriod - 1);
}

void Topcjebazy::nazwaClick()
{
    m_commands.renamePeriod();
    refresh();
}

void Topcjebazy::dodajClick()
{
    m_commands.addPeriod();
    refresh();
}

void Topcjebazy::UsunokresClick()
{
    m_commands.deletePeriod();
    refresh();
}

void Topcjebazy::hasloClick()
{
    m_commands.changePassword();
    refresh();
}

void Topcjebazy::pedycjagrup()
{
    m_groupSets.editGroupSet();
    refresh();
}

void Topcjebazy::importClick()
{
    m_groupSets.importGroupSet();
    refresh();
}

void Topcjebazy::exportClick()
{
    m_groupSets.Eksportgrup1Click();
    refresh();
}

void Topcjebazy::UsunClick()
{
    if (!m_commands.deleteDatabase()) {
        refresh();
        return;
    }
    m_databaseDeleted = !m_commands.creatingDatabase();
    reject();
}

void Topcjebazy::BitBtn1Click()
{
    DatabaseHeader &h = m_db.header;
    h.ownerName = fitText(m_uzytkownik->text(), Width::ownerName);
    h.otherData = fitText(m_innedane->toPlainText(), Width::otherData);
    for (int p = 1; p <= h.periodCount; ++p)
        h.periods[p].periodName = fitText(m_biezacyokres->itemText(p - 1), Width::periodName);
    h.confirmDeletes = m_czypytac->isChecked() ? 1 : 0;
    // A record that could not be written keeps the window open: the user may try again or cancel.
    if (!m_commands.writeDatabaseRecord())
        return;
    accept();
}

void Topcjebazy::BitBtn2Click()
{
    reject();
}

} // namespace trelfin
