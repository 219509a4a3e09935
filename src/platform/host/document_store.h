#pragma once

// What the host hands out of its document layer and takes back: documents
// not shown in a view, acquired pages, word finders, paths and open files.
// Every handle is checked when it comes back, so a wrong or stale handle is
// a HostError, never a crash; the counts let tests see what was not given
// back.

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "platform/host/host_files.h"

namespace lumar::pdf {
class Document;
class Page;
class WordFinder;
}  // namespace lumar::pdf

namespace lumar::host {

class DocumentStore {
public:
    DocumentStore();
    ~DocumentStore();
    DocumentStore(const DocumentStore&) = delete;
    DocumentStore& operator=(const DocumentStore&) = delete;

    FileSystem* fileSystem() { return &fileSystem_; }
    FileSystem* checkedFileSystem(FileSystem* fileSystem);

    // Documents opened or made through the host and not shown in a view.
    pdf::Document* adopt(pdf::Document document);
    pdf::Document* adopt(std::unique_ptr<pdf::Document> document);
    std::unique_ptr<pdf::Document> takeOver(pdf::Document* document);
    void close(pdf::Document* document);
    [[nodiscard]] std::size_t documentCount() const { return documents_.size(); }

    // The file of a document, kept up to date with the document's path;
    // null for a document without a file.
    HostFile* fileOf(pdf::Document& document);

    pdf::Page* acquire(pdf::Page page);
    void release(pdf::Page* page);
    pdf::Page& checked(pdf::Page* page) const;
    [[nodiscard]] std::size_t acquiredPageCount() const { return pages_.size(); }

    pdf::WordFinder* adopt(pdf::WordFinder finder);
    void destroy(pdf::WordFinder* finder);
    pdf::WordFinder& checked(pdf::WordFinder* finder) const;

    HostPath* newPath(std::filesystem::path path);
    void release(HostPath* path);
    const HostPath& checked(const HostPath* path) const;
    [[nodiscard]] std::size_t pathCount() const { return paths_.size(); }

    HostFile* open(pdf::File file);
    void close(HostFile* file);
    // An open file or a document's file.
    HostFile& checked(HostFile* file) const;
    [[nodiscard]] std::size_t openFileCount() const { return files_.size(); }

private:
    FileSystem fileSystem_;
    std::vector<std::unique_ptr<pdf::Document>> documents_;
    std::map<const pdf::Document*, std::unique_ptr<HostFile>> documentFiles_;
    std::vector<std::unique_ptr<pdf::Page>> pages_;
    std::vector<std::unique_ptr<pdf::WordFinder>> finders_;
    std::vector<std::unique_ptr<HostPath>> paths_;
    std::vector<std::unique_ptr<HostFile>> files_;
};

}  // namespace lumar::host
