// The yardstick of the start-up benchmark: a bare Qt main window, maximised as the program's is.
#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
