#include "ui/mainwindow/aboutbox.h"

#include <QApplication>
#include <QLabel>
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
    // A picture drawn beforehand, shown at its own size: no fonts to load and nothing to scale.
    // It paints in the first turn of the event loop, together with the main window, and stays
    // on top of it while the window's contents are built.
    auto *splash = new QSplashScreen(QPixmap(QStringLiteral(":/splash.png")));
    splash->show();
    return splash;
}

} // namespace trelfin
