#pragma once

// CAutoTabCtrl: a tab control that hosts one page (a child dialog) per tab
// and makes room for the largest of them. Selecting a tab hides the page
// shown and shows the tab's page; the owner hears of every new selection
// through tabSelChange, delivered after the selection is done (the
// "AutoTabCtrl TabSelChange" notice).

#include <QWidget>
#include <functional>
#include <vector>

class QTabBar;

namespace lumar::ui {

class CAutoTabCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CAutoTabCtrl(QWidget* owner);

    // Makes a page as a child of the control's display area; returns null
    // when it cannot be made.
    using PageFactory = std::function<QWidget*(QWidget* parent)>;

    // Adds a tab with its page and selects it. Returns the tab's index, or
    // -1 when the page could not be made (the tab stays, without a page) or
    // the tab could not be added.
    int AddPage(const QString& title, const PageFactory& makePage);

    void SelectPage(int index);

    int CurrentPage() const { return current_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    QWidget* Page(int index) const;
    QTabBar* TabBar() const { return bar_; }

Q_SIGNALS:
    void tabSelChange(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabBar* bar_;
    QWidget* area_;
    std::vector<QWidget*> pages_;  // null where a page could not be made
    int current_ = -1;
    QSize largest_;
};

}  // namespace lumar::ui
