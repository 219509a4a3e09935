#include "platform/host/document_store.h"

#include <algorithm>

#include "platform/host/host_error.h"
#include "platform/pdf/document.h"
#include "platform/pdf/page.h"
#include "platform/pdf/word_finder.h"

namespace lumar::host {

namespace {

template <typename T>
auto locate(std::vector<std::unique_ptr<T>>& list, const T* wanted) {
    return std::find_if(list.begin(), list.end(),
                        [wanted](const auto& entry) { return entry.get() == wanted; });
}

template <typename T>
bool holds(const std::vector<std::unique_ptr<T>>& list, const T* wanted) {
    return wanted != nullptr && std::any_of(list.begin(), list.end(), [wanted](const auto& entry) {
               return entry.get() == wanted;
           });
}

}  // namespace

DocumentStore::DocumentStore() = default;
DocumentStore::~DocumentStore() = default;

FileSystem* DocumentStore::checkedFileSystem(FileSystem* fileSystem) {
    if (fileSystem != nullptr && fileSystem != &fileSystem_) {
        throw HostError(error::kBadParameter, "Unknown file system.");
    }
    return &fileSystem_;
}

pdf::Document* DocumentStore::adopt(pdf::Document document) {
    return adopt(std::make_unique<pdf::Document>(std::move(document)));
}

pdf::Document* DocumentStore::adopt(std::unique_ptr<pdf::Document> document) {
    documents_.push_back(std::move(document));
    return documents_.back().get();
}

std::unique_ptr<pdf::Document> DocumentStore::takeOver(pdf::Document* document) {
    auto found = locate(documents_, document);
    if (found == documents_.end()) {
        throw HostError(error::kBadParameter,
                        "The document is not one the host handed out, or is shown already.");
    }
    std::unique_ptr<pdf::Document> taken = std::move(*found);
    documents_.erase(found);
    return taken;
}

void DocumentStore::close(pdf::Document* document) {
    takeOver(document)->close();
    documentFiles_.erase(document);
}

HostFile* DocumentStore::fileOf(pdf::Document& document) {
    std::filesystem::path path = document.path();
    if (path.empty()) {
        return nullptr;
    }
    std::unique_ptr<HostFile>& file = documentFiles_[&document];
    if (!file) {
        file = std::make_unique<HostFile>(path);
    } else {
        file->setPath(path);
    }
    return file.get();
}

pdf::Page* DocumentStore::acquire(pdf::Page page) {
    pages_.push_back(std::make_unique<pdf::Page>(std::move(page)));
    return pages_.back().get();
}

void DocumentStore::release(pdf::Page* page) {
    checked(page);
    pages_.erase(locate(pages_, page));
}

pdf::Page& DocumentStore::checked(pdf::Page* page) const {
    if (!holds(pages_, page)) {
        throw HostError(error::kBadParameter, "The page was not acquired or is released.");
    }
    return *page;
}

pdf::WordFinder* DocumentStore::adopt(pdf::WordFinder finder) {
    finders_.push_back(std::make_unique<pdf::WordFinder>(std::move(finder)));
    return finders_.back().get();
}

void DocumentStore::destroy(pdf::WordFinder* finder) {
    checked(finder);
    finders_.erase(locate(finders_, finder));
}

pdf::WordFinder& DocumentStore::checked(pdf::WordFinder* finder) const {
    if (!holds(finders_, finder)) {
        throw HostError(error::kBadParameter, "Unknown word finder.");
    }
    return *finder;
}

HostPath* DocumentStore::newPath(std::filesystem::path path) {
    paths_.push_back(std::make_unique<HostPath>(std::move(path)));
    return paths_.back().get();
}

void DocumentStore::release(HostPath* path) {
    if (path == nullptr) {
        return;
    }
    checked(path);
    paths_.erase(locate(paths_, path));
}

const HostPath& DocumentStore::checked(const HostPath* path) const {
    if (!holds(paths_, path)) {
        throw HostError(error::kBadPath, "The path was not made by the host or is released.");
    }
    return *path;
}

HostFile* DocumentStore::open(pdf::File file) {
    files_.push_back(std::make_unique<HostFile>(std::move(file)));
    return files_.back().get();
}

void DocumentStore::close(HostFile* file) {
    auto found = locate(files_, file);
    if (found == files_.end()) {
        throw HostError(error::kBadParameter, "The file is not open.");
    }
    (*found)->file()->close();
    files_.erase(found);
}

HostFile& DocumentStore::checked(HostFile* file) const {
    const bool isDocumentFile =
        file != nullptr &&
        std::any_of(documentFiles_.begin(), documentFiles_.end(),
                    [file](const auto& entry) { return entry.second.get() == file; });
    if (!isDocumentFile && !holds(files_, file)) {
        throw HostError(error::kBadParameter, "The file is not open.");
    }
    return *file;
}

}  // namespace lumar::host
