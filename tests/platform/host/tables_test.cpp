// The host's tables: offered by name up to their version, their versions,
// entry replacement, atoms and callbacks.

#include <gtest/gtest.h>

#include <string>

#include "host_fixture.h"
#include "platform/host/host_error.h"

namespace lumar::host {
namespace {

struct VersionCase {
    Version offered;
    Version requested;
    bool answered;
};

class TableVersions : public ::testing::TestWithParam<VersionCase> {};

TEST_P(TableVersions, AnsweredUpToTheOfferedVersion) {
    TableRegistry registry;
    int table = 0;
    registry.offer("Core", &table, sizeof table, GetParam().offered);
    void* answer = registry.request("Core", GetParam().requested);
    EXPECT_EQ(answer, GetParam().answered ? &table : nullptr);
    ASSERT_EQ(registry.requests().size(), 1u);
    EXPECT_EQ(registry.requests()[0].answered, GetParam().answered);
}

INSTANTIATE_TEST_SUITE_P(Registry, TableVersions,
                         ::testing::Values(VersionCase{0xB0000, 0x20001, true},
                                           VersionCase{0xB0000, 0xB0000, true},
                                           VersionCase{0xB0000, 0xB0001, false},
                                           VersionCase{0x60000, 0x80000, false}));

TEST(TableRegistry, VersionsOfTablesAndOfStrangers) {
    TableRegistry registry;
    int table = 0;
    int stranger = 0;
    registry.offer("Win", &table, sizeof table, 0x50000);
    EXPECT_EQ(registry.versionOf(&table), 0x50000u);
    EXPECT_EQ(registry.versionOf(&stranger), kUnknownVersion);
    registry.setReportedVersion("Win", kUnknownVersion);
    EXPECT_EQ(registry.versionOf(&table), kUnknownVersion);
    registry.withdraw("Win");
    EXPECT_EQ(registry.request("Win", 0x10000), nullptr);
}

using HostTables = testing::HostFixture;

TEST_F(HostTables, EveryTableOfferedAtTheHostVersion) {
    for (std::string_view name : kTableNames) {
        const void* table = getHostFunctionTable(atomFromString(std::string(name)), 0x20001);
        ASSERT_NE(table, nullptr) << name;
        EXPECT_EQ(versionOfHostFunctionTable(table), kOfferedTableVersion) << name;
        EXPECT_NE(getHostFunctionTable(atomFromString(std::string(name)), 0x000B0000), nullptr);
        EXPECT_EQ(getHostFunctionTable(atomFromString(std::string(name)), 0x000B0001), nullptr);
    }
    EXPECT_EQ(getHostFunctionTable(atomFromString("Unheard"), 0x10000), nullptr);
}

bool neverQuit() {
    return false;
}

TEST_F(HostTables, ReplacedEntryIsWhatEveryHolderCalls) {
    EXPECT_TRUE(headless.host().applicationMayQuit());
    HostCallback callback = makeHostCallback(&neverQuit);
    replaceHostTableEntry(TableId::AcroView, &AcroViewTable::appMayQuit, callback, 1);
    EXPECT_FALSE(headless.host().applicationMayQuit());
    EXPECT_FALSE(imported().acroView().appMayQuit());
}

TEST_F(HostTables, ReplacementsTheHostRefuses) {
    HostCallback callback = makeHostCallback(&neverQuit);
    // A table the host does not have, a procedure that is no host callback,
    // and an offset outside the table.
    EXPECT_THROW(imported().acroSupport().replaceEntry(atomFromString("Nowhere"), 0, callback, 1),
                 HostError);
    CallbackRecord forged{imported().extension, reinterpret_cast<GenericProc>(&neverQuit)};
    EXPECT_THROW(replaceHostTableEntry(TableId::AcroView, &AcroViewTable::appMayQuit, &forged, 1),
                 HostError);
    EXPECT_THROW(imported().acroSupport().replaceEntry(atomFromString("AcroView"),
                                                       sizeof(AcroViewTable), callback, 1),
                 HostError);
    EXPECT_THROW(imported().acroSupport().replaceEntry(atomFromString("AcroView"), 3, callback, 1),
                 HostError);
    EXPECT_TRUE(headless.host().applicationMayQuit());
}

TEST_F(HostTables, AtomsAreOneNumberPerName) {
    const Atom first = atomFromString("TOLMA:OrvaneLumar");
    EXPECT_NE(first, kNoAtom);
    EXPECT_EQ(atomFromString("TOLMA:OrvaneLumar"), first);
    EXPECT_NE(atomFromString("tolma:orvanelumar"), first);
    EXPECT_EQ(stringOfAtom(first), "TOLMA:OrvaneLumar");
    EXPECT_THROW(stringOfAtom(static_cast<Atom>(first + 1000)), HostError);
}

TEST_F(HostTables, CallbacksCarryTheirOwner) {
    HostCallback callback = makeHostCallback(&neverQuit);
    EXPECT_EQ(callback->owner, imported().extension);
    EXPECT_EQ(procedureOf<bool()>(callback), &neverQuit);
    EXPECT_TRUE(headless.host().callbacks().contains(callback));
    destroyHostCallback(callback);
    EXPECT_FALSE(headless.host().callbacks().contains(callback));
    EXPECT_THROW(imported().core().makeCallback(1, nullptr), HostError);
}

TEST_F(HostTables, MemoryAndTextObjects) {
    void* block = allocateMemory(64);
    ASSERT_NE(block, nullptr);
    freeMemory(block);
    EXPECT_EQ(allocateMemory(static_cast<std::size_t>(-1) / 2), nullptr);

    TextObject* text = textObjectFromString("Caf\xE9");
    EXPECT_STREQ(imported().acroSupport().textOf(text), "Caf\xE9");
    destroyTextObject(text);
}

TEST(HostError, TextAsReadIntoABuffer) {
    const HostError failure(error::kFileOpen, std::string(600, 'x'));
    EXPECT_EQ(failure.code(), makeErrorCode(error::kFileSystem, 1));
    EXPECT_EQ(hostErrorText(failure).size(), 511u);
    EXPECT_EQ(hostErrorText(failure, 256).size(), 255u);
    EXPECT_EQ(failure.text().size(), 600u);
}

}  // namespace
}  // namespace lumar::host
