#include "search/search_mru.h"

namespace lumar {

std::string AddToMruList(std::string_view list, std::string_view searchText) {
    if (list.empty()) {
        return std::string(searchText);
    }
    // "|a|b|c|": the entry "|b|" loses "|b" and keeps its closing "|"; then
    // the closing "|" of the whole goes, leaving "|a|c" behind the new text.
    std::string enclosed = std::string(1, kMruSeparator) + std::string(list) + kMruSeparator;
    const std::string entry =
        std::string(1, kMruSeparator) + std::string(searchText) + kMruSeparator;
    const std::size_t at = enclosed.find(entry);
    if (at != std::string::npos) {
        enclosed.erase(at, entry.size() - 1);
    }
    enclosed.pop_back();
    return std::string(searchText) + enclosed;
}

std::vector<std::string> SplitMruList(std::string_view list) {
    std::vector<std::string> entries;
    if (list.empty()) {
        return entries;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = list.find(kMruSeparator, start);
        entries.emplace_back(list.substr(start, end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return entries;
}

}  // namespace lumar
