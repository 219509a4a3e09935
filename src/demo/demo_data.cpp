#include "demo/demo_data.h"

namespace lumar::demo {

std::string_view PasswordOf(std::string_view login) {
    for (const User& user : kUsers) {
        if (user.login == login) {
            return user.password;
        }
    }
    return {};
}

int ColouredPairOfBinder(int binder) {
    constexpr int kColouredBinder = 2;
    constexpr int kColouredPair = 2;
    return binder == kColouredBinder ? kColouredPair : 0;
}

std::vector<std::string> PageTexts(const std::string& document, int pages, int colouredPair) {
    std::vector<std::string> texts;
    for (int page = 1; page <= pages; ++page) {
        std::string text = document + " page " + std::to_string(page);
        if (page == 1) {
            text += " <<#TABSHEET=true#>>";
        } else if ((page + 1) / 2 == colouredPair) {
            text += " <<#COLOUR=\"Yellow\"#>>";
        }
        texts.push_back(text);
    }
    return texts;
}

}  // namespace lumar::demo
