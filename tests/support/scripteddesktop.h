#pragma once

#include "ui/common/desktop.h"

#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>

namespace trelfin::test {

// A desktop that answers from a script and records everything the program asked of it, so that
// commands can be tested end to end without a modal window.
class ScriptedDesktop : public Desktop
{
public:
    struct Message
    {
        QString line1;
        QString line2;
        QString title;
        bool isQuestion = false;
        DefaultAnswer defaultAnswer = DefaultAnswer::yes;
        bool operator==(const Message &) const = default;
    };

    // Answers to the next questions, in order; when none is left a question is answered "Nie".
    QQueue<bool> answers;
    // Answers to the next questions whether to save changes; when none is left such a question
    // takes its answer from `answers` ("Tak" saves, "Nie" discards).
    QQueue<SaveAnswer> saveAnswers;
    // Answers to the next questions with buttons of their own (the index pressed, -1 for Escape);
    // when none is left such a question takes its answer from `answers` ("Tak" the first button).
    QQueue<int> choices;
    // What the user does in the program's next windows, in order: each script gets the window
    // shown (not modal) and may fill it and press its buttons. A window still open after its
    // script (or with no script left) is closed as by its frame.
    QQueue<std::function<void(QDialog &)>> dialogScripts;
    QStringList shownDialogs;

    // Files the next file dialogs choose, in order; an empty text (or none left) cancels.
    QQueue<QString> fileChoices;
    QQueue<QString> directoryChoices;

    QList<Message> messages;
    QList<FileDialogRequest> fileRequests;
    QStringList plainMessages;
    QStringList openedDocuments;
    QString clipboard;
    QImage clipboardImage;

    // Windows shown without blocking, by object name, in order.
    QStringList shownWindows;

    // The printer: whether there is one, the answer of its setup dialog, and every job printed,
    // previewed or written to a PDF file. Printed and previewed jobs are painted into PDF files of
    // a temporary folder, so that a test can read what they drew.
    struct PrintedJob
    {
        enum class Kind { printed, previewed, pdf } kind;
        QString title;
        QString pdfPath;
        bool painted = false;
    };
    bool printerInstalled = true;
    bool printerSetupAccepted = true;
    int printerSetups = 0;
    QList<PrintedJob> printJobs;
    QDate day = QDate(2004, 5, 12);

    void ShowInformation(const QString &line1, const QString &line2, const QString &title) override
    {
        messages.append({line1, line2, title, false});
    }
    bool AskQuestion(const QString &line1, const QString &line2, const QString &title,
                     DefaultAnswer defaultAnswer = DefaultAnswer::yes) override
    {
        messages.append({line1, line2, title, true, defaultAnswer});
        return answers.isEmpty() ? false : answers.dequeue();
    }
    int AskChoice(const QString &line1, const QString &line2, const QString &title, const QStringList &buttons) override
    {
        if (choices.isEmpty())
            return AskQuestion(line1, line2, title) ? 0 : 1;
        Q_UNUSED(buttons);
        messages.append({line1, line2, title, true});
        return choices.dequeue();
    }
    SaveAnswer AskToSave(const QString &line1, const QString &line2, const QString &title) override
    {
        if (saveAnswers.isEmpty())
            return AskQuestion(line1, line2, title) ? SaveAnswer::save : SaveAnswer::discard;
        messages.append({line1, line2, title, true});
        return saveAnswers.dequeue();
    }
    void ShowPlainMessage(const QString &text) override { plainMessages.append(text); }
    QString chooseOpenFile(const FileDialogRequest &request) override { return chooseFile(request); }
    QString chooseSaveFile(const FileDialogRequest &request) override { return chooseFile(request); }
    QString chooseDirectory(const QString &, const QString &) override
    {
        return directoryChoices.isEmpty() ? QString() : directoryChoices.dequeue();
    }
    void setClipboardText(const QString &text) override { clipboard = text; }
    QString clipboardText() const override { return clipboard; }
    void setClipboardImage(const QImage &image) override { clipboardImage = image; }
    int execDialog(QDialog &dialog) override
    {
        shownDialogs.append(dialog.objectName());
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (!dialogScripts.isEmpty())
            dialogScripts.dequeue()(dialog);
        if (dialog.isVisible())
            dialog.close();
        if (dialog.isVisible()) // a window that refuses to close: the script left it unanswered
            dialog.hide();
        return dialog.result();
    }
    void showWindow(QWidget &window) override
    {
        shownWindows.append(window.objectName());
        window.show();
    }
    void closeWindow(QWidget &window) override { window.close(); }

    bool hasPrinter() const override { return printerInstalled; }
    bool setUpPrinter() override
    {
        ++printerSetups;
        return printerSetupAccepted;
    }
    bool print(const QString &title, const PrintJob &job) override
    {
        if (!printerInstalled)
            return false;
        return paint(PrintedJob::Kind::printed, title, jobFolder.filePath(QStringLiteral("job%1.pdf").arg(printJobs.size())), job);
    }
    void previewPrint(const QString &title, const PrintJob &job) override
    {
        paint(PrintedJob::Kind::previewed, title, jobFolder.filePath(QStringLiteral("job%1.pdf").arg(printJobs.size())), job);
    }
    bool printToPdf(const QString &path, const QString &title, const PrintJob &job) override
    {
        return paint(PrintedJob::Kind::pdf, title, path, job);
    }

    // Each document as "<path>" or "<path>#<section>".
    void openDocument(const QString &path, const QString &section = QString()) override
    {
        openedDocuments.append(section.isEmpty() ? path : path + u'#' + section);
    }
    QDate today() const override { return day; }

private:
    QTemporaryDir jobFolder;

    bool paint(PrintedJob::Kind kind, const QString &title, const QString &path, const PrintJob &job)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setDocName(title);
        const bool painted = job(printer);
        printJobs.append({kind, title, path, painted});
        return painted;
    }

    QString chooseFile(const FileDialogRequest &request)
    {
        fileRequests.append(request);
        return fileChoices.isEmpty() ? QString() : fileChoices.dequeue();
    }
};

} // namespace trelfin::test
