#include "page_view.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRubberBand>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <exception>

#include "message_boxes.h"
#include "page_focus.h"
#include "platform/host/tool_set.h"
#include "platform/pdf/document.h"
#include "platform/pdf/page.h"
#include "platform/pdf/page_renderer.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::desk {

namespace {

constexpr int kZoomSteps[] = {10, 25, 33, 50, 67, 75, 90, 100, 125, 150, 200, 300, 400, 600, 800};

}  // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName("PageView");
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::Base, QColor(0x80, 0x80, 0x80));
    viewport()->setPalette(palette);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setCursor(Qt::OpenHandCursor);
    viewport()->setMouseTracking(true);  // tools set the cursor as the mouse moves
}

PageView::~PageView() = default;

void PageView::showDocument(const pdf::Document& document) {
    const int keepPage = anchorPage_;
    document_ = &document;
    renderer_.reset();
    cache_.clear();
    std::vector<QSizeF> sizes;
    try {
        shownChanges_ = document.changeCount();
        renderer_ = std::make_shared<const pdf::PageRenderer>(document);
        for (int i = 0; i < renderer_->pageCount(); ++i) {
            const pdf::PageSize size = renderer_->pageSize(i);
            sizes.emplace_back(size.width, size.height);
        }
    } catch (const pdf::PdfError&) {
        // Nothing to show; the view stays empty.
        renderer_.reset();
    }
    layout_.setPageSizes(std::move(sizes));
    setScale(fittingScale(), std::max(keepPage, 0));
    Q_EMIT documentShown();
}

bool PageView::documentChanged() const {
    try {
        return document_ != nullptr && document_->changeCount() != shownChanges_;
    } catch (const pdf::PdfError&) {
        return false;  // closed: nothing new to show
    }
}

double PageView::fittingScale() const {
    switch (fit_) {
    case Fit::Width:
        return layout_.scaleToFitWidth(viewport()->width());
    case Fit::Page:
        return layout_.scaleToFitPage(viewport()->size());
    case Fit::None:
        break;
    }
    return layout_.scale();
}

double PageView::pixelsPerPointAt100() const {
    return logicalDpiX() / 72.0;
}

int PageView::zoomPercent() const {
    return static_cast<int>(std::lround(layout_.scale() / pixelsPerPointAt100() * 100));
}

void PageView::setZoomPercent(int percent) {
    fit_ = Fit::None;
    setScale(percent / 100.0 * pixelsPerPointAt100(), anchorPage_);
}

void PageView::zoomIn() {
    const int now = zoomPercent();
    for (int step : kZoomSteps) {
        if (step > now) {
            setZoomPercent(step);
            return;
        }
    }
}

void PageView::zoomOut() {
    const int now = zoomPercent();
    for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step) {
        if (*step < now) {
            setZoomPercent(*step);
            return;
        }
    }
}

void PageView::fitWidth() {
    fit_ = Fit::Width;
    setScale(fittingScale(), anchorPage_);
}

void PageView::fitPage() {
    fit_ = Fit::Page;
    setScale(fittingScale(), anchorPage_);
}

void PageView::setScale(double pixelsPerPoint, int keepPage) {
    const bool changed = std::abs(pixelsPerPoint - layout_.scale()) > 1e-9;
    layout_.setScale(pixelsPerPoint);
    scrollingItself_ = true;
    updateScrollBars();
    scrollingItself_ = false;
    scrollToPage(keepPage);
    viewport()->update();
    if (changed) {
        Q_EMIT zoomChanged(zoomPercent());
    }
    reportCurrentPage();
}

void PageView::updateScrollBars() {
    const QSize content = layout_.contentSize(viewport()->width());
    const QSize room = viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, content.height() - room.height()));
    verticalScrollBar()->setPageStep(room.height());
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - room.width()));
    horizontalScrollBar()->setPageStep(room.width());
    horizontalScrollBar()->setSingleStep(40);
}

QPoint PageView::contentOffset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

int PageView::currentPage() const {
    if (layout_.pageCount() == 0) {
        return -1;
    }
    return layout_.pageAt(verticalScrollBar()->value() + viewport()->height() / 4);
}

void PageView::goToPage(int index) {
    scrollToPage(index);
    reportCurrentPage();
}

void PageView::scrollToPage(int index) {
    if (layout_.pageCount() == 0) {
        return;
    }
    index = std::clamp(index, 0, layout_.pageCount() - 1);
    anchorPage_ = index;
    scrollingItself_ = true;
    verticalScrollBar()->setValue(layout_.pageRect(index, viewport()->width()).top() -
                                  PageLayout::kMargin);
    scrollingItself_ = false;
}

void PageView::reportCurrentPage() {
    const int page = currentPage();
    if (page != reportedPage_) {
        reportedPage_ = page;
        Q_EMIT currentPageChanged(page);
    }
}

const QImage* PageView::picture(int page) {
    const double scale = layout_.scale() * devicePixelRatioF();
    auto found = std::find_if(cache_.begin(), cache_.end(), [&](const Picture& picture) {
        return picture.page == page && std::abs(picture.scale - scale) < 1e-9;
    });
    if (found != cache_.end()) {
        cache_.splice(cache_.begin(), cache_, found);
        return &cache_.front().image;
    }
    if (!renderer_) {
        return nullptr;
    }
    QImage image;
    try {
        pdf::PageImage drawn = renderer_->render(page, scale * 72.0);
        image = QImage(drawn.width, drawn.height, QImage::Format_ARGB32);
        for (int row = 0; row < drawn.height; ++row) {
            std::copy_n(drawn.pixels.data() + static_cast<std::ptrdiff_t>(row) * drawn.width,
                        drawn.width, reinterpret_cast<std::uint32_t*>(image.scanLine(row)));
        }
        image.setDevicePixelRatio(devicePixelRatioF());
        ++drawn_;
    } catch (const pdf::PdfError&) {
        image = QImage();  // drawn as an empty page with a cross
    }
    cache_.push_front(Picture{page, scale, std::move(image)});
    if (cache_.size() > kCachedPages) {
        cache_.pop_back();
    }
    return &cache_.front().image;
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPoint offset = contentOffset();
    const auto [first, last] = layout_.pagesIn(offset.y(), offset.y() + viewport()->height());
    for (int page = first; page <= last; ++page) {
        const QRect rect = layout_.pageRect(page, viewport()->width()).translated(-offset);
        painter.fillRect(rect.translated(2, 2), QColor(0x50, 0x50, 0x50));
        painter.fillRect(rect, Qt::white);
        const QImage* image = picture(page);
        if (image != nullptr && !image->isNull()) {
            painter.drawImage(rect, *image);
        } else {
            painter.setPen(Qt::lightGray);
            painter.drawLine(rect.topLeft(), rect.bottomRight());
            painter.drawLine(rect.topRight(), rect.bottomLeft());
        }
    }
    if (tools_ == nullptr || !tools_->hasDrawings()) {
        return;
    }
    const QRect area = event->rect();
    for (int page = first; page <= last; ++page) {
        const QRect rect = pageRectInViewport(page);
        if (!rect.intersects(area)) {
            continue;
        }
        painter.save();
        painter.setClipRect(rect);
        PageFocus focus(*this, page, &painter);
        try {
            tools_->draw(focus,
                         host::DeviceRect{area.left(), area.top(), area.left() + area.width(),
                                          area.top() + area.height()});
        } catch (const std::exception&) {
            // A drawing that fails leaves the page as it is; painting cannot
            // stop to show a message.
        }
        painter.restore();
    }
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (fit_ != Fit::None) {
        setScale(fittingScale(), anchorPage_);
    } else {
        scrollingItself_ = true;
        updateScrollBars();
        scrollingItself_ = false;
    }
}

void PageView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    if (!scrollingItself_) {
        anchorPage_ = std::max(currentPage(), 0);  // the user scrolled
    }
    viewport()->update();
    reportCurrentPage();
}

void PageView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Home:
        goToPage(0);
        return;
    case Qt::Key_End:
        goToPage(pageCount() - 1);
        return;
    case Qt::Key_Escape:
        // Escape puts a tool away: the hand is back.
        if (!standardToolIsActive()) {
            try {
                tools_->setActive(tools_->standardTool(), true);
            } catch (const std::exception& error) {
                showAlertNote(this, error.what());
            }
            viewport()->setCursor(Qt::OpenHandCursor);
            viewport()->update();  // what the tool drew goes with it
            Q_EMIT toolMayHaveChanged();
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

QRect PageView::pageRectInViewport(int page) const {
    return layout_.pageRect(page, viewport()->width()).translated(-contentOffset());
}

host::FixedRect PageView::shownBox(int page) const {
    if (document_ != nullptr) {
        try {
            const pdf::Rect box = document_->page(page).cropBox();
            return host::FixedRect{host::fixedFromDouble(box.left), host::fixedFromDouble(box.top),
                                   host::fixedFromDouble(box.right),
                                   host::fixedFromDouble(box.bottom)};
        } catch (const pdf::PdfError&) {
            // The size shown instead, from the origin.
        }
    }
    const QSizeF size =
        page >= 0 && page < layout_.pageCount() ? layout_.pageSizeInPoints(page) : QSizeF(0, 0);
    return host::FixedRect{0, host::fixedFromDouble(size.height()),
                           host::fixedFromDouble(size.width()), 0};
}

PagePlacement PageView::placement(int page) const {
    const host::FixedRect box = shownBox(page);
    PagePlacement placement;
    placement.left = host::doubleFromFixed(box.left);
    placement.bottom = host::doubleFromFixed(box.bottom);
    placement.right = host::doubleFromFixed(box.right);
    placement.top = host::doubleFromFixed(box.top);
    if (document_ != nullptr) {
        try {
            placement.rotation = document_->page(page).rotation();
        } catch (const pdf::PdfError&) {
            // Shown unturned, as the renderer falls back to.
        }
    }
    placement.device = pageRectInViewport(page);
    return placement;
}

int PageView::pageAtViewport(const QPoint& point) const {
    if (layout_.pageCount() == 0) {
        return -1;
    }
    const int page = layout_.pageAt(point.y() + contentOffset().y());
    return page >= 0 && pageRectInViewport(page).contains(point) ? page : -1;
}

bool PageView::standardToolIsActive() const {
    return tools_ == nullptr || tools_->active() == tools_->standardTool();
}

namespace {

// Follows the mouse while its button is held down over a page view: the
// dragged rectangle shows as a rubber band; the release ends the loop.
class DragTracker : public QObject {
public:
    DragTracker(QWidget* viewport, const host::DeviceRect& start, int handle,
                const host::DeviceRect& bounds)
        : band_(new QRubberBand(QRubberBand::Rectangle, viewport)),
          start_(start),
          handle_(handle),
          bounds_(bounds),
          current_(start) {}

    ~DragTracker() override { delete band_.data(); }
    DragTracker(const DragTracker&) = delete;
    DragTracker& operator=(const DragTracker&) = delete;

    host::DeviceRect run(int x, int y) {
        current_ = host::draggedRect(start_, handle_, x, y, bounds_);
        show();
        loop_.exec();
        return current_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            current_ = host::draggedRect(start_, handle_, at.x(), at.y(), bounds_);
            show();
            if (event->type() == QEvent::MouseButtonRelease) {
                loop_.quit();
            }
            return true;
        }
        case QEvent::Hide:
        case QEvent::Close:
            loop_.quit();
            return false;
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    void show() {
        const host::DeviceRect& r = current_;
        if (!band_.isNull()) {  // gone with a view closed meanwhile
            band_->setGeometry(QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)));
            band_->show();
        }
    }

    QPointer<QRubberBand> band_;
    QEventLoop loop_;
    host::DeviceRect start_;
    int handle_;
    host::DeviceRect bounds_;
    host::DeviceRect current_;
};

}  // namespace

host::DeviceRect PageView::trackDrag(int x, int y, const host::DeviceRect& start, int handle,
                                     const host::DeviceRect& bounds) {
    if (!leftButtonHeld_) {
        // The button is up already: nothing was dragged.
        return host::draggedRect(start, handle, x, y, bounds);
    }
    QPointer<PageView> self(this);
    DragTracker tracker(viewport(), start, handle, bounds);
    viewport()->installEventFilter(&tracker);
    const host::DeviceRect dragged = tracker.run(x, y);
    if (!self.isNull()) {
        viewport()->removeEventFilter(&tracker);
        leftButtonHeld_ = false;  // the release ended the drag
    }
    return dragged;
}

bool PageView::clickTool(QMouseEvent* event, int clickCount) {
    if (standardToolIsActive() || event->button() != Qt::LeftButton) {
        return false;
    }
    const QPoint at = event->position().toPoint();
    const int page = pageAtViewport(at);
    if (page < 0) {
        return false;
    }
    PageFocus focus(*this, page);
    QPointer<PageView> self(this);
    bool handled = true;
    try {
        handled =
            tools_->click(focus, at.x(), at.y(), static_cast<int>(event->modifiers()), clickCount);
    } catch (const std::exception& error) {
        if (!self.isNull()) {
            showAlertNote(this, error.what());
        }
    }
    if (!self.isNull()) {
        Q_EMIT toolMayHaveChanged();  // a tool may put itself away when done
    }
    return handled;
}

void PageView::updateCursor(const QPoint& point) {
    if (standardToolIsActive()) {
        viewport()->setCursor(Qt::OpenHandCursor);
        return;
    }
    const int page = pageAtViewport(point);
    if (page >= 0) {
        PageFocus focus(*this, page);
        try {
            if (tools_->adjustCursor(focus, point.x(), point.y())) {
                return;
            }
        } catch (const std::exception&) {
            // The tool could not say; the host's cursor shows.
        }
    }
    viewport()->setCursor(Qt::ArrowCursor);
}

// The standard tool: the hand drags the pages. Other tools get the click
// first.
void PageView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftButtonHeld_ = true;
    }
    if (clickTool(event, 1)) {
        return;
    }
    if (event->button() == Qt::LeftButton && standardToolIsActive()) {
        dragging_ = true;
        dragStart_ = event->position().toPoint();
        dragScroll_ = contentOffset();
        viewport()->setCursor(Qt::ClosedHandCursor);
    }
}

void PageView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftButtonHeld_ = true;
    }
    if (!clickTool(event, 2)) {
        mousePressEvent(event);
    }
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        const QPoint moved = event->position().toPoint() - dragStart_;
        horizontalScrollBar()->setValue(dragScroll_.x() - moved.x());
        verticalScrollBar()->setValue(dragScroll_.y() - moved.y());
        return;
    }
    updateCursor(event->position().toPoint());
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftButtonHeld_ = false;
    }
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        updateCursor(event->position().toPoint());
    }
}

}  // namespace lumar::desk
