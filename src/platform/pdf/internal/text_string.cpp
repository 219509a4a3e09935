#include "platform/pdf/internal/text_string.h"

#include "platform/text/cp1252.h"

namespace lumar::pdf::internal {

std::string textOf(QPDFObjectHandle object) {
    if (!object.isString()) {
        return {};
    }
    return text::fromUtf8(object.getUTF8Value());
}

QPDFObjectHandle textString(const std::string& cp1252) {
    return QPDFObjectHandle::newUnicodeString(text::toUtf8(cp1252));
}

}  // namespace lumar::pdf::internal
