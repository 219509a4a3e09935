#pragma once

// The lumar program run as a child process: arguments, extra environment,
// optional standard input, optional working folder (else the test's own);
// its exit code and both outputs come back.
//
//   const LumarRun run = RunLumar({"pdf-check", path}, {{"LUMAR_REGISTRY", file}});
//   EXPECT_EQ(run.exitCode, 0) << run.err;

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace lumar::testing {

struct LumarRun {
    int exitCode = -1;  // -1: killed or did not start
    std::string out;
    std::string err;
};

LumarRun RunLumar(const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment = {},
                  const std::string& input = {}, const std::filesystem::path& workingFolder = {});

// The data annotation contents of every page of a PDF, in page order.
std::vector<std::string> DataAnnotationTexts(const std::filesystem::path& pdf);

}  // namespace lumar::testing
