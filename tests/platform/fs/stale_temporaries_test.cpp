// Sweeping the temporary files of killed saves: only files of our naming
// pattern and creation permissions, only once they are old, nothing else.

#include "platform/fs/stale_temporaries.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "fixtures/temp_dir.h"
#include "platform/fs/atomic_replacement.h"
#include "platform/fs/folder_files.h"

namespace lumar::fs {
namespace {

using fixtures::TempDir;
using testing::namesIn;
using testing::writeFile;
namespace fsys = std::filesystem;

// Sets the file's modification time `age` into the past (the link itself
// for a symbolic link).
void makeOld(const fsys::path& path, std::chrono::seconds age = std::chrono::hours(2)) {
    timespec times[2];
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= age.count();
    times[1] = times[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

TEST(StaleTemporaries, AKilledSaveLeavesATemporaryFileThatIsSweptOnceOld) {
    TempDir dir;
    const fsys::path target = dir / "Demo1H004.pdf";
    writeFile(target, "the binder as it was");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicReplacement replacement(target);
        replacement.write(std::string(100000, 'n'));
        const char done = 1;
        (void)::write(ready[1], &done, 1);
        ::pause();
        ::_exit(0);
    }
    char done = 0;
    ASSERT_EQ(::read(ready[0], &done, 1), 1);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_TRUE(WIFSIGNALED(status));

    std::vector<std::string> names = namesIn(dir.path());
    ASSERT_EQ(names.size(), 2u);
    const std::string left = names[0] == "Demo1H004.pdf" ? names[1] : names[0];
    EXPECT_TRUE(isTemporaryName(left)) << left;

    // Young, it may belong to a save still running: it stays.
    EXPECT_EQ(sweepStaleTemporaries(dir.path()), 0u);
    EXPECT_EQ(namesIn(dir.path()).size(), 2u);
    // An hour later the next command's sweep removes it, and only it.
    makeOld(dir / left);
    makeOld(target);
    EXPECT_EQ(sweepStaleTemporaries(dir.path()), 1u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"Demo1H004.pdf"});
    EXPECT_EQ(testing::readFile(target), "the binder as it was");
}

TEST(StaleTemporaries, TouchNothingElse) {
    TempDir dir;
    const fsys::path outside = dir / "outside";
    fsys::create_directory(outside);
    writeFile(outside / "kept.pdf", "elsewhere");
    ::chmod((outside / "kept.pdf").c_str(), 0600);
    const struct {
        const char* name;
        mode_t mode;
    } files[] = {
        {"binder.pdf", 0600},   // a document
        {".notes", 0600},       // a hidden file of the user
        {".a.ABCDEFG", 0600},   // seven letters
        {".a.ABCDEFG-", 0600},  // a letter we never use
        {"..ABCDEFGH", 0600},   // no name before the letters
        {".b.ABCDEFGH", 0644},  // permissions a commit gives
        {".registry.reg.lock", 0600},
    };
    for (const auto& file : files) {
        writeFile(dir / file.name, "x");
        ::chmod((dir / file.name).c_str(), file.mode);
        makeOld(dir / file.name);
    }
    // A link and a folder of the pattern: never followed or removed.
    fsys::create_symlink(outside / "kept.pdf", dir / ".c.ABCDEFGH");
    makeOld(dir / ".c.ABCDEFGH");
    fsys::create_directory(dir / ".d.ABCDEFGH");
    ::chmod((dir / ".d.ABCDEFGH").c_str(), 0700);
    // Our own stale file, the one thing to go.
    writeFile(dir / ".binder.pdf.Ab3dEf9H", "partial");
    ::chmod((dir / ".binder.pdf.Ab3dEf9H").c_str(), 0600);
    makeOld(dir / ".binder.pdf.Ab3dEf9H");

    const std::vector<std::string> before = namesIn(dir.path());
    EXPECT_EQ(sweepStaleTemporaries(dir.path()), 1u);
    std::vector<std::string> expected;
    for (const std::string& name : before) {
        if (name != ".binder.pdf.Ab3dEf9H") {
            expected.push_back(name);
        }
    }
    EXPECT_EQ(namesIn(dir.path()), expected);
    EXPECT_EQ(testing::readFile(outside / "kept.pdf"), "elsewhere");
    // A missing folder is no error.
    EXPECT_EQ(sweepStaleTemporaries(dir / "missing"), 0u);
}

}  // namespace
}  // namespace lumar::fs
