#include "platform/pdf/internal/object_util.h"

#include <algorithm>

namespace lumar::pdf::internal {

bool sameObject(const QPDFObjectHandle& a, const QPDFObjectHandle& b) {
    if (a.isIndirect() || b.isIndirect()) {
        return a.isIndirect() && b.isIndirect() && a.getObjGen() == b.getObjGen();
    }
    return a.isSameObjectAs(b);
}

Rect rectOf(QPDFObjectHandle array, const Rect& fallback) {
    if (!array.isArray() || array.getArrayNItems() != 4) {
        return fallback;
    }
    double v[4];
    for (int i = 0; i < 4; ++i) {
        QPDFObjectHandle item = array.getArrayItem(i);
        if (!item.isNumber()) {
            return fallback;
        }
        v[i] = item.getNumericValue();
    }
    return Rect{std::min(v[0], v[2]), std::max(v[1], v[3]), std::max(v[0], v[2]),
                std::min(v[1], v[3])};
}

QPDFObjectHandle rectArray(const Rect& rect) {
    QPDFObjectHandle array = QPDFObjectHandle::newArray();
    array.appendItem(QPDFObjectHandle::newReal(std::min(rect.left, rect.right), 4, true));
    array.appendItem(QPDFObjectHandle::newReal(std::min(rect.bottom, rect.top), 4, true));
    array.appendItem(QPDFObjectHandle::newReal(std::max(rect.left, rect.right), 4, true));
    array.appendItem(QPDFObjectHandle::newReal(std::max(rect.bottom, rect.top), 4, true));
    return array;
}

std::string nameOf(QPDFObjectHandle object) {
    if (!object.isName()) {
        return {};
    }
    return object.getName().substr(1);
}

}  // namespace lumar::pdf::internal
