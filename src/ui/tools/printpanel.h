#pragma once

#include "core/tools/printdocument.h"
#include "ui/common/desktop.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace trelfin {

class Database;
class Desktop;

// "Drukowanie danych": which data of the open database to print, the page header's parts, the
// dates of the dated sections, and the printer. Its boxes and fields keep their state for the
// rest of the run. Beyond printing on the printer, it previews the job and writes it to a PDF
// file.
class Tdrukuj : public QDialog
{
    Q_OBJECT
public:
    Tdrukuj(Database &db, Desktop &desktop, QWidget *parent = nullptr);

    // What the boxes and fields ask for now.
    PrintOptions options() const;
    // Unchecks every section box but the bank account's, as the pages' "Drukuj" buttons do.
    void clearSectionBoxes();

    void BitBtn1Click();   // "Ustawienia drukarek"
    void BitBtn2Click();   // "Drukuj"
    void previewClick();
    void pdfClick();
    void jednadataClick();

private:
    // The job of the sections chosen now, for any printer or PDF file.
    PrintJob job() const;

    Database &m_db;
    Desktop &m_desktop;
    QCheckBox *m_naglowek;
    QCheckBox *m_datawydruku;
    QCheckBox *m_uzytkownik;
    QCheckBox *m_nazwaokresu;
    std::array<QCheckBox *, PrintSectionCount> m_sections{};
    QCheckBox *m_jednadata;
    std::array<QLineEdit *, 7> m_od{};
    std::array<QLineEdit *, 7> m_do{};
    QLineEdit *m_standata;
    QList<QWidget *> m_perSectionDates;
};

} // namespace trelfin
