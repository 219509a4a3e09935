#include "annotations/import_file.h"

#include <array>
#include <cstring>

namespace lumar {

namespace {

constexpr std::size_t kLineBuffer = 1024;

bool IsLineBlank(const std::string& line) {
    return line.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

ImportFile::ImportFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}

ImportFile::~ImportFile() {
    close();
}

void ImportFile::close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

std::optional<std::string> ImportFile::nextLine() {
    if (file_ == nullptr) {
        return std::nullopt;
    }
    std::array<char, kLineBuffer> buffer{};
    if (std::fgets(buffer.data(), static_cast<int>(buffer.size()), file_) == nullptr) {
        return std::nullopt;
    }
    std::string line(buffer.data());  // up to the first NUL
    // Text mode: a CR LF line end reads as LF. A CR that ends a cut line
    // whose LF comes next is taken with it.
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) {
        line.erase(line.size() - 2, 1);
    } else if (!line.empty() && line.back() == '\r') {
        const int next = std::fgetc(file_);
        if (next == '\n') {
            line.back() = '\n';
        } else if (next != EOF) {
            std::ungetc(next, file_);
        }
    }
    return line;
}

bool ImportFile::restIsBlank() {
    while (const std::optional<std::string> line = nextLine()) {
        if (!IsLineBlank(*line)) {
            return false;
        }
    }
    return true;
}

}  // namespace lumar
