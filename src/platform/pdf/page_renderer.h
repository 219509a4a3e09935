#pragma once

// Pictures of a document's pages, for page views and printing. A renderer
// works on a snapshot of its document taken when it is made: make a new one
// after the document changed.

#include <cstdint>
#include <memory>
#include <vector>

namespace lumar::pdf {

class Document;

namespace internal {
struct PageRendererData;
}

// A page's size as it is shown: its crop box in points, turned by its
// rotation.
struct PageSize {
    double width = 0;
    double height = 0;
};

// A rendered page: `width` x `height` pixels, row after row, each pixel a
// 32-bit value 0xAARRGGBB (opaque; the paper is white).
struct PageImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class PageRenderer {
public:
    // Throws PdfError(Damaged) when the document cannot be prepared for
    // rendering.
    explicit PageRenderer(const Document& document);
    PageRenderer(PageRenderer&&) noexcept;
    PageRenderer& operator=(PageRenderer&&) noexcept;
    ~PageRenderer();

    int pageCount() const;

    // Throws PdfError(BadPageRange) for an index outside the document.
    PageSize pageSize(int pageIndex) const;

    // The page drawn at `dotsPerInch` (72 draws one pixel per point), with
    // its annotations. Throws PdfError(BadPageRange) for an index outside the
    // document and PdfError(Damaged) for a page that cannot be drawn.
    PageImage render(int pageIndex, double dotsPerInch) const;

private:
    std::unique_ptr<internal::PageRendererData> data_;
};

}  // namespace lumar::pdf
