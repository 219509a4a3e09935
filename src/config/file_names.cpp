#include "config/file_names.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "config/file_system_path.h"
#include "platform/text/cp1252.h"

namespace lumar {

namespace {

constexpr std::string_view kForbidden("\\/:*?\"<>|\t\n\r\0", 13);

bool endsWithIgnoringCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() &&
           text::equalsIgnoreCase(s.substr(s.size() - suffix.size()), suffix);
}

// Position of the last '/' plus one: where the file name starts.
size_t fileNameStart(std::string_view path) {
    const size_t slash = path.rfind(kPathSeparator);
    return slash == std::string_view::npos ? 0 : slash + 1;
}

}  // namespace

std::string MakeFileNameComponent(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (kForbidden.find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    if (!out.empty() && out.find_first_not_of('.') == std::string::npos) {
        out.assign(out.size(), '_');
    }
    return out;
}

bool IsUsableFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(kForbidden) == std::string_view::npos;
}

std::optional<char> BinderCharacter(int binder) {
    if (binder >= 1 && binder <= 9) {
        return static_cast<char>('0' + binder);
    }
    if (binder >= 10 && binder <= kMaxBinders) {
        return static_cast<char>('A' + (binder - 10));
    }
    return std::nullopt;
}

std::optional<std::string> BinderFileName(std::string_view prefix, int binder, int width,
                                          long number) {
    const auto character = BinderCharacter(binder);
    if (!character) {
        return std::nullopt;
    }
    char tail[64];
    std::snprintf(tail, sizeof tail, "%cH%0*ld.pdf", *character, width, number);
    return std::string(prefix) + tail;
}

std::optional<FirstBinderName> ParseFirstBinderName(std::string_view path) {
    if (!endsWithIgnoringCase(path, ".pdf")) {
        return std::nullopt;
    }
    const std::string lower = text::toLower(path);
    const size_t h = lower.rfind('h');
    const size_t dot = lower.rfind('.');
    if (h == std::string::npos || h >= dot || h < fileNameStart(lower) + 1) {
        return std::nullopt;
    }
    const size_t start = h + 1;
    const size_t width = dot - start;
    if (width < 1 || width > 5) {
        return std::nullopt;
    }
    long number = 0;
    for (size_t i = start; i < dot; ++i) {
        if (lower[i] < '0' || lower[i] > '9') {
            return std::nullopt;
        }
        number = (number * 10) + (lower[i] - '0');
    }
    return FirstBinderName{lower.substr(0, h - 1), static_cast<int>(width), number};
}

std::optional<std::string> AlternateBinderName(std::string_view path, int binder, long number) {
    const auto character = BinderCharacter(binder);
    if (!character) {
        return std::nullopt;
    }
    const size_t dot = path.rfind('.');
    const size_t end =
        dot == std::string_view::npos || dot < fileNameStart(path) ? path.size() : dot;
    char tail[64];
    std::snprintf(tail, sizeof tail, "_%cH%ld.pdf", *character, number);
    return std::string(path.substr(0, end)) + tail;
}

std::string DocumentPath(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    if (path.empty() || path.back() != kPathSeparator) {
        path += kPathSeparator;
    }
    path += fileName;
    return path;
}

std::string BaseName(std::string_view path) {
    const std::string_view name = path.substr(fileNameStart(path));
    return std::string(name.substr(0, name.rfind('.')));
}

std::string FolderOf(std::string_view path) {
    const size_t slash = path.rfind(kPathSeparator);
    if (slash == std::string_view::npos) {
        return "";
    }
    return std::string(path.substr(0, slash == 0 ? 1 : slash));
}

std::string AnnotationFileName(std::string_view documentPath) {
    return BaseName(documentPath) + ".ann";
}

std::string FooterExportFileName(std::string_view documentPath) {
    return BaseName(documentPath) + ".ann.txt";
}

std::string AnnotationReportFileName(std::string_view documentPath) {
    return BaseName(documentPath) + ".rep";
}

std::string PdfCheckReportPath(std::string_view documentPath) {
    const std::string name = BaseName(documentPath) + ".pdf_report.txt";
    const std::string folder = FolderOf(documentPath);
    return folder.empty() ? name : DocumentPath(folder, name);
}

std::optional<std::string> FindFileIgnoringCase(std::string_view path) {
    if (path.empty()) {
        return std::nullopt;
    }
    std::string found = path.front() == kPathSeparator ? std::string(1, kPathSeparator) : "";
    std::string_view rest = path;
    while (!rest.empty()) {
        const size_t slash = rest.find(kPathSeparator);
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty()) {
            continue;
        }
        const bool last = rest.find_first_not_of(kPathSeparator) == std::string_view::npos;
        if (part == "." || part == "..") {
            if (last) {
                return std::nullopt;
            }
            found += std::string(part) + kPathSeparator;
            continue;
        }
        std::error_code ec;
        std::filesystem::directory_iterator entries(FileSystemPath(found.empty() ? "." : found),
                                                    ec);
        if (ec) {
            return std::nullopt;
        }
        std::optional<std::string> match;
        int matches = 0;
        for (const auto& entry : entries) {
            const std::string name = SystemPath(entry.path().filename());
            if (!text::equalsIgnoreCase(name, part) || entry.is_directory(ec) == last) {
                continue;
            }
            ++matches;
            match = name;
        }
        if (matches != 1) {
            return std::nullopt;
        }
        found += *match;
        if (!last) {
            found += kPathSeparator;
        }
    }
    return found.empty() ? std::nullopt : std::optional<std::string>(found);
}

}  // namespace lumar
