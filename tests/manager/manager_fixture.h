#pragma once

// The publication manager against the reference service: the plug-in loaded
// into a headless host, a demo user logged on as the session would (user and
// lookup lists in the logon store), document folders in a temporary folder,
// message boxes answered from a script. The manager itself is the plug-in's
// one instance and is closed after every test.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "manager/manager_dlg.h"
#include "platform/settings/temp_settings.h"
#include "plugin/plugin_harness.h"
#include "service/ws_records.h"
#include "ui/scripted_message_boxes.h"

namespace lumar::host {
class DocumentView;
}

namespace lumar::testing {

class ManagerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Logs the demo user on at the service and makes it the session's user,
    // with the lookup lists; returns its User_ID.
    std::int32_t LogOnAs(const std::string& login);
    // Logs a demo user on at the service only (to prepare data as that user).
    std::int32_t ServiceUser(const std::string& login);

    // A new publication of administrator 1, released, without documents.
    std::int32_t CreatePublication(const std::string& sapCode);
    // Registers binder documents 2..count and then 1 (the load completes:
    // update status 2). The publication must be locked for binders by `user`.
    void LoadBinders(std::int32_t publication, std::int32_t user,
                     const std::vector<std::string>& files);
    PublicationLastInfoRecord Latest(std::int32_t publication) const;
    std::vector<BinderDocRecord> Binders(std::int32_t publication) const;
    std::vector<SupplementRecord> Supplements(std::int32_t publication) const;

    // PDFs of `pages` pages with one data annotation per page.
    static void WritePdf(const std::filesystem::path& path, int pages);
    // Opens the PDF in a view of the host; the view becomes the active one.
    host::DocumentView* Show(const std::filesystem::path& path);

    // Opens the manager and selects the publication's row.
    void OpenManagerOn(std::int32_t publication);

    std::vector<std::string> Notes() const { return harness.responder.notes(); }

    TempSettings settings;
    fixtures::ReferenceService service;
    PluginHarness harness;
    ScriptedMessageBoxes boxes;
    fixtures::TempDir dir;
    std::filesystem::path binders;
    std::filesystem::path supplements;
    std::filesystem::path sources;  // where prepared documents come from
    std::int32_t supervisor = 0;
    CManagerDlg& manager = CManagerDlg::Instance();
};

}  // namespace lumar::testing
