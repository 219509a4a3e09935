#include "merge/merge_names.h"

#include <cstdio>
#include <optional>

#include "config/file_names.h"
#include "platform/text/cp1252.h"

namespace lumar {

namespace {

constexpr int kMaxNumberWidth = 5;

std::string Ending(char binderCharacter, int width, std::int64_t number) {
    char text[64];
    std::snprintf(text, sizeof text, "%cH%0*lld.pdf", binderCharacter, width,
                  static_cast<long long>(number));
    return text;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           text::equalsIgnoreCase(text.substr(text.size() - ending.size()), ending);
}

// The file name with the ending "<from>H<number>.pdf" of some width 1 to 5
// (the widths a binder's supplement number is written in) replaced by
// "<to>H<next>.pdf" of the same width; none when no width matches.
std::optional<std::string> ReplaceEnding(std::string_view fileName, char from, char to,
                                         std::int64_t number, std::int64_t next) {
    for (int width = 1; width <= kMaxNumberWidth; ++width) {
        const std::string ending = Ending(from, width, number);
        if (EndsWithIgnoringCase(fileName, ending)) {
            return std::string(fileName.substr(0, fileName.size() - ending.size())) +
                   Ending(to, width, next);
        }
    }
    return std::nullopt;
}

BinderNames Names(std::string_view fileName, char from, std::int32_t to, std::int64_t done,
                  std::int64_t next) {
    BinderNames names;
    const std::optional<char> toCharacter = BinderCharacter(to);
    if (!toCharacter) {
        return names;
    }
    std::optional<std::string> replaced = ReplaceEnding(fileName, from, *toCharacter, done, next);
    if (!replaced) {
        replaced = ReplaceEnding(fileName, from, *toCharacter, next - 1, next);
    }
    names.newName = replaced.value_or(std::string());
    names.temporaryName =
        AlternateBinderName(fileName, to, static_cast<long>(next)).value_or(std::string());
    return names;
}

}  // namespace

BinderNames MergeBinderNames(std::string_view fileName, std::int32_t binder, std::int64_t done,
                             std::int64_t next) {
    const std::optional<char> character = BinderCharacter(binder);
    if (!character) {
        return {};
    }
    return Names(fileName, *character, binder, done, next);
}

BinderNames CreateBinderNames(std::string_view fileName, std::int32_t workingBinder,
                              std::int32_t newBinder, std::int64_t done, std::int64_t next) {
    const std::optional<char> working = BinderCharacter(workingBinder);
    return Names(fileName, working.value_or('0'), newBinder, done, next);
}

std::string_view FileNamePart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool IsSafeDocumentFileName(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos &&
           name.find('\\') == std::string_view::npos && name.find("..") == std::string_view::npos;
}

}  // namespace lumar
