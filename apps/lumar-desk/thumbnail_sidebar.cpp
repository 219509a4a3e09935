#include "thumbnail_sidebar.h"

#include <QListView>

#include "document_tab.h"
#include "page_view.h"
#include "thumbnail_model.h"

namespace lumar::desk {

ThumbnailSidebar::ThumbnailSidebar(QWidget* parent)
    : QDockWidget("Pages", parent), model_(new ThumbnailModel(this)), list_(new QListView(this)) {
    setObjectName("ThumbnailSidebar");
    list_->setObjectName("Thumbnails");
    list_->setModel(model_);
    list_->setViewMode(QListView::IconMode);
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(false);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);  // no row is asked for its size but the first
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSpacing(6);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(list_);
    model_->setStillWanted([this](int row) { return rowShows(row); });
    connect(list_, &QListView::clicked, this,
            [this](const QModelIndex& index) { Q_EMIT pageChosen(index.row()); });
    connect(list_, &QListView::activated, this,
            [this](const QModelIndex& index) { Q_EMIT pageChosen(index.row()); });
}

void ThumbnailSidebar::showDocument(DocumentTab* tab) {
    model_->setPages(tab != nullptr ? tab->pages().renderer() : nullptr);
    list_->setIconSize(model_->pictureSize());
    // Wide enough for a picture, its frame and the scroll bar.
    setMinimumWidth(model_->pictureSize().width() + 48);
    if (tab != nullptr) {
        selectPage(tab->pages().currentPage());
    }
}

void ThumbnailSidebar::selectPage(int page) {
    if (page < 0 || page >= model_->rowCount()) {
        list_->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(page);
    list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

bool ThumbnailSidebar::rowShows(int row) const {
    return list_->isVisible() &&
           list_->visualRect(model_->index(row)).intersects(list_->viewport()->rect());
}

}  // namespace lumar::desk
