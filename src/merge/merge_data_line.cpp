#include "merge/merge_data_line.h"

#include <array>
#include <limits>
#include <utility>

#include "annotations/white_space.h"
#include "merge/merge_data_parser.h"
#include "platform/text/cp1252.h"

namespace lumar {

namespace {

// Searched in this order; the first found decides.
constexpr std::array<std::pair<std::string_view, CommandKind>, 10> kKeywords{{
    {")binder", CommandKind::Binder},
    {")delete", CommandKind::Delete},
    {")insert", CommandKind::Insert},
    {")replace", CommandKind::Replace},
    {")store", CommandKind::Store},
    {")restore", CommandKind::Restore},
    {")create", CommandKind::Create},
    {")extract", CommandKind::Extract},
    {")settabsheet", CommandKind::SetTabsheet},
    {")setcolour", CommandKind::SetColour},
}};

}  // namespace

std::string_view KeywordOf(CommandKind kind) {
    for (const auto& [keyword, keywordKind] : kKeywords) {
        if (keywordKind == kind) {
            return keyword.substr(1);
        }
    }
    return {};
}

CommandLine ReadCommandLine(std::string_view line) {
    CommandLine result;
    if (line.size() > kMaxLineLength) {
        return result;
    }
    const std::string lower = text::toLower(line);
    const std::size_t open = lower.find('(');
    const std::size_t close = lower.find(')');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        return result;
    }
    result.arguments = lower.substr(open + 1, close - open - 1);
    for (const auto& [keyword, kind] : kKeywords) {
        if (lower.find(keyword) != std::string::npos) {
            result.status = CommandLine::Status::Command;
            result.kind = kind;
            return result;
        }
    }
    result.status = CommandLine::Status::UnknownCommand;
    return result;
}

std::int32_t ReadNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && IsWhiteSpace(field[i])) {
        ++i;
    }
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = std::min(value * 10 + (field[i] - '0'), kLimit);
    }
    if (negative) {
        return static_cast<std::int32_t>(-value);
    }
    return static_cast<std::int32_t>(std::min(value, kLimit - 1));
}

std::vector<std::string_view> SplitArguments(std::string_view arguments) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (true) {
        const std::size_t comma = arguments.find(',', pos);
        if (comma == std::string_view::npos) {
            fields.push_back(arguments.substr(pos));
            return fields;
        }
        fields.push_back(arguments.substr(pos, comma - pos));
        pos = comma + 1;
    }
}

}  // namespace lumar
