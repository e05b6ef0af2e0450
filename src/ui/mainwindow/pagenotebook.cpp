#include "ui/mainwindow/pagenotebook.h"

#include "ui/common/notebookpage.h"

#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace trelfin {

PageNotebook::PageNotebook(const QStringList &captions, std::function<NotebookPage *(int index)> build, QWidget *parent)
    : QTabWidget(parent)
    , m_build(std::move(build))
    , m_pages(captions.size(), nullptr)
{
    setObjectName(QStringLiteral("karta"));
    for (const QString &caption : captions) {
        auto *holder = new QWidget;
        auto *layout = new QVBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        m_holders.push_back(holder);
        addTab(holder, caption);
    }
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        page(index);
        emit pageEntered();
    });
    // A click on the page already shown counts as entering it again (it recomputes a report page).
    connect(tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == currentIndex())
            emit pageEntered();
    });
}

NotebookPage *PageNotebook::page(int index)
{
    if (index < 0 || index >= static_cast<int>(m_pages.size()))
        return nullptr;
    if (!m_pages[index]) {
        NotebookPage *built = m_build(index);
        m_pages[index] = built;
        QWidget *holder = m_holders[index];
        holder->layout()->addWidget(built->pageWidget());
        // A page added to a notebook page already on screen shows at once, not in a later turn.
        if (holder->isVisible())
            built->pageWidget()->show();
    }
    return m_pages[index];
}

NotebookPage *PageNotebook::builtPage(int index) const
{
    return index >= 0 && index < static_cast<int>(m_pages.size()) ? m_pages[index] : nullptr;
}

void PageNotebook::selectPage(int index)
{
    page(index);
    const QSignalBlocker block(this);
    setCurrentIndex(index);
}

void PageNotebook::scheduleRemainingPages()
{
    if (m_remainingPagesScheduled)
        return;
    m_remainingPagesScheduled = true;
    QTimer::singleShot(0, this, &PageNotebook::buildRemainingPages);
}

void PageNotebook::buildRemainingPages()
{
    for (int index = 0; index < static_cast<int>(m_pages.size()); ++index)
        page(index);
}

} // namespace trelfin
