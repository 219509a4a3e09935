#include "demo_workspace.h"

#include "lumar-service/demo_seed.h"
#include "platform/pdf/text_pdf_writer.h"

namespace lumar::cli {

namespace {

namespace demo = service_app;

// Binder 2 has a coloured leaf: its second page pair.
constexpr int kColouredPairOfBinder2 = 2;

void WriteDemoPdf(const std::filesystem::path& path, const std::string& document, int pages,
                  int colouredPair, const std::string& caption) {
    const std::vector<std::string> texts = DemoPageTexts(document, pages, colouredPair);
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

std::vector<std::string> DemoPageTexts(const std::string& document, int pages, int colouredPair) {
    std::vector<std::string> texts;
    for (int page = 1; page <= pages; ++page) {
        std::string text = document + " page " + std::to_string(page);
        if (page == 1) {
            text += " <<#TABSHEET=true#>>";
        } else if ((page + 1) / 2 == colouredPair) {
            text += " <<#COLOUR=Yellow#>>";
        }
        texts.push_back(text);
    }
    return texts;
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
    for (std::string_view file : demo::kDemoBinderFiles) {
        ++binder;
        WriteDemoPdf(workspace.binders / file, "Demo binder " + std::to_string(binder),
                     demo::kDemoPagesPerBinder, binder == 2 ? kColouredPairOfBinder2 : 0,
                     "Demo publication, binder " + std::to_string(binder));
    }
    WriteDemoPdf(workspace.supplements / demo::kDemoSupplementFile, "Demo supplement 4",
                 demo::kDemoSupplementPages, 0, "Demo publication, supplement 4");
}

}  // namespace lumar::cli
