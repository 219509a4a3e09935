#include "merge/clipboard.h"

namespace lumar {

namespace {

class ProcessClipboard : public Clipboard {
public:
    void setText(std::string_view text) override { text_ = text; }
    std::string text() override { return text_; }

private:
    std::string text_;
};

Clipboard*& InstalledClipboard() {
    static Clipboard* clipboard = nullptr;
    return clipboard;
}

}  // namespace

Clipboard* SetClipboard(Clipboard* clipboard) {
    Clipboard* previous = InstalledClipboard();
    InstalledClipboard() = clipboard;
    return previous;
}

Clipboard& TheClipboard() {
    static ProcessClipboard own;
    Clipboard* installed = InstalledClipboard();
    return installed != nullptr ? *installed : own;
}

}  // namespace lumar
