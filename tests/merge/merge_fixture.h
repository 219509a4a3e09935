#pragma once

// A publication on the reference service with binder and supplement PDFs in
// temporary folders, for running the merge executor end to end. Every page's
// data annotation names its origin: binder 2, page 7 reads "b2p07", page 3
// of the supplement "s03". A test describes the publication, runs a merge or
// an update and compares the written PDFs page by page.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "merge/merge_request.h"
#include "platform/settings/temp_settings.h"
#include "plugin/plugin_harness.h"
#include "ui/progress_double.h"

namespace lumar::testing {

struct PublicationSetup {
    std::vector<int> binderPages = {10, 10, 10};
    int supplementPages = 8;
    int supplementNumber = 13;
    // Binder files "<prefix><c>H0012.pdf" unless `fileNames` names them.
    std::string prefix = "pub";
    std::vector<std::string> fileNames;
    std::int32_t maxPagesPerBinder = 0;
    // Stored as the supplement's merge data; none for update tests.
    std::string mergeData;
    // A tag for a page ("TABSHEET=true"), written after the page's origin;
    // binder 0 is the supplement. None or empty: the page has no tag.
    std::function<std::string(int binder, int page)> tag;
};

// Page origins: "b<binder>p<page>" for the pages of the given pairs of a
// binder, "s<page>" for the supplement (binder 0).
std::vector<std::string> Pairs(int binder, std::initializer_list<int> pairs);
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b);

class MergeFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // Creates and loads the publication, its supplement and merge data.
    void CreatePublication(const PublicationSetup& setup);
    // Starts the merge at the service and builds the request the merge data
    // editor hands the executor (the publication as it was before).
    MergeRequest StartMerge();
    // An update of the (unmerged) publication's binders or supplement.
    MergeRequest UpdateRequest(const std::string& updateData);

    // The data annotation contents of every page (two annotations on a page
    // read "a|b"); empty when the file cannot be opened.
    static std::vector<std::string> PageTexts(const std::filesystem::path& path);
    // The page texts cut at their first blank (the origin alone).
    static std::vector<std::string> Origins(const std::filesystem::path& path);

    std::filesystem::path binder(const std::string& name) const { return binders / name; }
    // The PDF files in the binders folder (the PDF check's reports are left out).
    std::vector<std::string> fileNamesInBinders() const;

    // The new version's binder documents, in the order registered.
    std::vector<BinderDocRecord> registeredBinders(std::int32_t publication) const;
    PublicationLastInfoRecord latest(std::int32_t publication) const;
    std::vector<std::string> notes() const { return harness.responder.notes(); }

    TempSettings settings;
    fixtures::ReferenceService service;
    PluginHarness harness;
    fixtures::TempDir dir;
    ProgressDouble progress;
    std::filesystem::path binders;
    std::filesystem::path supplements;

    std::int32_t supervisor = 0;
    std::int32_t producer = 0;
    std::int32_t publicationId = 0;
    std::int32_t supplementId = 0;
    std::int32_t nextId = 0;               // the version a merge makes
    std::vector<std::string> binderFiles;  // index 0 = binder 1
    std::string supplementFile;
};

}  // namespace lumar::testing
