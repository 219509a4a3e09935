#pragma once

// The clipboard as the merge data editor uses it: a text put there by Cut
// and Copy and read back by Paste. The view layer installs the desktop's
// clipboard; without one a clipboard private to the process is used.

#include <string>
#include <string_view>

namespace lumar {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Windows-1252 text; lines end with CR LF.
    virtual void setText(std::string_view text) = 0;
    // Empty when the clipboard holds no text.
    virtual std::string text() = 0;
};

// Installs the process's clipboard (not owned) and returns the one replaced.
Clipboard* SetClipboard(Clipboard* clipboard);

// The installed clipboard, or the process's own.
Clipboard& TheClipboard();

}  // namespace lumar
