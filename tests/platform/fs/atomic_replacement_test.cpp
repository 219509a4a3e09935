// Replacing a file in one step: the target is the old contents or the whole
// new ones whatever happens to the writer, no temporary file stays behind,
// permissions follow FileMode, failures name the folder or file, and writers
// of one folder never share a temporary file.

#include "platform/fs/atomic_replacement.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "fixtures/temp_dir.h"
#include "platform/fs/folder_files.h"

namespace lumar::fs {
namespace {

using fixtures::TempDir;
using testing::namesIn;
using testing::patternText;
using testing::permissionsOf;
using testing::readFile;
using testing::writeFile;

namespace fsys = std::filesystem;

// Files grow no larger than `bytes` while this lives: a write past it fails
// with EFBIG, as a full disk fails a write midway.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            throw std::runtime_error("cannot limit the file size");
        }
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

// The process's umask set to `mask` while this lives.
class Umask {
public:
    explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
    ~Umask() { ::umask(previous_); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

private:
    mode_t previous_;
};

// --- Outcomes ----------------------------------------------------------------

// How the new contents are written: through the replacement, or by name as a
// library that opens its output file itself does.
enum class Writer { Stream, ByName };
// How the writing ends.
enum class Ending { Commits, WriterThrows, DiskRefuses, GivenUp };

const std::string& oldContents() {
    static const std::string contents = patternText(3000, 'o');
    return contents;
}

const std::string& newContents() {
    static const std::string contents = patternText(std::size_t{64} * 1024, 'n');
    return contents;
}

void writeByName(const fsys::path& file, std::string_view bytes, bool throwHalfway) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) {
        throw std::runtime_error("cannot open " + file.string());
    }
    const std::size_t half = bytes.size() / 2;
    bool written = std::fwrite(bytes.data(), 1, half, out) == half;
    if (throwHalfway) {
        std::fclose(out);
        throw std::runtime_error("writer gave up");
    }
    written = written &&
              std::fwrite(bytes.data() + half, 1, bytes.size() - half, out) == bytes.size() - half;
    if (std::fclose(out) != 0 || !written) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

void writeNew(AtomicReplacement& replacement, Writer writer, bool throwHalfway) {
    if (writer == Writer::ByName) {
        writeByName(replacement.temporaryPath(), newContents(), throwHalfway);
        return;
    }
    const std::string_view bytes = newContents();
    replacement.write(bytes.substr(0, bytes.size() / 2));
    if (throwHalfway) {
        throw std::runtime_error("writer gave up");
    }
    replacement.write(bytes.substr(bytes.size() / 2));
}

class Outcome : public ::testing::TestWithParam<std::tuple<Writer, bool, Ending>> {};

TEST_P(Outcome, TargetIsOldOrWholeNewAndNoTemporaryFileStays) {
    const auto [writer, targetExists, ending] = GetParam();
    const TempDir dir;
    const fsys::path target = dir / "binder.pdf";
    if (targetExists) {
        writeFile(target, oldContents());
    }

    std::optional<int> failure;
    try {
        AtomicReplacement replacement(target);
        EXPECT_EQ(replacement.temporaryPath().parent_path(), dir.path());
        EXPECT_TRUE(fsys::is_regular_file(replacement.temporaryPath()));
        // Nobody else may open the new contents before they are in place.
        EXPECT_EQ(permissionsOf(replacement.temporaryPath()) & 077, 0U);
        {
            std::optional<FileSizeLimit> limit;
            if (ending == Ending::DiskRefuses) {
                limit.emplace(4096);
            }
            writeNew(replacement, writer, ending == Ending::WriterThrows);
        }
        if (ending != Ending::GivenUp) {
            replacement.commit();
            EXPECT_EQ(replacement.descriptor(), -1);
        }
    } catch (const std::system_error& error) {
        failure = error.code().value();
    } catch (const std::runtime_error&) {
        failure = 0;
    }

    const bool fails = ending == Ending::WriterThrows || ending == Ending::DiskRefuses;
    EXPECT_EQ(failure.has_value(), fails);
    if (ending == Ending::DiskRefuses && writer == Writer::Stream) {
        EXPECT_EQ(failure, EFBIG);
    }
    if (ending == Ending::Commits) {
        EXPECT_EQ(readFile(target), newContents());
    } else if (targetExists) {
        EXPECT_EQ(readFile(target), oldContents());
    } else {
        EXPECT_FALSE(fsys::exists(target));
    }
    const bool targetThere = targetExists || ending == Ending::Commits;
    EXPECT_EQ(namesIn(dir.path()),
              targetThere ? std::vector<std::string>{"binder.pdf"} : std::vector<std::string>{});
}

std::string outcomeName(const ::testing::TestParamInfo<Outcome::ParamType>& info) {
    const auto [writer, targetExists, ending] = info.param;
    static const char* const kEndings[] = {"Commits", "WriterThrows", "DiskRefuses", "GivenUp"};
    return std::string(writer == Writer::Stream ? "Stream" : "ByName") +
           (targetExists ? "Replaced" : "New") + kEndings[static_cast<int>(ending)];
}

INSTANTIATE_TEST_SUITE_P(AtomicReplacement, Outcome,
                         ::testing::Combine(::testing::Values(Writer::Stream, Writer::ByName),
                                            ::testing::Bool(),
                                            ::testing::Values(Ending::Commits, Ending::WriterThrows,
                                                              Ending::DiskRefuses,
                                                              Ending::GivenUp)),
                         outcomeName);

// --- Permissions -------------------------------------------------------------

struct ModeCase {
    const char* name;
    std::optional<mode_t> existing;  // the replaced file's permissions; none: new file
    FileMode mode;
    mode_t umask;
    mode_t expected;
};

class Permissions : public ::testing::TestWithParam<ModeCase> {};

TEST_P(Permissions, FollowTheFileMode) {
    const ModeCase& c = GetParam();
    const TempDir dir;
    const fsys::path target = dir / "registry.reg";
    if (c.existing) {
        writeFile(target, "old");
        fsys::permissions(target, static_cast<fsys::perms>(*c.existing));
    }
    const Umask mask(c.umask);
    ASSERT_EQ(replaceFile(target, "new", c.mode), std::error_code());
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(permissionsOf(target), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AtomicReplacement, Permissions,
    ::testing::Values(
        ModeCase{"NewFileHonoursTheUmask", std::nullopt, FileMode::keepExisting(), 027, 0640},
        ModeCase{"NewFileGetsTheGivenMode", std::nullopt, FileMode::keepExisting(0600), 022, 0600},
        ModeCase{"ReplacedFileKeepsItsMode", 0604, FileMode::keepExisting(), 077, 0604},
        ModeCase{"ReplacedFileKeepsItsModeOverTheNewFileMode", 0644, FileMode::keepExisting(0600),
                 022, 0644},
        ModeCase{"ExactModeOverTheReplacedFiles", 0666, FileMode::exactly(0444), 022, 0444},
        ModeCase{"ExactModeOnANewFileIgnoresTheUmask", std::nullopt, FileMode::exactly(0751), 077,
                 0751}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Failures ----------------------------------------------------------------

struct FailureCase {
    const char* name;
    // Prepares the folder and gives the target.
    std::function<fsys::path(const fsys::path& folder)> target;
    int error;
    // What the message starts with, before the path named.
    const char* message;
    // The path the message names, relative to the folder.
    const char* named;
};

class Failure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(Failure, IsClearAndLeavesTheFolderAsItWas) {
    const FailureCase& c = GetParam();
    const TempDir dir;
    const fsys::path target = c.target(dir.path());
    const std::vector<std::string> before = namesIn(dir.path());

    try {
        AtomicReplacement replacement(target);
        replacement.write("new");
        replacement.commit();
        ADD_FAILURE() << "the replacement of " << target << " succeeded";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code().value(), c.error) << error.what();
        const std::string expected =
            std::string(c.message) + " " + (dir.path() / c.named).string() + ": ";
        EXPECT_EQ(std::string(error.what()).rfind(expected, 0), 0U) << error.what();
    }
    EXPECT_EQ(replaceFile(target, "new").value(), c.error);
    EXPECT_EQ(namesIn(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    AtomicReplacement, Failure,
    ::testing::Values(FailureCase{"MissingFolder",
                                  [](const fsys::path& folder) {
                                      return folder / "gone" / "a.reg";
                                  },
                                  ENOENT, "Cannot create a temporary file in", "gone"},
                      FailureCase{"FolderIsAFile",
                                  [](const fsys::path& folder) {
                                      writeFile(folder / "plain", "x");
                                      return folder / "plain" / "a.reg";
                                  },
                                  ENOTDIR, "Cannot create a temporary file in", "plain"},
                      FailureCase{"TargetIsAFolder",
                                  [](const fsys::path& folder) {
                                      fsys::create_directory(folder / "Binders");
                                      writeFile(folder / "Binders" / "kept.pdf", "x");
                                      return folder / "Binders";
                                  },
                                  EISDIR, "Cannot replace", "Binders"}),
    [](const auto& info) { return std::string(info.param.name); });

// A folder the writer may not write to refuses the temporary file. Root may
// write anywhere, so the child process gives up root first.
TEST(AtomicReplacementDeathTest, UnwritableFolderIsRefused) {
    const TempDir dir;
    fsys::permissions(dir.path(), fsys::perms::owner_all | fsys::perms::group_read |
                                      fsys::perms::group_exec | fsys::perms::others_read |
                                      fsys::perms::others_exec);
    const fsys::path locked = dir / "locked";
    fsys::create_directory(locked);
    writeFile(locked / "settings.reg", "old");
    fsys::permissions(locked / "settings.reg", fsys::perms::all);
    fsys::permissions(locked, fsys::perms::owner_read | fsys::perms::owner_exec |
                                  fsys::perms::group_read | fsys::perms::group_exec |
                                  fsys::perms::others_read | fsys::perms::others_exec);
    EXPECT_EXIT(
        {
            constexpr uid_t kNobody = 65534;
            if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
                std::_Exit(100);
            }
            try {
                AtomicReplacement replacement(locked / "settings.reg");
            } catch (const std::system_error& error) {
                std::fprintf(stderr, "%s\n", error.what());
                std::_Exit(error.code().value());
            }
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(EACCES), "Cannot create a temporary file in .*/locked: ");
    EXPECT_EQ(readFile(locked / "settings.reg"), "old");
    EXPECT_EQ(namesIn(locked), std::vector<std::string>{"settings.reg"});
}

// --- Writers of one folder ---------------------------------------------------

TEST(AtomicReplacement, WritersOfOneFileEachGetTheirOwnTemporaryFile) {
    const TempDir dir;
    const fsys::path target = dir / "settings.reg";
    AtomicReplacement first(target);
    AtomicReplacement second(target);
    EXPECT_NE(first.temporaryPath(), second.temporaryPath());
    first.write("first");
    second.write("second");
    second.commit();
    EXPECT_EQ(readFile(target), "second");
    first.commit();
    EXPECT_EQ(readFile(target), "first");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"settings.reg"});
}

// Threads replace one file over and over while another reads it: every read
// sees one writer's whole contents, and no write fails for want of its
// temporary file.
TEST(AtomicReplacement, ConcurrentWritersNeverMixTheirContents) {
    constexpr int kWriters = 4;
    constexpr int kRounds = 25;
    const TempDir dir;
    const fsys::path target = dir / "binder.pdf";
    std::vector<std::string> contents;
    contents.reserve(kWriters);
    for (int w = 0; w < kWriters; ++w) {
        contents.push_back(patternText(20000 + 1000 * w, static_cast<char>('a' + w)));
    }
    writeFile(target, contents[0]);

    std::atomic<int> failures{0};
    std::atomic<bool> writing{true};
    std::atomic<int> mixedReads{0};
    std::thread reader([&] {
        while (writing) {
            const std::string seen = readFile(target);
            if (std::find(contents.begin(), contents.end(), seen) == contents.end()) {
                ++mixedReads;
            }
        }
    });
    std::vector<std::thread> writers;
    writers.reserve(kWriters);
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            for (int round = 0; round < kRounds; ++round) {
                if (replaceFile(target, contents[w])) {
                    ++failures;
                }
            }
        });
    }
    for (std::thread& writer : writers) {
        writer.join();
    }
    writing = false;
    reader.join();

    EXPECT_EQ(failures, 0);
    EXPECT_EQ(mixedReads, 0);
    EXPECT_NE(std::find(contents.begin(), contents.end(), readFile(target)), contents.end());
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"binder.pdf"});
}

// The temporary name is shortened so that it is a valid file name beside a
// target whose name is as long as names may be.
TEST(AtomicReplacement, LongestFileNameCanBeReplaced) {
    const TempDir dir;
    const fsys::path target = dir / std::string(255, 'x');
    writeFile(target, "old");
    ASSERT_EQ(replaceFile(target, "new"), std::error_code());
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(namesIn(dir.path()).size(), 1U);
}

TEST(AtomicReplacement, CommittingTwiceIsAnError) {
    const TempDir dir;
    AtomicReplacement replacement(dir / "a.txt");
    replacement.commit();
    EXPECT_THROW(replacement.commit(), std::logic_error);
    EXPECT_THROW(replacement.write("late"), std::logic_error);
    EXPECT_EQ(readFile(dir / "a.txt"), "");
}

}  // namespace
}  // namespace lumar::fs
