#include "ui/list_context_menu.h"

#include <optional>
#include <string_view>

namespace lumar {

namespace {

using namespace list_command;

struct MenuEntry {
    int command;  // 0: a separator
    const char* title;
};

constexpr MenuEntry kSeparator = {0, ""};

// Menu 142, "Context menu for Manager".
constexpr MenuEntry kPublicationMenu[] = {
    {kPublicationDetails, "Publication &details..."},
    {kAddPublicationBinders, "&Add publication binders..."},
    kSeparator,
    {kSupplementDetails, "&Supplement details..."},
    {kAddSupplement, "Add &supplement..."},
    {kMergeDataDetails, "&Merge data details..."},
    {kAddMergeData, "Add &merge data..."},
    kSeparator,
    {kLockPublication, "&Lock publication"},
    {kUnlockPublication, "&Unlock publication"},
    {kRevertPublication, "Re&vert publication..."},
    {kMergePublication, "Mer&ge publication..."},
    kSeparator,
    {kRefreshList, "Re&fresh list"},
};

// Menu 144, "Context menu for Document Details".
constexpr MenuEntry kDocumentMenu[] = {
    {kSetPdfStatusOk, "Set PDF status O&K"},
    {kSetPdfStatusNotOk, "Set PDF status no&t OK"},
    kSeparator,
    {kViewAnnotations, "&View annotations..."},
    kSeparator,
    {kOpenDocument, "&Open selected document"},
    {kPrintDocument, "&Print selected document"},
    {kSearchDocument, "Searc&h in selected document..."},
    kSeparator,
    {kReplaceDocument, "&Replace with current document"},
    {kDiscardSupplement, "&Discard supplement"},
    kSeparator,
    {kCheckDocument, "&Check PDF file"},
    {kDocumentReport, "Create annotation &report"},
    {kDocumentReportNoNumbers, "Create annotation report (&no numbers)"},
    kSeparator,
    {kClearDocumentSelection, "Cl&ear selection"},
    {kSelectAllDocuments, "Select &all"},
};

// Menu 128, "Context menu for Overview mode".
constexpr MenuEntry kOverviewMenu[] = {
    {kMoveUp, "Move &up"},
    {kMoveDown, "Move dow&n"},
    kSeparator,
    {kCut, "C&ut"},
    {kCopy, "&Copy"},
    {kPaste, "Pas&te"},
    {kDelete, "&Delete"},
    kSeparator,
    {kClearSelection, "Cl&ear selection"},
    {kSelectAll, "Select &all"},
};

// Two items of which the menu shows at most one: the first when it is
// available, else the second when that is.
struct Pair {
    int first;
    int second;
};

constexpr Pair kPublicationPairs[] = {
    {kSupplementDetails, kAddSupplement},
    {kMergeDataDetails, kAddMergeData},
    {kLockPublication, kUnlockPublication},
};

// Items the lists never offer: moving in the overview, and the document
// list's check and reports.
bool AlwaysRemoved(int command) {
    return command == kMoveUp || command == kMoveDown || command == kCheckDocument ||
           command == kDocumentReport || command == kDocumentReportNoNumbers;
}

std::optional<Pair> PairOf(int command, std::span<const Pair> pairs) {
    for (const Pair& pair : pairs) {
        if (pair.first == command || pair.second == command) {
            return pair;
        }
    }
    return std::nullopt;
}

// Separators at the end, after another separator, and at the top go.
std::vector<ContextMenuItem> TidySeparators(const std::vector<ContextMenuItem>& items) {
    std::vector<ContextMenuItem> tidy;
    for (const ContextMenuItem& item : items) {
        if (item.IsSeparator() && (tidy.empty() || tidy.back().IsSeparator())) {
            continue;
        }
        tidy.push_back(item);
    }
    while (!tidy.empty() && tidy.back().IsSeparator()) {
        tidy.pop_back();
    }
    return tidy;
}

// Every "document" of the title becomes "documents".
std::string Plural(std::string_view title) {
    constexpr std::string_view kWord = "document";
    std::string plural;
    std::size_t from = 0;
    for (std::size_t at = title.find(kWord); at != std::string_view::npos;
         at = title.find(kWord, from)) {
        plural += title.substr(from, at + kWord.size() - from);
        plural += 's';
        from = at + kWord.size();
    }
    plural += title.substr(from);
    return plural;
}

std::span<const MenuEntry> MenuOf(ListClass list) {
    switch (list) {
    case ListClass::Publications:
        return kPublicationMenu;
    case ListClass::Documents:
        return kDocumentMenu;
    case ListClass::Overview:
        return kOverviewMenu;
    case ListClass::EditMode:
        break;
    }
    return {};
}

}  // namespace

std::vector<ContextMenuItem> ListContextMenu(ListClass list, const ListMenuState& state,
                                             const ListCommandQuery& query) {
    const bool someSelected = state.selectedCount > 0;
    const bool canSelectMore = state.rowCount > 0 && state.selectedCount < state.rowCount;
    const bool severalSelected = state.selectedCount > 1;

    // Pairs of the list: the manager's three, and the PDF status pair of the
    // document list while fewer than two rows are selected.
    std::vector<Pair> pairs;
    if (list == ListClass::Publications) {
        pairs.assign(std::begin(kPublicationPairs), std::end(kPublicationPairs));
    } else if (list == ListClass::Documents && state.selectedCount < 2) {
        pairs.push_back({kSetPdfStatusOk, kSetPdfStatusNotOk});
    }

    std::vector<ContextMenuItem> items;
    bool firstOfPairShown = false;
    for (const MenuEntry& entry : MenuOf(list)) {
        const int command = entry.command;
        bool available = false;
        if (command == 0) {
            available = true;
        } else if (command == kClearSelection || command == kClearDocumentSelection) {
            available = someSelected;
        } else if (command == kSelectAll || command == kSelectAllDocuments) {
            available = canSelectMore;
        } else if (AlwaysRemoved(command) ||
                   (command == kDiscardSupplement && state.mode != kSupplementMode)) {
            available = false;
        } else if (const std::optional<Pair> pair = PairOf(command, pairs)) {
            if (command == pair->first) {
                firstOfPairShown = query(command);
                available = firstOfPairShown;
            } else {
                available = !firstOfPairShown && query(command);
            }
        } else {
            available = query(command);
        }
        if (!available) {
            continue;
        }
        std::string title = entry.title;
        if (list == ListClass::Documents && severalSelected &&
            (command == kOpenDocument || command == kPrintDocument || command == kSearchDocument)) {
            title = Plural(title);
        }
        items.push_back({command, title, false});
    }
    return TidySeparators(items);
}

std::vector<ContextMenuItem> ColumnChooserMenu(ColumnSetId set, const ColumnLayout& layout,
                                               int mode) {
    std::vector<ContextMenuItem> items;
    const int size = static_cast<int>(ColumnSet(set).size());
    items.reserve(static_cast<std::size_t>(size));
    for (int index = 0; index < size; ++index) {
        items.push_back(
            {kColumnChooserFirst + index, ColumnTitle(set, index, mode), layout.IsShown(index)});
    }
    return items;
}

int ColumnsChangedCommand(ColumnSetId set) {
    return set == ColumnSetId::Publications ? kPublicationColumnsChanged : kDocumentColumnsChanged;
}

}  // namespace lumar
