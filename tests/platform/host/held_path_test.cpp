// The holder of host paths: whatever way it goes (end of scope or an
// exception passing), the path goes back to the host, and a path the host
// no longer knows does not make the holder throw from its destructor.

#include "platform/host/held_path.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "host_fixture.h"

namespace lumar::host {
namespace {

// What the holder is given.
enum class Given { Path, NoPath, ReleasedPath };
// How the holder goes.
enum class Leaving { EndOfScope, HostErrorPasses, OtherErrorPasses };

struct HoldCase {
    const char* name;
    Given given;
    Leaving leaving;
};

class HeldPathTest : public testing::HostFixture, public ::testing::WithParamInterface<HoldCase> {
protected:
    DocumentStore& store() { return headless.host().documents(); }
};

TEST_P(HeldPathTest, GivesThePathBackAndNeverThrowsWhenItGoes) {
    const HoldCase& c = GetParam();
    FileSystem* fileSystem = defaultFileSystem();
    HostPath* path = c.given == Given::NoPath
                         ? pathFromFullPath(fileSystem, "")
                         : pathFromFullPath(fileSystem, "/data/Binders/B1H001.pdf");
    if (c.given == Given::ReleasedPath) {
        releasePath(fileSystem, path);
    }
    ASSERT_EQ(store().pathCount(), c.given == Given::Path ? 1U : 0U);

    auto hold = [&] {
        const HeldPath held(fileSystem, path);
        EXPECT_EQ(held.get(), path);
        if (c.given == Given::Path) {
            EXPECT_EQ(platformPathText(fileSystem, held.get()), "/data/Binders/B1H001.pdf");
        }
        if (c.leaving == Leaving::HostErrorPasses) {
            throw HostError(error::kBadParameter, "the work with the path failed");
        }
        if (c.leaving == Leaving::OtherErrorPasses) {
            throw std::runtime_error("the work with the path failed");
        }
    };
    switch (c.leaving) {
    case Leaving::EndOfScope:
        EXPECT_NO_THROW(hold());
        break;
    case Leaving::HostErrorPasses:
        // The error that passes is the work's, not one of the release.
        try {
            hold();
            ADD_FAILURE() << "no HostError";
        } catch (const HostError& error) {
            EXPECT_EQ(error.code(), error::kBadParameter);
        }
        break;
    case Leaving::OtherErrorPasses:
        EXPECT_THROW(hold(), std::runtime_error);
        break;
    }

    EXPECT_EQ(store().pathCount(), 0U);
    if (c.given == Given::Path) {
        EXPECT_THROW((void)platformPathText(fileSystem, path), HostError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    HeldPath, HeldPathTest,
    ::testing::Values(
        HoldCase{"PathAtEndOfScope", Given::Path, Leaving::EndOfScope},
        HoldCase{"PathWhileAHostErrorPasses", Given::Path, Leaving::HostErrorPasses},
        HoldCase{"PathWhileAnotherErrorPasses", Given::Path, Leaving::OtherErrorPasses},
        HoldCase{"NoPathAtEndOfScope", Given::NoPath, Leaving::EndOfScope},
        HoldCase{"ReleasedPathAtEndOfScope", Given::ReleasedPath, Leaving::EndOfScope},
        HoldCase{"ReleasedPathWhileAHostErrorPasses", Given::ReleasedPath,
                 Leaving::HostErrorPasses}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumar::host
