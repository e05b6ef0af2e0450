#include "ui/mainwindow/mainmenupage.h"

#include "core/store/database.h"
#include "ui/common/hints.h"
#include "ui/store/databasecommands.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace trelfin {

namespace {

const QString kNoDatabase = QStringLiteral("b.d.");

QLineEdit *readOnlyField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    return field;
}

} // namespace

MainMenuPage::MainMenuPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageGlowneMenu"));

    auto *info = new QGroupBox(this);
    auto *form = new QFormLayout(info);
    m_uzytkownik = readOnlyField(info, QStringLiteral("uzytkownik"));
    m_innedane = new QPlainTextEdit(info);
    m_innedane->setObjectName(QStringLiteral("innedane"));
    m_innedane->setReadOnly(true);
    m_innedane->setMaximumHeight(90);
    m_datautworzenia = readOnlyField(info, QStringLiteral("datautworzenia"));
    m_ostatnizapis = readOnlyField(info, QStringLiteral("ostatnizapis"));
    m_iloscokresow = readOnlyField(info, QStringLiteral("iloscokresow"));
    m_biezacyokres = new QComboBox(info);
    m_biezacyokres->setObjectName(QStringLiteral("biezacyokres"));
    setHint(m_biezacyokres, QStringLiteral("Wybiera okres księgowy do edycji"));
    m_pierwszywpis = readOnlyField(info, QStringLiteral("pierwszywpis"));
    m_ostatniwpis = readOnlyField(info, QStringLiteral("ostatniwpis"));
    form->addRow(QStringLiteral("Użytkownik:"), m_uzytkownik);
    form->addRow(QStringLiteral("Inne dane:"), m_innedane);
    form->addRow(QStringLiteral("Data utworzenia:"), m_datautworzenia);
    form->addRow(QStringLiteral("Data ostatniego zapisu:"), m_ostatnizapis);
    form->addRow(QStringLiteral("Ilość okresów:"), m_iloscokresow);
    form->addRow(QStringLiteral("Bieżący okres:"), m_biezacyokres);
    form->addRow(QStringLiteral("Pierwszy wpis:"), m_pierwszywpis);
    form->addRow(QStringLiteral("Ostatni wpis:"), m_ostatniwpis);

    auto *buttons = new QVBoxLayout;
    const auto add = [&](const QString &name, const QString &caption, const QString &hint, void (MainMenuPage::*signal)()) {
        QPushButton *b = createButton(this, name, caption, hint);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, signal);
    };
    add(QStringLiteral("nowabaza"), QStringLiteral(" Nowa baza   "), QStringLiteral("Tworzy nową bazę"),
        &MainMenuPage::newRequested);
    add(QStringLiteral("otworzbaze"), QStringLiteral("Otwórz bazę "), QStringLiteral("Otwiera isniejącą bazę"),
        &MainMenuPage::openRequested);
    add(QStringLiteral("zapiszbaze"), QStringLiteral("Zapisz bazę  "), QStringLiteral("Zapisuje edytowaną bazę"),
        &MainMenuPage::saveRequested);
    add(QStringLiteral("zamknijbaze"), QStringLiteral(" Zamknij bazę"), QStringLiteral("Zamyka edytowaną bazę"),
        &MainMenuPage::closeRequested);
    add(QStringLiteral("blokuj"), QStringLiteral("   Blokuj         "),
        QStringLiteral("Blokuje hasłem dostęp do programu pod Twoją nieobecność"), &MainMenuPage::lockRequested);
    add(QStringLiteral("opcje"), QStringLiteral("   Opcje          "),
        QStringLiteral("Ustawienie opcji otwartej bazy. Dodawanie / usuwanie okresów księgowych"),
        &MainMenuPage::optionsRequested);
    add(QStringLiteral("zestawienie"), QStringLiteral("Zestawienie"),
        QStringLiteral("Zestawienie wybranych okresów: przychód, rozchód, grupy wydatków"), &MainMenuPage::summaryRequested);
    add(QStringLiteral("pomoc"), QStringLiteral("   Pomoc         "), QStringLiteral("Pomoc programu TrelFIN"),
        &MainMenuPage::helpRequested);
    add(QStringLiteral("wyjscie"), QStringLiteral("  Wyjście       "), QStringLiteral("Kończy pracę programu"),
        &MainMenuPage::quitRequested);
    buttons->addStretch();
    connect(m_biezacyokres, &QComboBox::activated, this, &MainMenuPage::periodChosen);

    auto *infoColumn = new QVBoxLayout;
    infoColumn->addWidget(info);
    infoColumn->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(infoColumn, 1);
    layout->addLayout(buttons);
}

QString MainMenuPage::statusText() const
{
    return QStringLiteral("Dane dotyczące użytkownika i wybranego okresu kięgowania");
}

void MainMenuPage::showDatabaseInfo(const Database &db)
{
    const DatabaseHeader &h = db.header;
    m_uzytkownik->setText(h.ownerName);
    m_innedane->setPlainText(h.otherData);
    m_datautworzenia->setText(h.createdDate);
    m_ostatnizapis->setText(h.lastSaveDate);
    m_iloscokresow->setText(QString::number(h.periodCount));
    {
        // Filling the list is not a choice of the user: it must not switch periods.
        const QSignalBlocker block(m_biezacyokres);
        m_biezacyokres->clear();
        for (int p = 1; p <= h.periodCount && p <= MaxPeriods; ++p)
            m_biezacyokres->addItem(h.periods[p].periodName);
        m_biezacyokres->setCurrentIndex(db.currentPeriod - 1);
    }
    const PeriodInfo &period = db.currentPeriodInfo();
    m_pierwszywpis->setText(period.firstWriteDate());
    m_ostatniwpis->setText(period.lastWriteDate());
}

void MainMenuPage::clearDatabaseInfo()
{
    for (QLineEdit *field : {m_uzytkownik, m_datautworzenia, m_ostatnizapis, m_iloscokresow, m_pierwszywpis})
        field->setText(kNoDatabase);
    m_innedane->setPlainText(kNoDatabase);
    m_ostatniwpis->setText(QStringLiteral("b.d"));
    const QSignalBlocker block(m_biezacyokres);
    m_biezacyokres->clear();
}

void MainMenuPage::connectDatabaseCommands(DatabaseCommands &commands)
{
    connect(this, &MainMenuPage::newRequested, &commands, &DatabaseCommands::nowa1Click);
    connect(this, &MainMenuPage::openRequested, &commands, [&commands] { commands.otworz2Click(); });
    connect(this, &MainMenuPage::saveRequested, &commands, &DatabaseCommands::zapisz6Click);
    connect(this, &MainMenuPage::closeRequested, &commands, &DatabaseCommands::zamknij3Click);
    connect(this, &MainMenuPage::lockRequested, &commands, &DatabaseCommands::blokuj8Click);
    connect(this, &MainMenuPage::optionsRequested, &commands, &DatabaseCommands::opcje4Click);
}

} // namespace trelfin
