#include "ui/mainwindow/aboutbox.h"
#include "ui/mainwindow/mainwindow.h"
#include "ui/store/databasecommands.h"
#include "ui/common/qtdesktop.h"
#include "core/store/database.h"
#include "core/store/filewriter.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QFileInfo>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
    trelfin::IgnoreFileSizeLimitSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trelfin 4 LX"));
    QApplication::setApplicationVersion(QStringLiteral(TRELFIN_VERSION));

    // The toolkit's own dialogs and buttons (file choosers, printer dialogs, standard boxes) speak
    // the desktop's language when it is Polish, as the program's own windows do.
    // The installation's own copy first, then the toolkit's.
    QTranslator toolkitTexts;
    if (QLocale().language() == QLocale::Polish) {
        const QString installed = QApplication::applicationDirPath() + QStringLiteral("/../share/trelfin/translations");
        for (const QString &folder : {installed, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
            if (toolkitTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
                QApplication::installTranslator(&toolkitTexts);
                break;
            }
        }
    }

    trelfin::Database database;
    trelfin::QtDesktop desktop;
    trelfin::Tmain window(database, desktop, nullptr, trelfin::Tmain::Contents::afterShow);
    // Without a window manager "maximised" means nothing; start at the size of the screen then.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    // The splash stands over the window while its contents are built.
    QSplashScreen *splash = trelfin::showSplash();

    // The window's contents are built in the first turn of the event loop, right after the empty
    // window has gone to the screen; the splash stays until they are. A database named on the
    // command line (or by a file manager) then opens as through "Otwórz...".
    const QStringList arguments = QApplication::arguments();
    const QString path = arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();
    QTimer::singleShot(0, &window, [&window, splash, path] {
        window.buildContents();
        splash->finish(&window);
        delete splash;
        if (!path.isEmpty())
            window.databaseCommands()->otworz2Click(path);
    });
    return app.exec();
}
