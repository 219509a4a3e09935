#include "cli/demo_workspace.h"

#include <string>
#include <vector>

#include "demo/demo_data.h"
#include "platform/pdf/text_pdf_writer.h"

namespace lumar::cli {

namespace {

void WriteDemoPdf(const std::filesystem::path& path, const std::string& document, int pages,
                  int colouredPair, const std::string& caption) {
    const std::vector<std::string> texts = demo::PageTexts(document, pages, colouredPair);
    std::vector<pdf::TextPdfPage> content;
    for (int page = 1; page <= pages; ++page) {
        pdf::TextPdfPage setup;
        setup.lines = {document + " page " + std::to_string(page), caption};
        if (page == 1) {
            setup.lines.emplace_back("Tab sheet");
        } else if ((page + 1) / 2 == colouredPair) {
            setup.lines.emplace_back("Printed on yellow paper");
        }
        setup.annotation = texts[static_cast<std::size_t>(page - 1)];
        content.push_back(setup);
    }
    pdf::WriteTextPdf(path, content);
}

}  // namespace

DemoWorkspace DemoWorkspaceIn(const std::filesystem::path& folder) {
    const std::filesystem::path root = std::filesystem::absolute(folder).lexically_normal();
    return {root,
            root / "annotations",
            root / "binders",
            root / "supplements",
            root / "registry.reg",
            root / "service.db",
            root / "service.log"};
}

void PrepareDemoWorkspace(const DemoWorkspace& workspace) {
    for (const std::filesystem::path& folder :
         {workspace.annotations, workspace.binders, workspace.supplements}) {
        std::filesystem::remove_all(folder);
    }
    for (const std::filesystem::path& file :
         {workspace.settings, workspace.database, workspace.serviceLog,
          std::filesystem::path(workspace.settings.string() + ".lock")}) {
        std::filesystem::remove(file);
    }
    std::filesystem::remove(workspace.database.string() + "-wal");
    std::filesystem::remove(workspace.database.string() + "-shm");
    for (const std::filesystem::path& folder :
         {workspace.annotations, workspace.binders, workspace.supplements}) {
        std::filesystem::create_directories(folder);
    }

    int binder = 0;
    for (std::string_view file : demo::kBinderFiles) {
        ++binder;
        WriteDemoPdf(workspace.binders / file, "Demo binder " + std::to_string(binder),
                     demo::kPagesPerBinder, demo::ColouredPairOfBinder(binder),
                     "Demo publication, binder " + std::to_string(binder));
    }
    WriteDemoPdf(workspace.supplements / demo::kSupplementFile, "Demo supplement 4",
                 demo::kSupplementPages, 0, "Demo publication, supplement 4");
}

}  // namespace lumar::cli
