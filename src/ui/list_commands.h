#pragma once

// The command numbers a record list sends its owner dialog: the context
// menus' items and, for Ctrl+letter keys, the letter's control code (1 for
// A to 26 for Z). An owner answers both forms of a command. A query asks
// whether a command is available now and does nothing else; an execution
// carries it out (the owner checks availability again).

#include <functional>

namespace lumar {

// The list classes by their role.
enum class ListClass {
    Publications,  // CListCtrlEx2: the manager's publication list
    Documents,     // CListCtrlEx3: the details dialog's document list
    Overview,      // CListCtrlEx: the merge data editor's overview
    EditMode,      // CListCtrlEx1: the quick lists (their commands are the owners')
};

namespace list_command {
inline constexpr int kClearSelection = 40001;
inline constexpr int kSelectAll = 40002;
inline constexpr int kDelete = 40005;
inline constexpr int kMoveUp = 40010;
inline constexpr int kMoveDown = 40011;
inline constexpr int kCut = 40012;
inline constexpr int kCopy = 40013;
inline constexpr int kPaste = 40014;
inline constexpr int kPublicationDetails = 40025;
inline constexpr int kAddPublicationBinders = 40026;
inline constexpr int kSupplementDetails = 40027;
inline constexpr int kAddSupplement = 40028;
inline constexpr int kMergeDataDetails = 40029;
inline constexpr int kAddMergeData = 40030;
inline constexpr int kLockPublication = 40031;
inline constexpr int kUnlockPublication = 40032;
inline constexpr int kRevertPublication = 40033;
inline constexpr int kMergePublication = 40034;
inline constexpr int kRefreshList = 40035;
// From the publication list: the column layout changed; rebuild and refill.
inline constexpr int kPublicationColumnsChanged = 40036;
inline constexpr int kSetPdfStatusOk = 40037;
inline constexpr int kSetPdfStatusNotOk = 40038;
inline constexpr int kViewAnnotations = 40039;
inline constexpr int kClearDocumentSelection = 40040;
inline constexpr int kSelectAllDocuments = 40041;
inline constexpr int kOpenDocument = 40042;
inline constexpr int kPrintDocument = 40043;
inline constexpr int kReplaceDocument = 40044;
inline constexpr int kDiscardSupplement = 40045;
inline constexpr int kCheckDocument = 40046;
inline constexpr int kDocumentReport = 40047;
inline constexpr int kDocumentReportNoNumbers = 40048;
// From the document list: the column layout changed; rebuild and refill.
inline constexpr int kDocumentColumnsChanged = 40049;
inline constexpr int kSearchDocument = 40055;
}  // namespace list_command

// The owner's answer to a query: is the command available now?
using ListCommandQuery = std::function<bool(int command)>;
// The owner carries the command out.
using ListCommandExecute = std::function<void(int command)>;

}  // namespace lumar
