#include "demo_service.h"

#include <signal.h>
#include <sys/wait.h>

#include <cstdlib>
#include <map>

namespace lumar::testing {

namespace {

const std::map<std::string, std::string> kPasswords = {
    {"editor", "editor3"}, {"producer", "producer4"}, {"reader", "reader2"}};

}  // namespace

DemoService::DemoService() : workspace_(dir_ / "demo") {
    demo_ = RunLumar({"--quiet", "demo", workspace_.string(), "--keep-service"});
    const auto at = demo_.out.find("(pid ");
    if (demo_.exitCode == 0 && at != std::string::npos) {
        pid_ = std::atoi(demo_.out.c_str() + at + 5);
    }
}

DemoService::~DemoService() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
    }
}

LumarRun DemoService::Run(const std::vector<std::string>& arguments, const std::string& input,
                          const std::string& user) const {
    std::vector<std::string> all = {"--registry", (workspace_ / "registry.reg").string(), "--user",
                                    user};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunLumar(all, {{"LUMAR_PASSWORD", kPasswords.at(user)}}, input);
}

LumarRun DemoService::RunIn(const std::filesystem::path& folder,
                            const std::vector<std::string>& arguments) const {
    std::vector<std::string> all = {"--registry", (workspace_ / "registry.reg").string(), "--user",
                                    "editor"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunLumar(all, {{"LUMAR_PASSWORD", kPasswords.at("editor")}}, {}, folder);
}

}  // namespace lumar::testing
