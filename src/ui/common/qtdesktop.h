#pragma once

#include "ui/common/desktop.h"

#include <QStringList>

#include <memory>

class QTextBrowser;

namespace trelfin {

class Tdinformacja;
class TDpytanie;

// The real desktop: the program's own message boxes, Qt's file dialogs, the system clipboard and
// the default viewer of a document.
class QtDesktop : public Desktop
{
public:
    QtDesktop();
    ~QtDesktop() override;

    void ShowInformation(const QString &line1, const QString &line2, const QString &title) override;
    bool AskQuestion(const QString &line1, const QString &line2, const QString &title,
                     DefaultAnswer defaultAnswer = DefaultAnswer::yes) override;
    SaveAnswer AskToSave(const QString &line1, const QString &line2, const QString &title) override;
    int AskChoice(const QString &line1, const QString &line2, const QString &title, const QStringList &buttons) override;
    void ShowPlainMessage(const QString &text) override;
    QString chooseOpenFile(const FileDialogRequest &request) override;
    QString chooseSaveFile(const FileDialogRequest &request) override;
    QString chooseDirectory(const QString &title, const QString &startDirectory) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() const override;
    void setClipboardImage(const QImage &image) override;
    int execDialog(QDialog &dialog) override;
    void showWindow(QWidget &window) override;
    void closeWindow(QWidget &window) override;
    bool hasPrinter() const override;
    bool setUpPrinter() override;
    bool print(const QString &title, const PrintJob &job) override;
    void previewPrint(const QString &title, const PrintJob &job) override;
    bool printToPdf(const QString &path, const QString &title, const PrintJob &job) override;
    void openDocument(const QString &path, const QString &section = QString()) override;
    QDate today() const override;

    // "desc|pattern|desc|pattern" as Qt's name filters: "desc (pattern)", the pattern added only
    // when the description does not already end with it in brackets.
    static QStringList nameFilters(const QString &filter);

private:
    QString chooseFile(const FileDialogRequest &request, bool save);

    std::unique_ptr<Tdinformacja> m_information;
    std::unique_ptr<TDpytanie> m_question;
    // The printer the program prints on, made on first use: the desktop's default printer, with
    // what the printer setup dialog changed.
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QTextBrowser> m_help;
    QPrinter &printer();
};

} // namespace trelfin
