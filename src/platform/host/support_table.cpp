// The "AcroSupport" table's procedures.

#include <cstdlib>

#include "platform/host/engine_call.h"
#include "platform/host/host.h"
#include "platform/host/host_error.h"
#include "platform/host/text_object.h"
#include "platform/pdf/path.h"

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

DocumentStore& store() {
    return Host::current().documents();
}

FileSystem* defaultFileSystem() {
    return store().fileSystem();
}

HostPath* pathFromPlatformPath(FileSystem* fileSystem, const char* platformPath) {
    store().checkedFileSystem(fileSystem);
    if (platformPath == nullptr || *platformPath == '\0') {
        return nullptr;
    }
    return store().newPath(pdf::pathFromPlatformText(platformPath));
}

HostPath* pathOfFile(HostFile* file) {
    return store().newPath(store().checked(file).path());
}

void releasePath(FileSystem* fileSystem, HostPath* path) {
    store().checkedFileSystem(fileSystem);
    store().release(path);
}

std::int32_t openFile(FileSystem* fileSystem, const HostPath* path, int mode, HostFile** file) {
    store().checkedFileSystem(fileSystem);
    const HostPath& target = store().checked(path);
    required(file, "file") = nullptr;
    try {
        *file = store().open(pdf::File::open(target.path(), mode));
        return 0;
    } catch (const pdf::PdfError& failure) {
        return engineErrorCode(failure.code());
    }
}

pdf::File& openedFile(HostFile* file) {
    pdf::File* opened = store().checked(file).file();
    if (opened == nullptr) {
        throw HostError(error::kBadParameter, "The document's file is not open for writing.");
    }
    return *opened;
}

std::size_t writeFile(HostFile* file, const char* data, std::size_t length) {
    pdf::File& opened = openedFile(file);
    engineCall([&] { opened.write(std::string_view(data != nullptr ? data : "", length)); });
    return length;
}

void setFilePosition(HostFile* file, std::int64_t position) {
    pdf::File& opened = openedFile(file);
    engineCall([&] { opened.setPosition(position); });
}

std::int64_t filePosition(HostFile* file) {
    pdf::File& opened = openedFile(file);
    return engineCall([&] { return opened.position(); });
}

std::int64_t fileLength(HostFile* file) {
    pdf::File& opened = openedFile(file);
    return engineCall([&] { return opened.length(); });
}

std::int32_t closeFile(HostFile* file) {
    try {
        store().close(file);
        return 0;
    } catch (const pdf::PdfError& failure) {
        return engineErrorCode(failure.code());
    } catch (const HostError& failure) {
        return failure.code();
    }
}

}  // namespace

AcroSupportTable makeAcroSupportTable() {
    AcroSupportTable table{};
    table.allocate = allocate;
    table.free = freeBlock;
    table.tableVersion = tableVersion;
    table.replaceEntry = replaceEntry;
    table.newText = newText;
    table.textOf = textOf;
    table.destroyText = destroyText;
    table.defaultFileSystem = defaultFileSystem;
    table.pathFromPlatformPath = pathFromPlatformPath;
    table.pathOfFile = pathOfFile;
    table.releasePath = releasePath;
    table.openFile = openFile;
    table.writeFile = writeFile;
    table.setFilePosition = setFilePosition;
    table.filePosition = filePosition;
    table.fileLength = fileLength;
    table.closeFile = closeFile;
    return table;
}

}  // namespace lumar::host
