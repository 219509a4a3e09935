#include "platform/pdf/page_renderer.h"

#include <poppler-document.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <cstring>
#include <qpdf/QPDFWriter.hh>
#include <string>

#include "platform/pdf/cos_object.h"
#include "platform/pdf/document.h"
#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {

namespace internal {

struct PageRendererData {
    // poppler reads from this buffer without copying it; it outlives
    // `document` (members are destroyed in reverse order).
    std::string bytes;
    std::unique_ptr<poppler::document> document;
    std::vector<PageSize> sizes;  // measured once, when the renderer is made
};

}  // namespace internal

namespace {

std::string serialise(const Document& document) {
    // The catalog's handle leads to the engine's state of the document.
    QPDF& pdf = internal::openState(document.root().ref()->document).pdf();
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    // The copy is for drawing only: unencrypted, so poppler needs no password.
    writer.setPreserveEncryption(false);
    writer.write();
    std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

PageSize displayedSize(const poppler::page& page) {
    const poppler::rectf crop = page.page_rect(poppler::crop_box);
    const bool turned = page.orientation() == poppler::page::landscape ||
                        page.orientation() == poppler::page::seascape;
    return turned ? PageSize{crop.height(), crop.width()} : PageSize{crop.width(), crop.height()};
}

}  // namespace

PageRenderer::PageRenderer(const Document& document)
    : data_(std::make_unique<internal::PageRendererData>()) {
    try {
        data_->bytes = serialise(document);
    } catch (const PdfError&) {
        throw;
    } catch (const std::exception& e) {
        throw PdfError(ErrorCode::Damaged,
                       std::string("Cannot prepare the document's pages: ") + e.what());
    }
    data_->document.reset(poppler::document::load_from_raw_data(
        data_->bytes.data(), static_cast<int>(data_->bytes.size())));
    if (!data_->document || data_->document->is_locked()) {
        throw PdfError(ErrorCode::Damaged, "The document's pages cannot be drawn.");
    }
    const int count = data_->document->pages();
    data_->sizes.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<poppler::page> page(data_->document->create_page(i));
        // An unreadable page keeps a place of the usual size in the views.
        data_->sizes.push_back(page ? displayedSize(*page) : PageSize{612, 792});
    }
}

PageRenderer::PageRenderer(PageRenderer&&) noexcept = default;
PageRenderer& PageRenderer::operator=(PageRenderer&&) noexcept = default;
PageRenderer::~PageRenderer() = default;

int PageRenderer::pageCount() const {
    return static_cast<int>(data_->sizes.size());
}

PageSize PageRenderer::pageSize(int pageIndex) const {
    if (pageIndex < 0 || pageIndex >= pageCount()) {
        throw PdfError(ErrorCode::BadPageRange,
                       "The document has no page " + std::to_string(pageIndex + 1) + ".");
    }
    return data_->sizes[static_cast<std::size_t>(pageIndex)];
}

PageImage PageRenderer::render(int pageIndex, double dotsPerInch) const {
    pageSize(pageIndex);  // checks the index
    std::unique_ptr<poppler::page> page(data_->document->create_page(pageIndex));
    if (!page || !poppler::page_renderer::can_render()) {
        throw PdfError(ErrorCode::Damaged,
                       "Page " + std::to_string(pageIndex + 1) + " cannot be drawn.");
    }
    poppler::page_renderer renderer;
    renderer.set_render_hint(poppler::page_renderer::antialiasing);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing);
    renderer.set_image_format(poppler::image::format_argb32);
    const poppler::image image = renderer.render_page(page.get(), dotsPerInch, dotsPerInch);
    if (!image.is_valid() || image.format() != poppler::image::format_argb32) {
        throw PdfError(ErrorCode::Damaged,
                       "Page " + std::to_string(pageIndex + 1) + " cannot be drawn.");
    }
    PageImage result;
    result.width = image.width();
    result.height = image.height();
    result.pixels.resize(static_cast<std::size_t>(result.width) *
                         static_cast<std::size_t>(result.height));
    const std::size_t rowBytes = static_cast<std::size_t>(result.width) * sizeof(std::uint32_t);
    for (int row = 0; row < result.height; ++row) {
        std::memcpy(result.pixels.data() +
                        static_cast<std::size_t>(row) * static_cast<std::size_t>(result.width),
                    image.const_data() + static_cast<std::ptrdiff_t>(row) * image.bytes_per_row(),
                    rowBytes);
    }
    return result;
}

}  // namespace lumar::pdf
