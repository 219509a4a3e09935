// The "Cos" table's procedures: read access to a document's objects.

#include "platform/host/engine_call.h"
#include "platform/host/host.h"
#include "platform/pdf/cos_object.h"

namespace lumar::host {

namespace {

int objectType(const pdf::CosObject& object) {
    return static_cast<int>(engineCall([&] { return object.type(); }));
}

pdf::CosObject dictValue(const pdf::CosObject& dictionary, Atom key) {
    const std::string& name = Host::current().atoms().name(key);
    return engineCall([&] { return dictionary.dictValue(name); });
}

int arrayLength(const pdf::CosObject& array) {
    return engineCall([&] { return array.arrayLength(); });
}

pdf::CosObject arrayElement(const pdf::CosObject& array, int index) {
    return engineCall([&] { return array.arrayElement(index); });
}

bool nameText(const pdf::CosObject& name, std::string* text) {
    std::optional<std::string> value = engineCall([&] { return name.nameText(); });
    if (!value) {
        return false;
    }
    required(text, "name text") = std::move(*value);
    return true;
}

}  // namespace

CosTable makeCosTable() {
    return CosTable{objectType, dictValue, arrayLength, arrayElement, nameText};
}

}  // namespace lumar::host
