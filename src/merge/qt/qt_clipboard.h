#pragma once

// The desktop's clipboard for the merge data editor's Cut, Copy and Paste.
// Lines go to the desktop with the platform's line ends and come back with
// CR LF, as the editor writes them; texts are converted from and to
// Windows-1252. Without a Qt application the text stays in the process.

#include <string>

#include "merge/clipboard.h"

namespace lumar::merge {

class QtClipboard : public Clipboard {
public:
    void setText(std::string_view text) override;
    std::string text() override;

private:
    std::string own_;
};

}  // namespace lumar::merge
