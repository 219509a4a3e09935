#pragma once

// The demo data of "lumar-service --demo" and "lumar demo": the demo users,
// and the demo publication with three binders, a next supplement and ready
// merge data. The service registers these records; the command line writes
// the PDF files that match them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumar::demo {

struct User {
    std::string_view login;
    std::string_view password;
    std::int32_t level;
};

// The demo logins and passwords (also in the README).
inline constexpr User kUsers[] = {
    {"guest", "guest1", 1},       {"reader", "reader2", 2},         {"editor", "editor3", 3},
    {"producer", "producer4", 4}, {"supervisor", "supervisor5", 5}, {"taxeditor", "taxeditor3", 3},
};

// The password of a demo login; empty for any other login.
[[nodiscard]] std::string_view PasswordOf(std::string_view login);

// The demo publication's SAP code and file names.
inline constexpr std::string_view kSapCode = "DEMO";
inline constexpr std::string_view kBinderFiles[] = {"Demo1H003.pdf", "Demo2H003.pdf",
                                                    "Demo3H003.pdf"};
inline constexpr std::string_view kSupplementFile = "DemoS004.pdf";
inline constexpr std::int32_t kPagesPerBinder = 8;
inline constexpr std::int32_t kSupplementPages = 4;
inline constexpr std::string_view kMergeData = "(1)binder\r\n(2,1,1)Replace\r\n(4,2,2)Insert\r\n";

// Binder 2 has a coloured leaf: its second page pair. No other document has.
[[nodiscard]] int ColouredPairOfBinder(int binder);

// The data annotation texts of a demo document's pages:
// "Demo binder 2 page 3 <<#COLOUR="Yellow"#>>". The first page is a tab sheet;
// the pages of `colouredPair` (0: none) are printed on yellow paper. The
// colour is quoted as the search dialog's "Colour..." writes its condition.
[[nodiscard]] std::vector<std::string> PageTexts(const std::string& document, int pages,
                                                 int colouredPair);

}  // namespace lumar::demo
