#pragma once

#include <QDialog>

class QSplashScreen;

namespace trelfin {

// "O programie": the program's name, what it is for, and its version.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

// The small window shown while the program starts, painted at once.
QSplashScreen *showSplash();

} // namespace trelfin
