#pragma once

#include "ui/registers/entrydialog.h"

class QCheckBox;
class QLineEdit;

namespace trelfin {

class Clock;
class MessageSink;

// Adding a debt: besides the debt itself, the entry that settles it on its return date.
class Tedycjadlugidopisz : public EntryDialog
{
    Q_OBJECT
public:
    Tedycjadlugidopisz(Database &db, const Clock &clock, MessageSink &sink, QWidget *parent = nullptr);

    // Whether the return entry is wanted: the box is ticked and the kind takes one.
    bool returnWanted() const;
    QString returnDate() const;
    QString returnDescription() const;

protected:
    void fillFields() override;
    bool mayClose() override;
    QList<QLineEdit *> dateFields() const override;

private:
    void kindChosen(int index);

    const Clock &m_clock;
    QLineEdit *m_termin;
    QLineEdit *m_typ2;
    QLineEdit *m_opis2;
    QCheckBox *m_active;
    QList<QWidget *> m_returnWidgets;
};

} // namespace trelfin
