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

int RunPublications(const GlobalOptions& global);

int RunCheckAnnotations(const GlobalOptions& global, const std::string& pdf);
int RunAnnotationReport(const GlobalOptions& global, const std::string& pdf, bool noNumbers);

struct ImportOptions {
    std::string pdf;
    std::string from;
    bool add = false;
    bool replace = false;
    std::string saveAs;  // empty: the PDF itself
};
int RunImportAnnotations(const GlobalOptions& global, const ImportOptions& options);

int RunExportFooter(const GlobalOptions& global, const std::string& pdf, const std::string& region);

struct UpdateOptions {
    std::int32_t publication = 0;
    std::int32_t binder = 0;
    bool supplement = false;
    std::string data;  // "-": standard input
};
int RunUpdate(const GlobalOptions& global, const UpdateOptions& options);

int RunAddBinders(const GlobalOptions& global, std::int32_t publication,
                  const std::string& firstBinder);

struct AddSupplementOptions {
    std::int32_t publication = 0;
    std::string pdf;
    bool noIncrement = false;
};
int RunAddSupplement(const GlobalOptions& global, const AddSupplementOptions& options);

struct SearchOptions {
    std::int32_t publication = 0;
    std::string binders;  // "1,2"; empty: every binder
    bool supplement = false;
    std::string text;
    bool matchCase = false;
    std::string extract;  // the PDF the hits' pages go to; empty: none
};
int RunSearch(const GlobalOptions& global, const SearchOptions& options);

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
