#include "ui/store/deletedatabasewindow.h"

#include "core/store/database.h"
#include "ui/common/hints.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelfin {

Tusuwaniebazy::Tusuwaniebazy(Database &db, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_plik(new QLabel(this))
    , m_user(new QLabel(this))
{
    setObjectName(QStringLiteral("usuwaniebazy"));
    setWindowTitle(QStringLiteral("Usunięcie bazy danych"));
    setModal(true);
    m_plik->setObjectName(QStringLiteral("plik"));
    m_user->setObjectName(QStringLiteral("user"));
    QFont bold = m_plik->font();
    bold.setBold(true);
    m_plik->setFont(bold);
    m_user->setFont(bold);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Za chwilę baza danych:"), this));
    layout->addWidget(m_plik);
    layout->addWidget(new QLabel(QStringLiteral("zostanie usunięta. Wszystkie dane zostaną utracone,"), this));
    layout->addWidget(new QLabel(QStringLiteral("której użytkownikiem jest:"), this));
    layout->addWidget(m_user);
    layout->addWidget(new QLabel(QStringLiteral("a ich ponowne odzyskanie będzie niemożliwe!"), this));
    layout->addWidget(new QLabel(QStringLiteral("Potwierdź usunięcie bazy:"), this));
    auto *row = new QHBoxLayout;
    QPushButton *yes = createButton(this, QStringLiteral("tak"), QStringLiteral("  Tak   "),
                                    QStringLiteral("Usuwa nieodwracalnie bazę"));
    QPushButton *no = createButton(this, QStringLiteral("nie"), QStringLiteral("  Nie   "));
    no->setDefault(true);
    row->addWidget(yes);
    row->addWidget(no);
    layout->addLayout(row);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

void Tusuwaniebazy::showEvent(QShowEvent *event)
{
    if (isRestoredShow(event))
        return QDialog::showEvent(event);
    m_plik->setText(m_db.databaseName);
    m_user->setText(m_db.header.ownerName);
    QDialog::showEvent(event);
}

} // namespace trelfin
