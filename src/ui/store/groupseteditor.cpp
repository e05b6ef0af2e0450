#include "ui/store/groupseteditor.h"

#include "core/store/database.h"
#include "core/store/groupset.h"
#include "core/store/messagesink.h"
#include "ui/common/hints.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trelfin {

Tedycjagrup::Tedycjagrup(Database &db, MessageSink &sink, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_db(db)
    , m_sink(sink)
    , m_grupy(new QTableWidget(GroupCount, 2, this))
{
    setObjectName(QStringLiteral("edycjagrup"));
    setWindowTitle(QStringLiteral("Edycja zbioru grup wydatków"));
    setModal(true);
    m_grupy->setObjectName(QStringLiteral("grupy"));
    m_grupy->setHorizontalHeaderLabels({QStringLiteral("Nr"), QStringLiteral("Nazwa")});
    m_grupy->verticalHeader()->hide();
    const QFontMetrics fm = m_grupy->fontMetrics();
    m_grupy->setColumnWidth(0, std::max(29, fm.horizontalAdvance(QStringLiteral("30")) + 16));
    m_grupy->setColumnWidth(1, std::max(92, fm.horizontalAdvance(QStringLiteral("WWWWWWWWWW")) + 16));
    for (int g = 1; g <= GroupCount; ++g) {
        auto *number = new QTableWidgetItem(QString::number(g));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grupy->setItem(g - 1, 0, number);
        m_grupy->setItem(g - 1, 1, new QTableWidgetItem);
    }
    // A name cell takes what its name holds.
    connect(m_grupy, &QTableWidget::itemChanged, this, [](QTableWidgetItem *item) {
        if (item->column() == 1 && item->text().size() > Width::groupName)
            item->setText(item->text().left(Width::groupName));
    });

    QPushButton *ok = createButton(this, QStringLiteral("ok"), QStringLiteral("    &OK          "));
    ok->setDefault(true);
    QPushButton *cancel = createButton(this, QStringLiteral("anuluj"), QStringLiteral("  Anuluj       "));
    QPushButton *defaults = createButton(this, QStringLiteral("domyslne"), QStringLiteral("  Domyślne  "),
                                         QStringLiteral("Przywróć domyślne nazwy grup wydatków"));
    QPushButton *help = createButton(this, QStringLiteral("pomoc"), QStringLiteral("  Pomoc      "),
                                     QStringLiteral("Pomoc programu TrelFIN"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, &Tedycjagrup::BitBtn2Click);
    connect(help, &QPushButton::clicked, this, &Tedycjagrup::helpRequested);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {ok, cancel, defaults, help})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_grupy);
    layout->addLayout(buttons);
    m_grupy->setMinimumWidth(m_grupy->columnWidth(0) + m_grupy->columnWidth(1) + 24);
    setFixedSize(sizeHint().width(), 520);
}

void Tedycjagrup::fill()
{
    for (int g = 1; g <= GroupCount; ++g)
        m_grupy->item(g - 1, 1)->setText(m_db.header.groupNames[g]);
}

void Tedycjagrup::showEvent(QShowEvent *event)
{
    if (!isRestoredShow(event)) {
        fill();
        m_grupy->setCurrentCell(0, 1);
        m_grupy->setFocus();
    }
    QDialog::showEvent(event);
}

void Tedycjagrup::BitBtn2Click()
{
    if (!m_sink.AskQuestion(QStringLiteral("Czy przywrócić domyślne nazwy grup?"), QString(), QStringLiteral("Trelfin")))
        return;
    SetDefaultGroups(m_db.header);
    fill();
}

void Tedycjagrup::done(int result)
{
    // A name still being typed counts too.
    if (auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        editor && m_grupy->isAncestorOf(editor) && m_grupy->currentItem())
        m_grupy->currentItem()->setText(editor->text());
    for (int g = 1; g <= GroupCount; ++g)
        m_db.header.groupNames[g] = StoredGroupName(m_grupy->item(g - 1, 1)->text());
    m_db.modified = true;
    QDialog::done(result);
}

} // namespace trelfin
