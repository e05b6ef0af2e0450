#pragma once

#include "core/store/database.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace trelfin {

class Clock;
class MessageSink;

// "Dopisz specjalnie": many equal entries on every day, every week or every N days of a span, or
// N entries on one day. OK appends them (after `beforeChange`, which takes the undo copy) and
// accepts the window; "Anuluj" and the frame reject it. Two variants: "dopiszspecjalnie" with a
// group list for the registers that have groups, and "dopiszspecjalnie2" for incomes.
class Tdopiszspecjalnie : public QDialog
{
    Q_OBJECT
public:
    enum class Variant { withGroup, incomes };

    Tdopiszspecjalnie(Database &db, const Clock &clock, MessageSink &sink, Variant variant,
                      QWidget *parent = nullptr);

    // The register the next showing adds to.
    void setRegister(RegisterKind kind) { m_kind = kind; }
    void setBeforeChange(std::function<void()> beforeChange) { m_beforeChange = std::move(beforeChange); }

    void ok();

protected:
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

} // namespace trelfin
