#pragma once

// A headless host whose tables are imported into host::imported() as an
// extension's set-up would, so that tests call the host through its roles.

#include <gtest/gtest.h>

#include "platform/host/headless_host.h"
#include "platform/host/roles.h"

namespace lumar::host::testing {

class HostFixture : public ::testing::Test {
protected:
    HostFixture() {
        imported() = ImportedTables{};
        imported().extension = headless.host().newExtension();
        for (std::size_t i = 0; i < kTableCount; ++i) {
            imported().tables[i] = {headless.tables().table(kTableNames[i]), kOfferedTableVersion};
        }
    }
    ~HostFixture() override { imported() = ImportedTables{}; }

    ScriptedResponder responder;
    HeadlessHost headless{responder};
};

}  // namespace lumar::host::testing
