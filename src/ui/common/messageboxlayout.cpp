#include "ui/common/messageboxlayout.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace trelfin {

QLabel *centredLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false); // a message line stays one line; the box grows to fit it
    label->setTextFormat(Qt::PlainText);
    return label;
}

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

} // namespace trelfin
