// A merge killed while it saves a binder: a child process runs the merge and
// is killed with SIGKILL as soon as the save of binder 3 has begun. Every
// file written before stays whole, the originals stay untouched, and no
// partial file stands under a final name.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include "fixtures/pdf_builder.h"
#include "merge/merge_request.h"
#include "merge_fixture.h"

namespace lumar::testing {
namespace {

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Waits until a file whose name starts with `prefix` is created in the
// watched folder; false after `timeout`.
bool WaitForCreation(int watch, const std::string& prefix, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    alignas(inotify_event) char buffer[4096];
    while (std::chrono::steady_clock::now() < end) {
        pollfd ready{watch, POLLIN, 0};
        if (::poll(&ready, 1, 10) <= 0) {
            continue;
        }
        const ssize_t length = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && std::string(event->name).rfind(prefix, 0) == 0) {
                return true;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return false;
}

using MergeKilled = MergeFixture;

TEST_F(MergeKilled, DuringASaveLeavesEveryEarlierFileWholeAndNoPartialFile) {
    PublicationSetup setup;
    // Binder 3 is large, so that its save takes a while.
    setup.binderPages = {10, 10, 3000};
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n(3)binder\r\n(1,1)delete\r\n";
    CreatePublication(setup);
    const std::string originalThird = Bytes(binder("pub3H0012.pdf"));
    const std::string originalSecond = Bytes(binder("pub2H0012.pdf"));
    ExpectedPageCounts()[2] = 8;
    ExpectedPageCounts()[3] = 2998;
    MergeRequest request = StartMerge();

    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, binders.c_str(), IN_CREATE), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child runs the merge and leaves without running any destructor
        // (they would remove the parent's folders).
        RunMerge(request);
        ::_exit(0);
    }
    // The engine writes ".<target>.XXXXXX" beside the target, then renames it.
    const bool saving = WaitForCreation(watch, ".pub3H0013.pdf.", std::chrono::seconds(60));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(watch);
    ASSERT_TRUE(saving) << "the save of binder 3 never began";
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the merge ended before it could be killed";

    // No file under the final name of the binder being saved; the binder
    // finished before it is whole; the originals are untouched.
    EXPECT_FALSE(std::filesystem::exists(binder("pub3H0013.pdf")));
    EXPECT_EQ(Origins(binder("pub2H0013.pdf")), Pairs(2, {2, 3, 4, 5}));
    EXPECT_EQ(Bytes(binder("pub2H0012.pdf")), originalSecond);
    EXPECT_EQ(Bytes(binder("pub3H0012.pdf")), originalThird);
    EXPECT_EQ(fileNamesInBinders(), (std::vector<std::string>{"pub1H0012.pdf", "pub2H0012.pdf",
                                                              "pub2H0013.pdf", "pub3H0012.pdf"}));
}

}  // namespace
}  // namespace lumar::testing
