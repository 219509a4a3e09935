// Start-up: the handshake versions, the set-up's table import with its
// search and fallback versions, and the handshake record.

#include <gtest/gtest.h>

#include <vector>

#include "platform/host/roles.h"
#include "plugin/host_table_import.h"
#include "plugin/plugin_entry.h"
#include "plugin/plugin_harness.h"
#include "plugin/plugin_names.h"
#include "shell/plugin_state.h"

namespace lumar {
namespace {

using host::TableRegistry;
using Request = TableRegistry::Request;

struct HandshakeCase {
    host::Version offered;
    host::Version answered;
    bool setUp;
};

class HandshakeVersions : public ::testing::TestWithParam<HandshakeCase> {};

TEST_P(HandshakeVersions, AnswerAndSetUp) {
    const HandshakeCase& c = GetParam();
    testing::PluginHarness harness(false);
    harness.load(c.offered);
    EXPECT_TRUE(harness.loaded.entered);
    EXPECT_EQ(harness.loaded.handshakeVersion, c.answered);
    EXPECT_EQ(harness.loaded.setUp, c.setUp);
    EXPECT_EQ(harness.loaded.handshaken, c.setUp);
    EXPECT_EQ(harness.loaded.initialised, c.setUp);
    EXPECT_EQ(harness.lumarMenu() != nullptr, c.setUp);
}

INSTANTIATE_TEST_SUITE_P(Host, HandshakeVersions,
                         ::testing::Values(HandshakeCase{0x20000, 0x20000, true},
                                           HandshakeCase{0x30000, 0x20000, true},
                                           HandshakeCase{0x20001, 0x20000, true},
                                           HandshakeCase{0x10000, 0x10000, false}));

TEST(Handshake, EntryPointRecordsThePlatformData) {
    int instance = 0;
    int window = 0;
    host::PlatformData platform{&window, &instance};
    host::Version answered = 0;
    host::SetupProc setup = nullptr;
    ASSERT_TRUE(PlugInEntry(0x20000, &answered, &setup, &platform));
    EXPECT_EQ(setup, &SetUpPlugIn);
    EXPECT_EQ(ThePlugin().hostMainWindow, &window);
    EXPECT_EQ(ThePlugin().moduleInstance, &instance);
}

TEST(Handshake, RecordCarriesNameAndCallbacksOfTheExtension) {
    testing::PluginHarness harness;
    ASSERT_TRUE(harness.loaded.handshaken);
    const host::HandshakeRecord& record = harness.loaded.record;
    EXPECT_EQ(harness.headless.host().atoms().name(record.extensionName), kExtensionName);
    for (host::HostCallback callback :
         {record.exportProc, record.importReplaceProc, record.initProc, record.unloadProc}) {
        ASSERT_NE(callback, nullptr);
        EXPECT_EQ(callback->owner, harness.loaded.extension);
    }
    EXPECT_TRUE(harness.loaded.exported);
    EXPECT_TRUE(harness.loaded.importedAndReplaced);
}

TEST(Handshake, ProceduresRefuseAnotherVersion) {
    testing::PluginHarness harness;
    host::HandshakeRecord record;
    EXPECT_FALSE(HandshakePlugIn(0x20001, &record));
    EXPECT_EQ(record.initProc, nullptr);

    host::SetupData setup{0x10000, 1, &harness.headless.host().core(), nullptr};
    EXPECT_FALSE(SetUpPlugIn(0x20000, &setup));
    setup.handshakeVersion = 0x20000;
    EXPECT_FALSE(SetUpPlugIn(0x30000, &setup));
    EXPECT_EQ(setup.handshake, nullptr);
}

// The requests every set-up makes of a host that has every table.
std::vector<Request> requestsOfFullImport() {
    std::vector<Request> requests{{"AcroSupport", 0x60000, true}, {"AcroSupport", 0x80000, true}};
    for (const TableRequest& wanted : kImportList) {
        requests.push_back({std::string(host::tableName(wanted.table)), wanted.version, true});
    }
    return requests;
}

struct ImportCase {
    const char* name;
    void (*configure)(TableRegistry& tables);
    bool setUp;
    std::vector<Request> requests;  // all requests, in order, when not empty
};

class TableImport : public ::testing::TestWithParam<ImportCase> {};

TEST_P(TableImport, RequestsAndResult) {
    const ImportCase& c = GetParam();
    testing::PluginHarness harness(false);
    c.configure(harness.headless.tables());
    harness.load();
    EXPECT_EQ(harness.loaded.setUp, c.setUp);
    const auto& requests = harness.headless.tables().requests();
    EXPECT_EQ(requests, c.requests.empty() ? requestsOfFullImport() : c.requests);
}

void offerAt(TableRegistry& tables, const char* name, host::Version version) {
    tables.setOfferedVersion(name, version);
}

std::vector<Request> fullImportThen(std::vector<Request> tail, const char* upTo) {
    std::vector<Request> requests;
    for (const Request& request : requestsOfFullImport()) {
        if (request.name == upTo) {
            break;
        }
        requests.push_back(request);
    }
    requests.insert(requests.end(), tail.begin(), tail.end());
    return requests;
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, TableImport,
    ::testing::Values(ImportCase{"EveryTable", [](TableRegistry&) {}, true, {}},
                      // Without an "AcroSupport" of 6.0 nothing is asked directly, and the
                      // fallback versions hold nothing as high as 0x80000.
                      ImportCase{"AcroSupportTooOld",
                                 [](TableRegistry& t) { offerAt(t, "AcroSupport", 0x50000); },
                                 false,
                                 {{"AcroSupport", 0x60000, false}}},
                      ImportCase{"AcroSupportMissing",
                                 [](TableRegistry& t) { t.withdraw("AcroSupport"); },
                                 false,
                                 {{"AcroSupport", 0x60000, false}}},
                      ImportCase{"AcroSupportSixButNotEight",
                                 [](TableRegistry& t) { offerAt(t, "AcroSupport", 0x60000); },
                                 false,
                                 {{"AcroSupport", 0x60000, true}, {"AcroSupport", 0x80000, false}}},
                      // A table that cannot tell its version is looked for again along the
                      // fallback versions.
                      ImportCase{"TableWithoutVersion",
                                 [](TableRegistry& t) {
                                     offerAt(t, "PDSysFont", 0x40005);
                                     t.setReportedVersion("PDSysFont", host::kUnknownVersion);
                                 },
                                 true,
                                 fullImportThen({{"PDSysFont", 0x40000, true},
                                                 {"PDSysFont", 0x50001, false},
                                                 {"PDSysFont", 0x50000, false},
                                                 {"PDSysFont", 0x40005, true},
                                                 {"PagePDEContent", 0x60000, true},
                                                 {"AcroView", 0x60000, true},
                                                 {"PDSWrite", 0x60000, true},
                                                 {"PDSRead", 0x60000, true},
                                                 {"Win", 0x50000, true},
                                                 {"ASExtra", 0x60000, true}},
                                                "PDSysFont")},
                      // A required table below its version ends the import there.
                      ImportCase{"WinTooOld", [](TableRegistry& t) { offerAt(t, "Win", 0x40005); },
                                 false,
                                 fullImportThen({{"Win", 0x50000, false},
                                                 {"Win", 0x50001, false},
                                                 {"Win", 0x50000, false}},
                                                "Win")},
                      ImportCase{"CosMissing", [](TableRegistry& t) { t.withdraw("Cos"); }, false,
                                 fullImportThen({{"Cos", 0x60000, false}}, "Cos")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableImport, RecordsTheVersionsObtained) {
    testing::PluginHarness harness;
    ASSERT_TRUE(harness.loaded.setUp);
    for (std::size_t i = 0; i < host::kTableCount; ++i) {
        const host::ImportedTable& table = host::imported().tables[i];
        EXPECT_NE(table.table, nullptr) << host::kTableNames[i];
        EXPECT_EQ(table.version, host::kOfferedTableVersion) << host::kTableNames[i];
    }
    EXPECT_EQ(host::imported()[host::TableId::AcroView].table, &harness.headless.host().acroView());
}

struct FallbackCase {
    host::Version requested;
    std::vector<host::Version> tried;
};

class FallbackWalk : public ::testing::TestWithParam<FallbackCase> {};

// With an old "AcroSupport" only the fallback versions at or above the
// request are tried, highest first.
TEST_P(FallbackWalk, TriesVersionsDownToTheRequest) {
    testing::PluginHarness harness;
    ASSERT_TRUE(harness.loaded.setUp);
    host::imported()[host::TableId::AcroSupport].version = 0x50000;
    auto& tables = harness.headless.tables();
    tables.withdraw("PDSRead");
    tables.clearRequests();

    TableSearchResult result = SearchHostTable("PDSRead", GetParam().requested);
    EXPECT_FALSE(result.found());
    EXPECT_EQ(result.table, nullptr);
    std::vector<host::Version> tried;
    for (const Request& request : tables.requests()) {
        tried.push_back(request.version);
    }
    EXPECT_EQ(tried, GetParam().tried);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, FallbackWalk,
    ::testing::Values(
        FallbackCase{0x60000, {}}, FallbackCase{0x50000, {0x50001, 0x50000}},
        FallbackCase{0x40000, {0x50001, 0x50000, 0x40005, 0x40000}},
        FallbackCase{0x20001, {0x50001, 0x50000, 0x40005, 0x40000, 0x20003, 0x20002, 0x20001}}));

TEST(FallbackWalk, StopsAtTheFirstVersionTheHostHas) {
    testing::PluginHarness harness;
    ASSERT_TRUE(harness.loaded.setUp);
    host::imported()[host::TableId::AcroSupport].version = 0x50000;
    auto& tables = harness.headless.tables();
    offerAt(tables, "PDSRead", 0x40005);
    tables.clearRequests();

    TableSearchResult result = SearchHostTable("PDSRead", 0x20000);
    EXPECT_EQ(result.version, 0x40005u);
    EXPECT_EQ(result.table, tables.table("PDSRead"));
    EXPECT_EQ(tables.requests().size(), 3u);  // 0x50001, 0x50000, 0x40005
}

}  // namespace
}  // namespace lumar
