#pragma once

#include "core/tools/export.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;

namespace trelfin {

class Desktop;

// The options of an export: which registers, the base names of their files, and the folder.
// Two variants differ only in the caption: "Teksport" for text and "Teksport2" for CSV. The
// fields keep what the user set for the rest of the run. "&OK" accepts when a register is
// chosen; "Anuluj", the frame and "&OK" with nothing chosen reject. The CSV variant also offers
// a semicolon separator, a header line and UTF-8.
class Teksport : public QDialog
{
    Q_OBJECT
public:
    Teksport(ExportFormat format, Desktop &desktop, QWidget *parent = nullptr);

    // The chosen registers with their files' base names, in register order.
    QList<ExportRequest> requests() const;
    QString folder() const;
    // How a CSV is written (the CSV window's three boxes); the described form for text.
    CsvOptions csvOptions() const;
    // The folder the chooser starts in until the user picks one: the open database's.
    void setStartFolder(const QString &folder);

    void BitBtn1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseFolder();

    Desktop &m_desktop;
    std::array<QCheckBox *, RegisterCount> m_boxes{};
    std::array<QLineEdit *, RegisterCount> m_names{};
    QLineEdit *m_katalog;
    QCheckBox *m_semicolon = nullptr;
    QCheckBox *m_header = nullptr;
    QCheckBox *m_utf8 = nullptr;
    bool m_folderChosen = false;
};

} // namespace trelfin
