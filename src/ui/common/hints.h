#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QString>
#include <QWidget>

namespace trelfin {

// How long a hint stays on screen.
constexpr int HintDurationMs = 20000;

inline void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    widget->setToolTipDuration(HintDurationMs);
}

// A push button with its object name and, when given, its hint.
inline QPushButton *createButton(QWidget *parent, const QString &name, const QString &caption,
                                 const QString &hint = QString())
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!hint.isEmpty())
        setHint(button, hint);
    return button;
}

// The row of "Pomoc" on the left and "OK" (the default, accepting) and "Anuluj" (rejecting) on
// the right that ends the import windows; the caller connects "Pomoc".
struct DialogButtons
{
    QPushButton *help;
    QPushButton *ok;
    QHBoxLayout *row;
};
inline DialogButtons createDialogButtons(QDialog *dialog, const QString &okHint, const QString &cancelHint)
{
    QPushButton *help = createButton(dialog, QStringLiteral("pomoc"), QStringLiteral("Pomoc"), QStringLiteral("Pomoc programu TrelFIN"));
    QPushButton *ok = createButton(dialog, QStringLiteral("ok"), QStringLiteral("&OK"), okHint);
    QPushButton *cancel = createButton(dialog, QStringLiteral("anuluj"), QStringLiteral("Anuluj"), cancelHint);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addWidget(help);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {help, ok, row};
}

// A radio button with its object name and, when given, its hint.
inline QRadioButton *createOption(QWidget *parent, const QString &name, const QString &caption,
                                  const QString &hint = {})
{
    auto *b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    if (!hint.isEmpty())
        setHint(b, hint);
    return b;
}

// A window shown again after being minimised (a show the window system sends) keeps what the
// user typed; only a real showing fills a dialog's fields afresh.
inline bool isRestoredShow(const QShowEvent *event)
{
    return event->spontaneous();
}

} // namespace trelfin
