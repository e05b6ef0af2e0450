#include "ui/mainwindow/aboutbox.h"
#include "ui/mainwindow/mainwindow.h"
#include "ui/qtdesktop.h"
#include "core/store/database.h"
#include "core/store/filewriter.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QFileInfo>
#include <QScreen>
#include <QSplashScreen>

int main(int argc, char *argv[])
{
    trelfin::IgnoreFileSizeLimitSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trelfin 4 LX"));
    QApplication::setApplicationVersion(QStringLiteral(TRELFIN_VERSION));

    // The toolkit's own dialogs and buttons (file choosers, printer dialogs, standard boxes) speak
    // the desktop's language when it is Polish, as the program's own windows do.
    QTranslator toolkitTexts;
    if (QLocale().language() == QLocale::Polish
        && toolkitTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);

    QSplashScreen *splash = trelfin::showSplash();

    trelfin::Database database;
    trelfin::QtDesktop desktop;
    trelfin::Tmain window(database, desktop);
    // Without a window manager "maximised" means nothing; start at the size of the screen then.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    splash->finish(&window);
    delete splash;

    // A database named on the command line (or by a file manager) opens as through "Otwórz...".
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.otworz2Click(QFileInfo(arguments.at(1)).absoluteFilePath());

    return app.exec();
}
