#pragma once

#include "core/store/clock.h"
#include "core/store/messagesink.h"

#include <QString>

#include <functional>

class QDialog;
class QImage;
class QPrinter;
class QWidget;

namespace trelfin {

// What a file-open or file-save dialog is asked for. `filter` lists pairs of a description and a
// pattern separated by "|", e.g. "Bazy danych (*.tf4)|*.tf4|Wszystkie pliki  (*.*)|*.*".
struct FileDialogRequest
{
    QString title;
    QString filter;
    QString defaultExtension;   // with its dot, e.g. ".tf4"; added to a name typed without one
    QString defaultFileName;
    bool mustExist = false;
    bool confirmOverwrite = false;
};

// A save dialog that asks before replacing a file.
inline FileDialogRequest saveFileRequest(const QString &title, const QString &filter, const QString &defaultExtension,
                                         const QString &defaultFileName)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultExtension = defaultExtension;
    request.defaultFileName = defaultFileName;
    request.confirmOverwrite = true;
    return request;
}

// A print job: paints its pages onto the printer it is given (a QPainter begun on it, newPage()
// between pages) and says whether it could.
using PrintJob = std::function<bool(QPrinter &printer)>;

// Everything the program asks of the desktop passes through here: the two message boxes, the
// file and folder choosers, the clipboard, showing the program's own windows, the printer,
// opening a document with its default viewer, and today's date. The real desktop shows the
// program's own windows and the standard dialogs; tests install a scripted one.
class Desktop : public Clock, public MessageSink
{
public:
    // The information box: two lines and a caption, one button.
    void ShowInformation(const QString &line1, const QString &line2, const QString &title) override = 0;
    // The question box: true only when the user pressed "Tak".
    bool AskQuestion(const QString &line1, const QString &line2, const QString &title,
                     DefaultAnswer defaultAnswer = DefaultAnswer::yes) override = 0;
    // The question whether to save changes, with "Tak", "Nie" and "Anuluj".
    SaveAnswer AskToSave(const QString &line1, const QString &line2, const QString &title) override = 0;
    // A question with buttons of its own: the index of the one pressed, -1 for Escape and the frame.
    int AskChoice(const QString &line1, const QString &line2, const QString &title, const QStringList &buttons) override = 0;
    // The desktop's own plain message box, for the few messages that do not use the two above.
    virtual void ShowPlainMessage(const QString &text) = 0;

    // The chosen file's full path, or an empty text when the user cancelled.
    virtual QString chooseOpenFile(const FileDialogRequest &request) = 0;
    virtual QString chooseSaveFile(const FileDialogRequest &request) = 0;
    // The chosen folder, or an empty text when the user cancelled.
    virtual QString chooseDirectory(const QString &title, const QString &startDirectory) = 0;

    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() const = 0;
    virtual void setClipboardImage(const QImage &image) = 0;

    // Shows one of the program's own windows modally and returns its result code. Tests answer
    // the window from a script instead.
    virtual int execDialog(QDialog &dialog) = 0;
    // Shows one of the program's own windows without blocking: the user goes on working in the
    // others while it stays open, until it is closed by the user or by closeWindow.
    virtual void showWindow(QWidget &window) = 0;
    virtual void closeWindow(QWidget &window) = 0;

    // Whether the desktop has a printer to print on.
    virtual bool hasPrinter() const = 0;
    // The printer setup dialog for the printer the program prints on; false when cancelled.
    virtual bool setUpPrinter() = 0;
    // Prints `job` as one print job named `title` on that printer. False when there is no printer
    // or the job could not be printed.
    virtual bool print(const QString &title, const PrintJob &job) = 0;
    // Shows the pages of `job` in a print preview, from which the user may print them.
    virtual void previewPrint(const QString &title, const PrintJob &job) = 0;
    // Prints `job` into the PDF file `path`. False when the file could not be written.
    virtual bool printToPdf(const QString &path, const QString &title, const PrintJob &job) = 0;

    // Shows the help document `path` at its section `section` (an anchor of the document; the
    // beginning when empty). The program relies on no result.
    virtual void openDocument(const QString &path, const QString &section = QString()) = 0;
};

} // namespace trelfin
