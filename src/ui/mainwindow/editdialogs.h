#pragma once

#include "registers/find.h"
#include "registers/repeated.h"
#include "registers/sort.h"
#include "store/database.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace trelfin {

class Clock;
class MessageSink;

// "Dopisz specjalnie": many equal entries on every day, every week or every N days of a span, or
// N entries on one day. OK appends them (after `beforeChange`, which takes the undo copy) and
// leaves the register's page number as a character ('3'..'7') in pendingAction.
class Tdopiszspecjalnie : public QDialog
{
    Q_OBJECT
public:
    Tdopiszspecjalnie(Database &db, const Clock &clock, MessageSink &sink, QWidget *parent = nullptr);

    // The register the next showing adds to.
    void setRegister(RegisterKind kind) { m_kind = kind; }
    void setBeforeChange(std::function<void()> beforeChange) { m_beforeChange = std::move(beforeChange); }

    void ok();

protected:
    Tdopiszspecjalnie(Database &db, const Clock &clock, MessageSink &sink, bool withGroup, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Database &m_db;
    const Clock &m_clock;
    MessageSink &m_sink;
    RegisterKind m_kind = RegisterKind::expenses;
    std::function<void()> m_beforeChange;
    QRadioButton *m_codzien;
    QRadioButton *m_cotydzien;
    QRadioButton *m_codni;
    QRadioButton *m_tegosamegodnia;
    QSpinBox *m_iledni;
    QSpinBox *m_ilerazy;
    QLineEdit *m_wartosc;
    QComboBox *m_grupa = nullptr;
    QLineEdit *m_opis;
    QLineEdit *m_dataod;
    QLineEdit *m_datado;
};

// The same for incomes, without a group.
class Tdopiszspecjalnie2 : public Tdopiszspecjalnie
{
    Q_OBJECT
public:
    Tdopiszspecjalnie2(Database &db, const Clock &clock, MessageSink &sink, QWidget *parent = nullptr);
};

// "Sortowanie": the key and the order; " &Sortuj   " accepts, "  Anuluj   " rejects. The choice
// stays between uses.
class Tsort : public QDialog
{
    Q_OBJECT
public:
    explicit Tsort(QWidget *parent = nullptr);
    SortKey key() const;
    SortOrder order() const;

protected:
    Tsort(bool withGroup, QWidget *parent);

private:
    QRadioButton *m_rosnaco;
    QRadioButton *m_malejaco;
    QRadioButton *m_daty;
    QRadioButton *m_wartosci;
    QRadioButton *m_grupy = nullptr;
};

// The same for incomes, without "Grupy".
class Tsort2 : public Tsort
{
    Q_OBJECT
public:
    explicit Tsort2(QWidget *parent = nullptr);
};

// The find window: a text, whether case matters and the direction; it stays open between
// searches and asks for the next match with each "Znajdź następny".
class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);
    FindRequest request() const;

signals:
    void findNext();

private:
    QLineEdit *m_text;
    QCheckBox *m_matchCase;
    QRadioButton *m_up;
    QRadioButton *m_down;
};

} // namespace trelfin
