#include "ui/tools/noteswindows.h"

#include "core/store/clock.h"
#include "core/store/database.h"
#include "core/tools/notes.h"
#include "ui/common/hints.h"
#include "ui/common/maskededit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace trelfin {

namespace {

// A note holds 255 characters, its line breaks stored as CR LF.
void limitNoteText(QPlainTextEdit *edit)
{
    const QString text = edit->toPlainText();
    if (text.size() + text.count(u'\n') <= Note::textWidth)
        return;
    QString cut = text;
    while (!cut.isEmpty() && cut.size() + cut.count(u'\n') > Note::textWidth)
        cut.chop(1);
    const QSignalBlocker block(edit);
    edit->setPlainText(cut);
    edit->moveCursor(QTextCursor::End);
}

} // namespace

Tnotatnik::Tnotatnik(Database &db, const Clock &clock, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_clock(clock)
    , m_termin(createMaskedEdit(this, QStringLiteral("termin"), QStringLiteral("00/00/0000; ")))
    , m_notatka(new QPlainTextEdit(this))
    , m_numberField(new QLineEdit(this))
{
    setObjectName(QStringLiteral("notatnik"));
    setWindowTitle(QStringLiteral("Notatki"));
    setModal(true);
    setHint(m_termin, QStringLiteral("Termin od kiedy notatka nabiera ważności. Po dacie tej program TrelFIN bedzie "
                                     "wyświetlał przypomnienie o notatce"));
    m_notatka->setObjectName(QStringLiteral("notatka"));
    m_notatka->setTabChangesFocus(true);
    connect(m_notatka, &QPlainTextEdit::textChanged, this, [this] { limitNoteText(m_notatka); });
    m_numberField->setObjectName(QStringLiteral("ilosc_n"));
    m_numberField->setReadOnly(true);
    m_numberField->setMaximumWidth(60);
    setHint(m_numberField, QStringLiteral("Numer edytowanej notatki z listy notatek (od 1 do 30)"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Termin notatki:"), m_termin);
    form->addRow(QStringLiteral("Numer notatki:"), m_numberField);

    QPushButton *prev = createButton(this, QStringLiteral("prev"), QStringLiteral("<<"), QStringLiteral("Poprzednia notatka z listy notatek"));
    QPushButton *next = createButton(this, QStringLiteral("next"), QStringLiteral(">>"), QStringLiteral("Następna notatka z listy notatek"));
    QPushButton *clear = createButton(this, QStringLiteral("usun"), QStringLiteral("Wyczyść"), QStringLiteral("Czyści bieżącą notatkę"));
    QPushButton *print = createButton(this, QStringLiteral("drukuj"), QStringLiteral("Drukuj"),
                                      QStringLiteral("Otwiera panel wydruku wskazanych danych"));
    QPushButton *help = createButton(this, QStringLiteral("pomoc"), QStringLiteral("Pomoc"), QStringLiteral("Pomoc programu TrelFIN"));
    QPushButton *ok = createButton(this, QStringLiteral("ok"), QStringLiteral("&OK"));
    ok->setDefault(true);
    connect(prev, &QPushButton::clicked, this, &Tnotatnik::prevClick);
    connect(next, &QPushButton::clicked, this, &Tnotatnik::nextClick);
    connect(clear, &QPushButton::clicked, this, &Tnotatnik::usunClick);
    connect(print, &QPushButton::clicked, this, [this] {
        storeNote();
        emit printRequested();
    });
    connect(help, &QPushButton::clicked, this, &Tnotatnik::helpRequested);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {prev, next, clear, print, help})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_notatka);
    layout->addLayout(buttons);
    resize(460, 300);
}

void Tnotatnik::showEvent(QShowEvent *event)
{
    if (!isRestoredShow(event))
        showNote(1);
    QDialog::showEvent(event);
}

void Tnotatnik::showNote(int number)
{
    m_number = number;
    m_numberField->setText(QString::number(number));
    const Note &note = m_db.notes[number - 1];
    m_notatka->setPlainText(NoteEditorText(note));
    m_termin->setText(note.term());
    m_notatka->setFocus();
}

void Tnotatnik::storeNote()
{
    StoreNote(m_db.notes[m_number - 1], m_notatka->toPlainText(), maskedText(m_termin), m_clock.today());
}

void Tnotatnik::prevClick()
{
    storeNote();
    showNote(m_number == 1 ? NoteCount : m_number - 1);
}

void Tnotatnik::nextClick()
{
    storeNote();
    showNote(m_number == NoteCount ? 1 : m_number + 1);
}

void Tnotatnik::usunClick()
{
    m_termin->clear();
    m_notatka->clear();
    m_db.notes[m_number - 1].clear();
}

void Tnotatnik::done(int result)
{
    storeNote();
    QDialog::done(result);
}

Tshownotatka::Tshownotatka(Database &db, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_db(db)
    , m_data(new QLineEdit(this))
    , m_notatka(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("shownotatka"));
    setWindowTitle(QStringLiteral("Notatka"));
    setModal(true);
    m_data->setObjectName(QStringLiteral("data"));
    m_data->setReadOnly(true);
    setHint(m_data, QStringLiteral("Numer edytowanej notatki z listy notatek (od 1 do 30)"));
    m_notatka->setObjectName(QStringLiteral("notatka"));
    m_notatka->setReadOnly(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Termin notatki:"), m_data);
    QPushButton *remove = createButton(this, QStringLiteral("usun"), QStringLiteral("Usuń"), QStringLiteral("Usuwa bieżącą notatkę z listy notatek"));
    QPushButton *help = createButton(this, QStringLiteral("pomoc"), QStringLiteral("Pomoc"), QStringLiteral("Pomoc programu TrelFIN"));
    QPushButton *ok = createButton(this, QStringLiteral("ok"), QStringLiteral("&OK"));
    ok->setDefault(true);
    connect(remove, &QPushButton::clicked, this, [this] {
        m_db.notes[m_number - 1].clear();
        m_db.modified = true;
        accept();
    });
    connect(help, &QPushButton::clicked, this, &Tshownotatka::helpRequested);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_notatka);
    layout->addLayout(buttons);
    resize(380, 240);
}

void Tshownotatka::setNote(int number)
{
    m_number = number;
}

void Tshownotatka::showEvent(QShowEvent *event)
{
    if (!isRestoredShow(event)) {
        const Note &note = m_db.notes[m_number - 1];
        m_data->setText(note.term());
        m_notatka->setPlainText(NoteEditorText(note));
        // 50 pixels above the middle of the main window, every time it shows.
        if (const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr)
            move(owner->geometry().center() - rect().center() - QPoint(0, 50));
    }
    QDialog::showEvent(event);
}

} // namespace trelfin
