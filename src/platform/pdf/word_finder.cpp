#include "platform/pdf/word_finder.h"

#include <poppler-page.h>

#include <algorithm>
#include <cmath>
#include <qpdf/QPDFWriter.hh>

#include "platform/pdf/document.h"
#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/internal/word_finder_data.h"
#include "platform/pdf/pdf_error.h"
#include "platform/text/cp1252.h"

namespace lumar::pdf {

namespace {

struct Point {
    double x;
    double y;
};

// poppler places words in the page's displayed orientation, in points from
// the top left of the crop box. Page coordinates are the unrotated user
// space with its origin at the bottom left.
class DisplayToPage {
public:
    DisplayToPage(const poppler::page& page)
        : crop_(page.page_rect(poppler::crop_box)), orientation_(page.orientation()) {}

    Point map(double dx, double dy) const {
        const double x0 = crop_.left();
        const double y0 = crop_.top();  // poppler's rectf: x, y = lower left corner
        const double x1 = x0 + crop_.width();
        const double y1 = y0 + crop_.height();
        switch (orientation_) {
        case poppler::page::landscape:  // shown turned 90 degrees clockwise
            return {x0 + dy, y0 + dx};
        case poppler::page::upside_down:
            return {x1 - dx, y0 + dy};
        case poppler::page::seascape:  // 270 degrees clockwise
            return {x1 - dy, y1 - dx};
        case poppler::page::portrait:
            break;
        }
        return {x0 + dx, y1 - dy};
    }

    Rect map(const poppler::rectf& box) const {
        const Point a = map(box.left(), box.top());
        const Point b = map(box.right(), box.bottom());
        return Rect{std::min(a.x, b.x), std::max(a.y, b.y), std::max(a.x, b.x), std::min(a.y, b.y)};
    }

private:
    poppler::rectf crop_;
    poppler::page::orientation_enum orientation_;
};

// Whether `next` continues the line of `word` (both in display coordinates):
// the same writing direction, centres level across the line, and `next`
// further along it.
bool sameLine(const poppler::text_box& word, const poppler::text_box& next) {
    if (word.rotation() != next.rotation()) {
        return false;
    }
    const poppler::rectf a = word.bbox();
    const poppler::rectf b = next.bbox();
    const bool vertical = word.rotation() % 2 == 1;
    const double acrossA = vertical ? a.left() + a.width() / 2 : a.top() + a.height() / 2;
    const double acrossB = vertical ? b.left() + b.width() / 2 : b.top() + b.height() / 2;
    const double extent = std::max(vertical ? a.width() : a.height(), 1.0);
    if (std::abs(acrossA - acrossB) > extent / 2) {
        return false;
    }
    switch (word.rotation()) {
    case 1:
        return b.top() >= a.top();
    case 2:
        return b.left() <= a.left();
    case 3:
        return b.top() <= a.top();
    default:
        return b.left() >= a.left();
    }
}

std::string toCp1252(const poppler::ustring& text) {
    const poppler::byte_array utf8 = text.to_utf8();
    return text::fromUtf8(std::string_view(utf8.data(), utf8.size()));
}

}  // namespace

WordFinder::WordFinder(std::unique_ptr<internal::WordFinderData> data) : data_(std::move(data)) {}
WordFinder::WordFinder(WordFinder&&) noexcept = default;
WordFinder& WordFinder::operator=(WordFinder&&) noexcept = default;
WordFinder::~WordFinder() = default;

int WordFinder::pageCount() const {
    return data_->document->pages();
}

std::vector<Word> WordFinder::words(int pageIndex) const {
    if (pageIndex < 0 || pageIndex >= pageCount()) {
        throw PdfError(ErrorCode::BadPageRange,
                       "The document has no page " + std::to_string(pageIndex + 1) + ".");
    }
    std::unique_ptr<poppler::page> page(data_->document->create_page(pageIndex));
    if (!page) {
        throw PdfError(ErrorCode::Damaged,
                       "Page " + std::to_string(pageIndex + 1) + " cannot be read.");
    }
    const DisplayToPage toPage(*page);
    const std::vector<poppler::text_box> boxes = page->text_list();
    std::vector<Word> words;
    words.reserve(boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
        const poppler::text_box& box = boxes[i];
        Word word;
        word.text = toCp1252(box.text());
        word.box = toPage.map(box.bbox());
        word.blankFollows = box.has_space_after();
        word.endsLine = i + 1 == boxes.size() || !sameLine(box, boxes[i + 1]);
        words.push_back(std::move(word));
    }
    return words;
}

WordFinder Document::wordFinder() const {
    QPDF& pdf = internal::openState(state_).pdf();
    auto data = std::make_unique<internal::WordFinderData>();
    try {
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        // The copy is for reading only: write it unencrypted so that the text
        // extractor needs no password.
        writer.setPreserveEncryption(false);
        writer.write();
        std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
        data->bytes.assign(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
    } catch (const std::exception& e) {
        throw PdfError(ErrorCode::Damaged,
                       std::string("Cannot prepare the document's text: ") + e.what());
    }
    data->document.reset(poppler::document::load_from_raw_data(
        data->bytes.data(), static_cast<int>(data->bytes.size())));
    if (!data->document || data->document->is_locked()) {
        throw PdfError(ErrorCode::Damaged, "The document's text cannot be read.");
    }
    return WordFinder(std::move(data));
}

}  // namespace lumar::pdf
