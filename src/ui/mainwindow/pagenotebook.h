#pragma once

#include <QTabWidget>

#include <functional>
#include <vector>

namespace trelfin {

class NotebookPage;

// The notebook `karta`: every page has its tab from the start, and what a tab shows is built when
// it is first needed (asked for, or shown), or in the first idle moment after the window is
// shown, so that starting the program builds only the first page.
class PageNotebook : public QTabWidget
{
    Q_OBJECT
public:
    // `build` makes the page of tab `index`; it is called once for each tab.
    PageNotebook(const QStringList &captions, std::function<NotebookPage *(int index)> build, QWidget *parent = nullptr);

    // The page of tab `index`, built now when it was not yet; null outside the tabs.
    NotebookPage *page(int index);
    // The page of tab `index` when it is built; null when not.
    NotebookPage *builtPage(int index) const;
    NotebookPage *shownPage() { return page(currentIndex()); }
    // Shows tab `index` without telling of a page change.
    void selectPage(int index);
    // Builds every page not built yet, in the first idle moment (once).
    void scheduleRemainingPages();
    void buildRemainingPages();

signals:
    // The page shown changed, or the tab of the page already shown was clicked.
    void pageEntered();

private:
    std::function<NotebookPage *(int index)> m_build;
    std::vector<NotebookPage *> m_pages;
    std::vector<QWidget *> m_holders;
    bool m_remainingPagesScheduled = false;
};

} // namespace trelfin
