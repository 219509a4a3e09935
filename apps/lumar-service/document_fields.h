#pragma once

// The document fields that binder documents and supplements share, checked.
// Doc_file is a file name, never a path: a name with a separator, "..", a
// control character or a character Windows forbids in names is refused
// before anything is stored, so no client can make another client read or
// write outside its document folders.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumar::service_app {

class RequestParams;

struct DocumentFields {
    std::int32_t Page_count = 0;
    std::string Doc_file;
    std::string Annotation_data;
    std::string Pdf_version;
    std::int32_t Pdf_font_error_count = 0;
    bool Pdf_OK = false;
};

// Throws ServiceError(InvalidParameter).
DocumentFields ReadDocumentFields(const RequestParams& params);

// Throws ServiceError(InvalidParameter) unless the name is a plain file name.
void CheckDocFileName(std::string_view name);

// The "Annotation_dataGet" / "Merge_dataGet" flag: 0 or 1.
bool ReadGetFlag(const RequestParams& params, std::string_view name);

}  // namespace lumar::service_app
