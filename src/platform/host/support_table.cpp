// The "AcroSupport" table's procedures.

#include <cstdlib>

#include "platform/host/host.h"
#include "platform/host/host_error.h"
#include "platform/host/text_object.h"

namespace lumar::host {

namespace {

void* allocate(std::size_t size) {
    return std::malloc(size == 0 ? 1 : size);
}

void freeBlock(void* block) {
    std::free(block);
}

Version tableVersion(const void* table) {
    return Host::current().tables().versionOf(table);
}

void replaceEntry(Atom table, std::size_t entryOffset, HostCallback replacement,
                  std::uint32_t /*flags*/) {
    Host& host = Host::current();
    if (replacement == nullptr || !host.callbacks().contains(replacement)) {
        throw HostError(error::kBadParameter, "A table entry is replaced by a host callback.");
    }
    host.tables().replaceEntry(host.atoms().name(table), entryOffset, replacement->proc);
}

TextObject* newText(const char* cp1252) {
    return new TextObject(cp1252 != nullptr ? cp1252 : "");
}

const char* textOf(const TextObject* text) {
    return text != nullptr ? text->text().c_str() : "";
}

void destroyText(TextObject* text) {
    delete text;
}

}  // namespace

AcroSupportTable makeAcroSupportTable() {
    return AcroSupportTable{allocate, freeBlock, tableVersion, replaceEntry,
                            newText,  textOf,    destroyText};
}

}  // namespace lumar::host
