#include "modalanswers.h"
#include "scripteddesktop.h"
#include "ui/common/qtdesktop.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace trelfin;

namespace {

// A job of two pages with a line of text on each.
bool twoPages(QPrinter &printer, int *pagesPainted = nullptr)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.drawText(100, 100, QStringLiteral("Strona 1"));
    printer.newPage();
    painter.drawText(100, 100, QStringLiteral("Strona 2"));
    if (pagesPainted)
        *pagesPainted = 2;
    return painter.end();
}

QByteArray head(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
}

} // namespace

// The desktop's services beyond the message boxes and file choosers, in the real desktop and in
// the scripted one the command tests use.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    // The toolkit's file chooser keeps its history in a settings file of its own; the program
    // keeps no settings, so nothing is left in the user's configuration folder.
    void fileChooserLeavesNoSettings()
    {
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (config.isEmpty())
            QSKIP("run through CTest, which names the configuration folder");
        QDir(config).removeRecursively();
        QtDesktop desktop;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            if (auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                d->reject();
        });
        closer.start(10);
        FileDialogRequest request;
        request.title = QStringLiteral("Otwórz bazę:");
        QCOMPARE(desktop.chooseOpenFile(request), QString());
        QVERIFY(!QFile::exists(config + QStringLiteral("/QtProject.conf")));
    }

    void windowsShownWithoutBlocking_data()
    {
        QTest::addColumn<bool>("real");
        QTest::newRow("real desktop") << true;
        QTest::newRow("scripted desktop") << false;
    }
    void windowsShownWithoutBlocking()
    {
        QFETCH(bool, real);
        QtDesktop qt;
        test::ScriptedDesktop scripted;
        Desktop &desktop = real ? static_cast<Desktop &>(qt) : scripted;
        QDialog window;
        window.setObjectName(QStringLiteral("wykres2"));
        desktop.showWindow(window);
        // The call came back with the window open and nothing modal in the way.
        QVERIFY(window.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        desktop.closeWindow(window);
        QVERIFY(!window.isVisible());
        if (!real)
            QCOMPARE(scripted.shownWindows, QStringList{QStringLiteral("wykres2")});
    }

    void printingToPdf_data() { windowsShownWithoutBlocking_data(); }
    void printingToPdf()
    {
        QFETCH(bool, real);
        QtDesktop qt;
        test::ScriptedDesktop scripted;
        Desktop &desktop = real ? static_cast<Desktop &>(qt) : scripted;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wydruk.pdf"));
        int pages = 0;
        QVERIFY(desktop.printToPdf(path, QStringLiteral("Trelfin"), [&](QPrinter &p) { return twoPages(p, &pages); }));
        QCOMPARE(pages, 2);
        QCOMPARE(head(path), QByteArray("%PDF-"));

        // A job that cannot paint is a failure, not a success.
        QVERIFY(!desktop.printToPdf(dir.filePath(QStringLiteral("nic.pdf")), QStringLiteral("Trelfin"),
                                    [](QPrinter &) { return false; }));
        // A file that cannot be written is a failure too.
        QVERIFY(!desktop.printToPdf(dir.filePath(QStringLiteral("brak/wydruk.pdf")), QStringLiteral("Trelfin"),
                                    [](QPrinter &p) { return twoPages(p); }));
    }

    // Without a printer nothing is printed and the caller learns it.
    void printingWithoutPrinter()
    {
        QtDesktop qt;
        if (!qt.hasPrinter()) {
            bool ran = false;
            QVERIFY(!qt.print(QStringLiteral("Trelfin"), [&](QPrinter &) { return ran = true; }));
            QVERIFY(!ran);
        }
        test::ScriptedDesktop scripted;
        scripted.printerInstalled = false;
        QVERIFY(!scripted.print(QStringLiteral("Trelfin"), [](QPrinter &p) { return twoPages(p); }));
        QVERIFY(scripted.printJobs.isEmpty());
        scripted.printerInstalled = true;
        QVERIFY(scripted.print(QStringLiteral("Trelfin"), [](QPrinter &p) { return twoPages(p); }));
        QCOMPARE(scripted.printJobs.size(), 1);
        QCOMPARE(scripted.printJobs.first().kind, test::ScriptedDesktop::PrintedJob::Kind::printed);
        QCOMPARE(head(scripted.printJobs.first().pdfPath), QByteArray("%PDF-"));
    }

    // The preview and the printer setup are modal windows of the real desktop: they run their own
    // event loop and are answered here as a person would close them.
    void previewAndSetup()
    {
        QtDesktop qt;
        test::ModalAnswers answers;
        int painted = 0;
        answers.expect(QStringLiteral("printPreview"), [&](QWidget &w) {
            QVERIFY(painted > 0); // the preview painted the job before it was shown
            static_cast<QDialog &>(w).reject();
        });
        qt.previewPrint(QStringLiteral("Trelfin"), [&](QPrinter &p) { return twoPages(p, &painted); });
        QVERIFY(answers.allAnswered());

        answers.expect(QStringLiteral("printerSetup"), [](QWidget &w) { static_cast<QDialog &>(w).reject(); });
        QVERIFY(!qt.setUpPrinter());
        QVERIFY(answers.allAnswered());
        QVERIFY2(answers.failures.isEmpty(), qPrintable(answers.failures.join(u'\n')));

        test::ScriptedDesktop scripted;
        scripted.previewPrint(QStringLiteral("Podgląd"), [](QPrinter &p) { return twoPages(p); });
        QCOMPARE(scripted.printJobs.size(), 1);
        QCOMPARE(scripted.printJobs.first().kind, test::ScriptedDesktop::PrintedJob::Kind::previewed);
        QCOMPARE(scripted.printJobs.first().title, QStringLiteral("Podgląd"));
        scripted.printerSetupAccepted = false;
        QVERIFY(!scripted.setUpPrinter());
        QCOMPARE(scripted.printerSetups, 1);
    }

    // The help window shows the document at the section asked for, and from its beginning
    // when none is; it is one window, shown again for every request.
    void helpAtItsSection()
    {
        const QString document = QCoreApplication::applicationDirPath() + QStringLiteral("/help.htm");
        QtDesktop qt;
        qt.openDocument(document, QStringLiteral("cli"));
        QTextBrowser *help = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("helpWindow"))
                help = qobject_cast<QTextBrowser *>(w);
        }
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->source().toLocalFile(), document);
        QVERIFY(help->toPlainText().contains(QStringLiteral("trelfin-cli")));
        const int atSection = help->verticalScrollBar()->value();
        QVERIFY(atSection > 0);
        qt.openDocument(document, QStringLiteral("pierwsze-kroki"));
        QVERIFY(help->verticalScrollBar()->value() < atSection);
        qt.openDocument(document);
        QCOMPARE(help->verticalScrollBar()->value(), 0);

        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
