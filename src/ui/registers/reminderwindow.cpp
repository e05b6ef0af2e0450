#include "ui/registers/reminderwindow.h"

#include "core/store/database.h"
#include "core/store/helpers.h"
#include "ui/common/hints.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trelfin {

Tterminplan::Tterminplan(Database &db, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_db(db)
    , m_tab(new QTableWidget(2, 4, this))
{
    setObjectName(QStringLiteral("terminplan"));
    setWindowTitle(QStringLiteral("Na bieżącą datę zaplanowano wydatek:"));
    setModal(true);
    m_tab->setObjectName(QStringLiteral("tab"));
    setHint(m_tab, QStringLiteral("Informacje o zaplanowanym wydatku"));
    m_tab->horizontalHeader()->hide();
    m_tab->verticalHeader()->hide();
    m_tab->verticalHeader()->setDefaultSectionSize(std::max(15, m_tab->fontMetrics().height() + 4));
    m_tab->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tab->setFocusPolicy(Qt::NoFocus);
    const QFontMetrics fm = m_tab->fontMetrics();
    const int widths[4] = {std::max(60, fm.horizontalAdvance(QStringLiteral("00-00-0000")) + 10),
                           std::max(85, fm.horizontalAdvance(QStringLiteral("9999999,99")) + 10),
                           std::max(64, fm.horizontalAdvance(QStringLiteral("DOKONANE  ")) + 10), 236};
    for (int c = 0; c < 4; ++c)
        m_tab->setColumnWidth(c, widths[c]);
    m_tab->setFixedHeight(2 * m_tab->verticalHeader()->defaultSectionSize() + 4);
    m_tab->setMinimumWidth(widths[0] + widths[1] + widths[2] + widths[3] + 4);
    const QStringList headings = {QStringLiteral("Termin"), QStringLiteral("Wartość"), QStringLiteral("Grupa"), QStringLiteral("Opis")};
    for (int c = 0; c < 4; ++c)
        m_tab->setItem(0, c, new QTableWidgetItem(headings.at(c)));

    const struct { const char *name, *caption, *hint; ReminderAnswer answer; } buttons[] = {
        {"Button1", "Dopisać do rozchodów", "Dopisuje zaplanowany wydatek do tabeli wydatków", ReminderAnswer::book},
        {"Button2", "Usunąć", "Usuwa zaplanowany wydatek z tabeli planowanych wydatków", ReminderAnswer::remove},
        {"Button3", "Przeedytować", "Edytuje zaplanowany wydatek", ReminderAnswer::edit},
        {"Button4", "Pozostawić", "Pozostawia zaplanowany wydatek bez zmian", ReminderAnswer::leave},
        // Beyond leaving one: leaving every due entry still to come in this walk.
        {"Button5", "Pozostaw wszystkie", "Pozostawia bez zmian ten i wszystkie kolejne zaplanowane wydatki",
         ReminderAnswer::leaveAll},
    };
    auto *row = new QHBoxLayout;
    for (const auto &b : buttons) {
        QPushButton *button = createButton(this, QString::fromLatin1(b.name), QString::fromUtf8(b.caption), QString::fromUtf8(b.hint));
        const ReminderAnswer answer = b.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] { answerWith(answer); });
        // Enter leaves the entry as it is: no answer that changes the registers is given by chance.
        if (answer == ReminderAnswer::leave) {
            button->setDefault(true);
            m_leave = button;
        }
        row->addWidget(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tab);
    layout->addLayout(row);
}

void Tterminplan::showEvent(QShowEvent *event)
{
    if (!isRestoredShow(event)) {
        m_answer = ReminderAnswer::leave;
        const EditBuffer &e = m_db.edit;
        const QStringList cells = {e.editDate, FormatAmount(e.editAmount), m_db.groupName(e.editGroup), e.editDescription};
        for (int c = 0; c < 4; ++c)
            m_tab->setItem(1, c, new QTableWidgetItem(cells.at(c)));
        m_leave->setFocus();
    }
    QDialog::showEvent(event);
}

void Tterminplan::answerWith(ReminderAnswer answer)
{
    m_answer = answer;
    accept();
}

} // namespace trelfin
