#include "ui/mainwindow/aboutbox.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QSplashScreen>
#include <QVBoxLayout>

namespace trelfin {

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("oprogramie"));
    setWindowTitle(QStringLiteral("O programie"));
    auto *layout = new QVBoxLayout(this);
    auto *name = new QLabel(QStringLiteral("<h2>Trelfin 4 LX</h2>"), this);
    name->setAlignment(Qt::AlignCenter);
    auto *about = new QLabel(QStringLiteral(
        "Domowy rejestr wydatków i przychodów.\n"
        "Rozchód, przychód, długi i pożyczki, planowanie wydatków i konto bankowe\n"
        "w okresach księgowych, z bilansem, prognozą i wykresami."), this);
    about->setAlignment(Qt::AlignCenter);
    auto *version = new QLabel(QStringLiteral("Wersja ") + QApplication::applicationVersion(), this);
    version->setAlignment(Qt::AlignCenter);
    auto *ok = new QPushButton(QStringLiteral("  &OK    "), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(name);
    layout->addWidget(about);
    layout->addWidget(version);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

QSplashScreen *showSplash()
{
    QPixmap picture(360, 160);
    QPainter painter(&picture);
    QLinearGradient background(0, 0, 0, picture.height());
    background.setColorAt(0, QColor(0, 70, 140));
    background.setColorAt(1, QColor(0, 30, 70));
    painter.fillRect(picture.rect(), background);
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(24);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(picture.rect().adjusted(0, 20, 0, -60), Qt::AlignCenter, QStringLiteral("Trelfin 4 LX"));
    QFont line = painter.font();
    line.setPointSize(10);
    line.setBold(false);
    painter.setFont(line);
    painter.drawText(picture.rect().adjusted(0, 80, 0, -20), Qt::AlignCenter,
                     QStringLiteral("Domowy rejestr wydatków i przychodów"));
    painter.end();

    auto *splash = new QSplashScreen(picture);
    splash->show();
    QApplication::processEvents();
    return splash;
}

} // namespace trelfin
