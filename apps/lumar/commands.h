#pragma once

// The commands of the command line: what each takes and what runs it. Each
// returns its exit code (exit_codes.h) or throws CommandExit.

#include <cstdint>
#include <string>

#include "global_options.h"

namespace lumar::cli {

struct PdfCheckOptions {
    std::string pdf;
    bool partOfOperation = false;
    bool quiet = false;
};
int RunPdfCheck(const GlobalOptions& global, const PdfCheckOptions& options);

struct MergeDataCheckOptions {
    std::string file;  // "-": standard input
    std::string context;
    std::int32_t publication = 0;
    std::string binderPages;  // "1=40,2=30"
    std::int32_t binderCount = -1;
    std::int32_t supplementPages = 0;
    std::string colours;  // "red,light blue"
    std::int32_t showing = 1;
};
int RunMergeDataCheck(const GlobalOptions& global, const MergeDataCheckOptions& options);

struct MergeOptions {
    std::int32_t publication = 0;
};
int RunMerge(const GlobalOptions& global, const MergeOptions& options);

struct DemoOptions {
    std::string folder = "lumar-demo";
    int port = 0;
    bool keepService = false;
};
int RunDemo(const GlobalOptions& global, const DemoOptions& options);

}  // namespace lumar::cli
