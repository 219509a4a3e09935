#include "thumbnail_model.h"

#include <QIcon>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "platform/pdf/page_renderer.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::desk {

namespace {

QImage toImage(const pdf::PageImage& drawn) {
    QImage image(drawn.width, drawn.height, QImage::Format_ARGB32);
    for (int row = 0; row < drawn.height; ++row) {
        std::copy_n(drawn.pixels.data() + static_cast<std::ptrdiff_t>(row) * drawn.width,
                    drawn.width, reinterpret_cast<std::uint32_t*>(image.scanLine(row)));
    }
    return image;
}

}  // namespace

ThumbnailModel::ThumbnailModel(QObject* parent)
    : QAbstractListModel(parent), idle_(new QTimer(this)) {
    idle_->setInterval(0);
    connect(idle_, &QTimer::timeout, this, &ThumbnailModel::drawNext);
}

void ThumbnailModel::setPages(std::shared_ptr<const pdf::PageRenderer> renderer) {
    beginResetModel();
    renderer_ = std::move(renderer);
    pictures_.clear();
    waiting_.clear();
    idle_->stop();
    drawn_ = 0;
    double tallest = 0;
    if (renderer_) {
        for (int i = 0; i < renderer_->pageCount(); ++i) {
            const pdf::PageSize size = renderer_->pageSize(i);
            if (size.width > 0) {
                tallest = std::max(tallest, size.height / size.width);
            }
        }
    }
    pictureSize_ =
        QSize(kWidth,
              std::max(1, static_cast<int>(std::lround(kWidth * (tallest > 0 ? tallest : 1.414)))));
    endResetModel();
}

int ThumbnailModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !renderer_ ? 0 : renderer_->pageCount();
}

const QImage* ThumbnailModel::kept(int row) const {
    auto found = std::find_if(pictures_.begin(), pictures_.end(),
                              [row](const Picture& picture) { return picture.row == row; });
    if (found == pictures_.end()) {
        return nullptr;
    }
    pictures_.splice(pictures_.begin(), pictures_, found);
    return &pictures_.front().image;
}

QImage ThumbnailModel::blankPage(int row) const {
    // The page's own shape, white, until its picture is drawn.
    QSize size = pictureSize_;
    try {
        const pdf::PageSize page = renderer_->pageSize(row);
        if (page.width > 0) {
            size.setHeight(
                std::max(1, static_cast<int>(std::lround(kWidth * page.height / page.width))));
        }
    } catch (const pdf::PdfError&) {
        // The usual size.
    }
    QImage blank(size, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    return blank;
}

QVariant ThumbnailModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(row + 1);
    case Qt::ToolTipRole:
        return QString("Page %1").arg(row + 1);
    case Qt::TextAlignmentRole:
        return static_cast<int>(Qt::AlignHCenter | Qt::AlignTop);
    case Qt::DecorationRole: {
        const QImage* image = kept(row);
        if (image == nullptr &&
            std::find(waiting_.begin(), waiting_.end(), row) == waiting_.end()) {
            waiting_.push_back(row);
            idle_->start();
        }
        // The same picture when selected: the selection shows around it
        // rather than tinting the page.
        const QPixmap picture = QPixmap::fromImage(image != nullptr ? *image : blankPage(row));
        QIcon icon;
        icon.addPixmap(picture, QIcon::Normal);
        icon.addPixmap(picture, QIcon::Selected);
        return icon;
    }
    default:
        return {};
    }
}

void ThumbnailModel::drawNext() {
    while (!waiting_.empty()) {
        const int row = waiting_.front();
        waiting_.pop_front();
        if (!renderer_ || row >= renderer_->pageCount() || kept(row) != nullptr ||
            (stillWanted_ && !stillWanted_(row))) {
            continue;
        }
        QImage image;
        try {
            const pdf::PageSize size = renderer_->pageSize(row);
            const double dotsPerInch = size.width > 0 ? kWidth * 72.0 / size.width : 72.0;
            image = toImage(renderer_->render(row, dotsPerInch));
        } catch (const pdf::PdfError&) {
            image = blankPage(row);  // a page that cannot be drawn stays blank
        }
        ++drawn_;
        pictures_.push_front(Picture{row, std::move(image)});
        if (pictures_.size() > kKept) {
            pictures_.pop_back();
        }
        const QModelIndex changed = index(row);
        Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole});
        break;  // one page per idle turn
    }
    if (waiting_.empty()) {
        idle_->stop();
    }
}

}  // namespace lumar::desk
