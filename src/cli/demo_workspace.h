#pragma once

// The demo's workspace: the folders annotations/, binders/ and supplements/,
// the demo publication's binder and supplement PDFs as the demo data
// (demo/demo_data.h) describe them, and a settings file pointing at them.
//
//   DIR/annotations/  DIR/binders/Demo1H003.pdf ...  DIR/supplements/DemoS004.pdf
//   DIR/registry.reg  DIR/service.db  DIR/service.log

#include <filesystem>

namespace lumar::cli {

struct DemoWorkspace {
    std::filesystem::path folder;
    std::filesystem::path annotations;
    std::filesystem::path binders;
    std::filesystem::path supplements;
    std::filesystem::path settings;
    std::filesystem::path database;
    std::filesystem::path serviceLog;
};

DemoWorkspace DemoWorkspaceIn(const std::filesystem::path& folder);

// Removes what an earlier demo left in the workspace (its folders, settings,
// database and log; nothing else), then makes the folders and writes the
// PDFs. Throws std::exception when a file cannot be written.
void PrepareDemoWorkspace(const DemoWorkspace& workspace);

}  // namespace lumar::cli
