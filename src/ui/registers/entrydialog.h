#pragma once

#include "core/store/database.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace trelfin {

class MessageSink;

// An entry dialog: date, amount, group or kind (not for incomes) and description, filled from the
// edit buffer when shown. There is no cancel: closing it in any way (OK, Enter, the frame) hands
// the fields back to the buffer, the group as its 0-based list position, and marks the period
// modified. OK or Enter with a date that is no day of the calendar says so and keeps the dialog
// open; closed by its frame, such a date counts as no date and the entry gets today's.
class EntryDialog : public QDialog
{
    Q_OBJECT
public:
    struct Texts
    {
        const char *name;
        const char *caption;
        const char *dateLabel;
        const char *dateHint;
        const char *groupLabel;     // nullptr: no group list
        const char *groupHint;
        const char *descriptionHint;
    };

    EntryDialog(Database &db, MessageSink &sink, RegisterKind kind, const Texts &texts, QWidget *parent = nullptr);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    // The items of the group list when the dialog is shown.
    virtual QStringList groupItems() const;
    // Fills the fields when the dialog is shown; the base fills them from the edit buffer.
    virtual void fillFields();
    // Whether the dialog may close now; a refusal has told the user why.
    virtual bool mayClose() { return true; }
    // The date fields OK checks.
    virtual QList<QLineEdit *> dateFields() const;

    Database &m_db;
    MessageSink &m_sink;
    RegisterKind m_kind;
    QLineEdit *m_data;
    QLineEdit *m_wartosc;
    QComboBox *m_grupa = nullptr;
    QLineEdit *m_opis;
    QGridLayout *m_fields;
    QPushButton *m_ok;
};

// The variants of EntryDialog, one per register: they differ only in the texts they pass to it.
class Tedycjarozchod : public EntryDialog
{
    Q_OBJECT
public:
    Tedycjarozchod(Database &db, MessageSink &sink, QWidget *parent = nullptr);
};

class Tedycjaprzychod : public EntryDialog
{
    Q_OBJECT
public:
    Tedycjaprzychod(Database &db, MessageSink &sink, QWidget *parent = nullptr);
};

class Tedycjaplanowanie : public EntryDialog
{
    Q_OBJECT
public:
    Tedycjaplanowanie(Database &db, MessageSink &sink, QWidget *parent = nullptr);
};

class Tedycjadlugi : public EntryDialog
{
    Q_OBJECT
public:
    Tedycjadlugi(Database &db, MessageSink &sink, QWidget *parent = nullptr);
};

class Tedycjakonto : public EntryDialog
{
    Q_OBJECT
public:
    Tedycjakonto(Database &db, MessageSink &sink, QWidget *parent = nullptr);
};

// The group or kind names a register's lists offer: 30 groups for expenses, 31 for planned
// entries (the last "DOKONANE"), the four debt kinds, the six bank operations.
QStringList groupListItems(const Database &db, RegisterKind kind);

} // namespace trelfin
