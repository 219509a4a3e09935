#include "lumar-service/document_fields.h"

#include "lumar-service/request_params.h"
#include "lumar-service/service_error.h"

namespace lumar::service_app {

namespace {

constexpr std::size_t kMaxFileName = 255;
constexpr std::size_t kMaxPdfVersion = 32;
constexpr std::int32_t kMaxPageCount = 1'000'000;

[[noreturn]] void BadName(std::string_view name, const char* why) {
    std::string shown(name.substr(0, 80));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = '?';
        }
    }
    throw ServiceError(ErrorCode::InvalidParameter,
                       "Doc_file \"" + shown + "\" is not a file name: " + why);
}

}  // namespace

void CheckDocFileName(std::string_view name) {
    if (name.empty()) {
        BadName(name, "it is empty");
    }
    if (name.size() > kMaxFileName) {
        BadName(name, "it is longer than 255 characters");
    }
    if (name.find("..") != std::string_view::npos || name == ".") {
        BadName(name, "it contains \"..\"");
    }
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            BadName(name, "it contains a control character");
        }
        if (c == '/' || c == '\\') {
            BadName(name, "it contains a path separator");
        }
        if (c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|') {
            BadName(name, "it contains a character that file names cannot hold");
        }
    }
    if (name.back() == ' ' || name.back() == '.') {
        BadName(name, "it ends in a blank or a dot");
    }
}

DocumentFields ReadDocumentFields(const RequestParams& params) {
    DocumentFields fields;
    fields.Page_count = params.NonNegative("Page_count");
    if (fields.Page_count > kMaxPageCount) {
        throw ServiceError(ErrorCode::InvalidParameter, "Page_count is implausibly large");
    }
    fields.Doc_file = params.Text("Doc_file");
    CheckDocFileName(fields.Doc_file);
    fields.Annotation_data = params.Text("Annotation_data");
    fields.Pdf_version = params.Text("Pdf_version", kMaxPdfVersion);
    fields.Pdf_font_error_count = params.NonNegative("Pdf_font_error_count");
    fields.Pdf_OK = params.Bool("Pdf_OK");
    return fields;
}

bool ReadGetFlag(const RequestParams& params, std::string_view name) {
    const std::int32_t flag = params.Long(name);
    if (flag != 0 && flag != 1) {
        throw ServiceError(ErrorCode::InvalidParameter, std::string(name) + " must be 0 or 1");
    }
    return flag == 1;
}

}  // namespace lumar::service_app
