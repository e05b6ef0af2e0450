#include "ui/common/qtdesktop.h"

#include "ui/common/choicebox.h"
#include "ui/common/informationbox.h"
#include "ui/common/questionbox.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWidget>
#include <QUrl>

namespace trelfin {

namespace {

// The toolkit's file choosers keep their history, last folder and sidebar in a settings file of
// the toolkit's own (QtProject.conf in the user's configuration folder), and nothing turns that
// off. The program keeps no such settings: the toolkit's go into a folder that lasts as long as
// the program runs.
void keepToolkitSettingsForThisRun()
{
    static QTemporaryDir folder;
    if (!folder.isValid())
        return;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

} // namespace

QtDesktop::QtDesktop()
{
    keepToolkitSettingsForThisRun();
}
QtDesktop::~QtDesktop() = default;

void QtDesktop::ShowInformation(const QString &line1, const QString &line2, const QString &title)
{
    if (!m_information)
        m_information = std::make_unique<Tdinformacja>();
    m_information->showMessage(line1, line2, title);
}

bool QtDesktop::AskQuestion(const QString &line1, const QString &line2, const QString &title,
                            DefaultAnswer defaultAnswer)
{
    if (!m_question)
        m_question = std::make_unique<TDpytanie>();
    return m_question->ask(line1, line2, title, defaultAnswer);
}

int QtDesktop::AskChoice(const QString &line1, const QString &line2, const QString &title, const QStringList &buttons)
{
    ChoiceBox box(buttons);
    return box.ask(line1, line2, title);
}

SaveAnswer QtDesktop::AskToSave(const QString &line1, const QString &line2, const QString &title)
{
    if (!m_question)
        m_question = std::make_unique<TDpytanie>();
    return m_question->askToSave(line1, line2, title);
}

void QtDesktop::ShowPlainMessage(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("plainMessage"));
    box.exec();
}

QStringList QtDesktop::nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i);
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');
        if (description.trimmed().endsWith(u')') && description.contains(u'('))
            filters.append(description);
        else
            filters.append(description + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

QString QtDesktop::chooseFile(const FileDialogRequest &request, bool save)
{
    QFileDialog dialog(nullptr, request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(request.filter));
    QString suffix = request.defaultExtension;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!request.defaultFileName.isEmpty())
        dialog.selectFile(request.defaultFileName);
    if (save && !request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDesktop::chooseOpenFile(const FileDialogRequest &request)
{
    return chooseFile(request, false);
}

QString QtDesktop::chooseSaveFile(const FileDialogRequest &request)
{
    return chooseFile(request, true);
}

QString QtDesktop::chooseDirectory(const QString &title, const QString &startDirectory)
{
    return QFileDialog::getExistingDirectory(nullptr, title, startDirectory);
}

void QtDesktop::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtDesktop::setClipboardImage(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

QString QtDesktop::clipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

int QtDesktop::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

void QtDesktop::showWindow(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

void QtDesktop::closeWindow(QWidget &window)
{
    window.close();
}

QPrinter &QtDesktop::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool QtDesktop::hasPrinter() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool QtDesktop::setUpPrinter()
{
    QPrintDialog dialog(&printer());
    dialog.setObjectName(QStringLiteral("printerSetup"));
    return dialog.exec() == QDialog::Accepted;
}

bool QtDesktop::print(const QString &title, const PrintJob &job)
{
    if (!hasPrinter())
        return false;
    QPrinter &p = printer();
    p.setOutputFormat(QPrinter::NativeFormat);
    p.setOutputFileName(QString());
    p.setDocName(title);
    return job(p) && p.printerState() != QPrinter::Error;
}

void QtDesktop::previewPrint(const QString &title, const PrintJob &job)
{
    QPrinter &p = printer();
    p.setDocName(title);
    QPrintPreviewDialog dialog(&p);
    dialog.setObjectName(QStringLiteral("printPreview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&job](QPrinter *target) { job(*target); });
    dialog.exec();
}

bool QtDesktop::printToPdf(const QString &path, const QString &title, const PrintJob &job)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(title);
    if (const QPrinter &current = printer(); current.isValid())
        pdf.setPageLayout(current.pageLayout());
    return job(pdf) && pdf.printerState() != QPrinter::Error && QFileInfo(path).size() > 0;
}

void QtDesktop::openDocument(const QString &path, const QString &section)
{
    // The program's own help window shows the document at the section asked for, which a
    // browser started through the desktop does not promise for a local file.
    if (!m_help) {
        m_help = std::make_unique<QTextBrowser>();
        m_help->setObjectName(QStringLiteral("helpWindow"));
        m_help->setWindowTitle(QStringLiteral("Pomoc programu TrelFIN"));
        m_help->setOpenExternalLinks(true);
        m_help->resize(760, 640);
        // Escape closes it, as it closes the program's other windows.
        auto *close = new QShortcut(QKeySequence::Cancel, m_help.get());
        QObject::connect(close, &QShortcut::activated, m_help.get(), &QWidget::close);
    }
    const QUrl document = QUrl::fromLocalFile(path);
    if (m_help->source().adjusted(QUrl::RemoveFragment) != document)
        m_help->setSource(document);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    if (section.isEmpty())
        m_help->verticalScrollBar()->setValue(0);
    else
        m_help->scrollToAnchor(section);
}

QDate QtDesktop::today() const
{
    return QDate::currentDate();
}

} // namespace trelfin
