#pragma once

// A host text object: a text handed to the host by value (progress texts,
// labels). Holds Windows-1252 bytes; hosts that draw it convert at the edge.

#include <string>
#include <string_view>

namespace lumar::host {

class TextObject {
public:
    explicit TextObject(std::string_view cp1252) : text_(cp1252) {}

    [[nodiscard]] const std::string& text() const { return text_; }
    void setText(std::string_view cp1252) { text_ = cp1252; }

private:
    std::string text_;
};

}  // namespace lumar::host
