#include "ui/store/messageboxes.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace trelfin {

namespace {

QLabel *centredLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false); // a message line stays one line; the box grows to fit it
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Shared look of both boxes: a resizable tool window with the two lines above a row of buttons.
void layOut(QDialog *box, QLabel *line1, QLabel *line2, const QList<QPushButton *> &buttons)
{
    box->setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box->setModal(true);
    box->setSizeGripEnabled(true);
    box->setMinimumWidth(320);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(line1);
    layout->addWidget(line2);
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *b : buttons)
        row->addWidget(b);
    row->addStretch();
    layout->addLayout(row);
}

void fill(QDialog *box, QLabel *line1, QLabel *line2, const QString &text1, const QString &text2,
          const QString &title)
{
    line1->setText(text1);
    line2->setText(text2);
    box->setWindowTitle(title);
    box->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = box->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box->move(frame.topLeft());
    }
}

} // namespace

Tdinformacja::Tdinformacja(QWidget *parent)
    : QDialog(parent)
    , m_napis1(centredLabel(this, QStringLiteral("napis1")))
    , m_napis2(centredLabel(this, QStringLiteral("napis2")))
{
    setObjectName(QStringLiteral("dinformacja"));
    auto *ok = new QPushButton(QStringLiteral("  &OK    "), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layOut(this, m_napis1, m_napis2, {ok});
}

void Tdinformacja::prepare(const QString &line1, const QString &line2, const QString &title)
{
    fill(this, m_napis1, m_napis2, line1, line2, title);
}

void Tdinformacja::showMessage(const QString &line1, const QString &line2, const QString &title)
{
    prepare(line1, line2, title);
    exec();
}

TDpytanie::TDpytanie(QWidget *parent)
    : QDialog(parent)
    , m_napis1(centredLabel(this, QStringLiteral("napis1")))
    , m_napis2(centredLabel(this, QStringLiteral("napis2")))
{
    setObjectName(QStringLiteral("Dpytanie"));
    m_tak = new QPushButton(QStringLiteral("  &Tak   "), this);
    m_tak->setObjectName(QStringLiteral("tak"));
    m_tak->setDefault(true);
    m_nie = new QPushButton(QStringLiteral("  &Nie   "), this);
    m_nie->setObjectName(QStringLiteral("nie"));
    connect(m_tak, &QPushButton::clicked, this, [this] {
        m_answeredYes = true;
        accept();
    });
    connect(m_nie, &QPushButton::clicked, this, &QDialog::reject);
    layOut(this, m_napis1, m_napis2, {m_tak, m_nie});
}

void TDpytanie::prepare(const QString &line1, const QString &line2, const QString &title,
                        DefaultAnswer defaultAnswer)
{
    m_answeredYes = false;
    QPushButton *byDefault = defaultAnswer == DefaultAnswer::no ? m_nie : m_tak;
    m_tak->setDefault(byDefault == m_tak);
    m_nie->setDefault(byDefault == m_nie);
    byDefault->setFocus();
    fill(this, m_napis1, m_napis2, line1, line2, title);
}

bool TDpytanie::ask(const QString &line1, const QString &line2, const QString &title, DefaultAnswer defaultAnswer)
{
    prepare(line1, line2, title, defaultAnswer);
    exec();
    return m_answeredYes;
}

} // namespace trelfin
