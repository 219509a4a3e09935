#pragma once

// A demo workspace made by "lumar demo DIR --keep-service" in a temporary
// folder, its service kept running for the test and stopped afterwards.
// Commands then run as the demo editor against it.

#include <filesystem>
#include <string>
#include <vector>

#include "fixtures/temp_dir.h"
#include "lumar_process.h"

namespace lumar::testing {

class DemoService {
public:
    DemoService();
    ~DemoService();
    DemoService(const DemoService&) = delete;
    DemoService& operator=(const DemoService&) = delete;

    // Runs lumar as `user` (password from the demo data) with the demo's
    // settings file.
    LumarRun Run(const std::vector<std::string>& arguments, const std::string& input = {},
                 const std::string& user = "editor") const;
    // The same as the demo editor, started in `folder`.
    LumarRun RunIn(const std::filesystem::path& folder,
                   const std::vector<std::string>& arguments) const;

    [[nodiscard]] bool Started() const { return pid_ > 0; }
    [[nodiscard]] const std::string& DemoOutput() const { return demo_.out; }
    std::filesystem::path operator/(const std::string& name) const { return workspace_ / name; }
    [[nodiscard]] const std::filesystem::path& Folder() const { return dir_.path(); }

private:
    fixtures::TempDir dir_;
    std::filesystem::path workspace_;
    LumarRun demo_;
    int pid_ = 0;
};

}  // namespace lumar::testing
