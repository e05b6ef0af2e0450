#pragma once

#include <QList>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace trelfin {

// What the information box and the question box share: their labels, their layout and how they
// are filled and placed before showing.

QLabel *centredLabel(QWidget *parent, const QString &name);

// Shared look of both boxes: a resizable tool window with the two lines above a row of buttons.
void layOut(QDialog *box, QLabel *line1, QLabel *line2, const QList<QPushButton *> &buttons);

void fill(QDialog *box, QLabel *line1, QLabel *line2, const QString &text1, const QString &text2,
          const QString &title);

} // namespace trelfin
