#include "ui/qt/auto_tab_ctrl.h"

#include <QEvent>
#include <QLayout>
#include <QMessageBox>
#include <QTabBar>
#include <QVBoxLayout>

namespace lumar::ui {

CAutoTabCtrl::CAutoTabCtrl(QWidget* owner)
    : QWidget(owner), bar_(new QTabBar(this)), area_(new QWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(area_, 1);
    bar_->setExpanding(false);
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) { SelectPage(index); });
    area_->installEventFilter(this);
}

bool CAutoTabCtrl::eventFilter(QObject* watched, QEvent* event) {
    // The page shown fills the display area.
    if (watched == area_ && event->type() == QEvent::Resize) {
        if (QWidget* page = Page(current_)) {
            page->setGeometry(area_->rect());
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* CAutoTabCtrl::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

int CAutoTabCtrl::AddPage(const QString& title, const PageFactory& makePage) {
    // Selection follows the calls below, not the tab bar's own notice.
    const QSignalBlocker quiet(bar_);
    const int index = bar_->addTab(title);
    if (index < 0) {
        QMessageBox::critical(this, QString(), "CreateAutoTab.InsertItem failed");
        return -1;
    }
    QWidget* page = makePage ? makePage(area_) : nullptr;
    if (page != nullptr) {
        page->setParent(area_);
        page->hide();
        page->adjustSize();
        largest_ = largest_.expandedTo(page->sizeHint().expandedTo(page->minimumSizeHint()));
        area_->setMinimumSize(largest_);
    } else {
        QMessageBox::critical(this, QString(), "Create failed");
    }
    pages_.push_back(page);
    SelectPage(index);
    return page != nullptr ? index : -1;
}

void CAutoTabCtrl::SelectPage(int index) {
    if (index >= 0 && index != bar_->currentIndex()) {
        const QSignalBlocker quiet(bar_);
        bar_->setCurrentIndex(index);
    }
    if (index == current_) {
        return;
    }
    if (QWidget* shown = Page(current_)) {
        shown->hide();
        shown->setEnabled(false);
        shown->resize(0, 0);
    }
    current_ = index;
    if (QWidget* page = Page(current_)) {
        page->setEnabled(true);
        page->setGeometry(QRect(QPoint(0, 0), area_->size().expandedTo(largest_)));
        page->show();
        if (page->layout() != nullptr) {
            page->layout()->activate();  // its controls in place before the next click
        }
    }
    bar_->setFocus();
    // Delivered once the caller is done, like a posted message.
    QMetaObject::invokeMethod(
        this, [this, index] { Q_EMIT tabSelChange(index); }, Qt::QueuedConnection);
}

}  // namespace lumar::ui
