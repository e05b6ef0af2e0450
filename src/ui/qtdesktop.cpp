#include "ui/qtdesktop.h"

#include "ui/store/messageboxes.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

namespace trelfin {

QtDesktop::QtDesktop() = default;
QtDesktop::~QtDesktop() = default;

void QtDesktop::ShowInformation(const QString &line1, const QString &line2, const QString &title)
{
    if (!m_information)
        m_information = std::make_unique<Tdinformacja>();
    m_information->showMessage(line1, line2, title);
}

bool QtDesktop::AskQuestion(const QString &line1, const QString &line2, const QString &title)
{
    if (!m_question)
        m_question = std::make_unique<TDpytanie>();
    return m_question->ask(line1, line2, title);
}

void QtDesktop::ShowPlainMessage(const QString &text)
{
    QMessageBox::information(nullptr, QCoreApplication::applicationName(), text);
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

QString QtDesktop::clipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

int QtDesktop::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

void QtDesktop::openDocument(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QDate QtDesktop::today() const
{
    return QDate::currentDate();
}

} // namespace trelfin
