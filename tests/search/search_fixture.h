#pragma once

// A publication on the reference service for search tests: binder documents
// and a supplement whose page texts the test gives, as service records (with
// their Annotation_data) and as PDFs in temporary binders and supplements
// folders. The plug-in is loaded into a headless host, a producer (level 4)
// is logged on and the colour list is loaded.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "platform/settings/temp_settings.h"
#include "plugin/plugin_harness.h"
#include "service/ws_records.h"
#include "ui/progress_double.h"

namespace lumar::testing {

class SearchFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // Binder n (from 1) gets the page texts binders[n - 1]; the supplement
    // gets `supplement` (none when empty). `pageCounts` overrides the page
    // counts registered for the binders (0 keeps the number of texts).
    void CreatePublication(const std::vector<std::vector<std::string>>& binders,
                           const std::vector<std::string>& supplement = {},
                           const std::vector<std::int32_t>& pageCounts = {});

    // The publication's binder documents as the details dialog lists them
    // (without annotation data), in binder order; the supplement likewise.
    std::vector<BinderDocRecord> BinderRecords() const;
    SupplementRecord SupplementRecordOf() const;
    PublicationLastInfoRecord Publication() const;

    // "b<binder>p<page>" page texts, e.g. for PDFs compared page by page.
    static std::vector<std::string> Origins(int binder, int pages);
    // The data annotation contents of every page of a document.
    static std::vector<std::string> PageTexts(const pdf::Document& document);

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
};

}  // namespace lumar::testing
