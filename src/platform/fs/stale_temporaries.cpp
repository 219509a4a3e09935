#include "platform/fs/stale_temporaries.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <mutex>
#include <set>
#include <string>

#include "platform/fs/atomic_replacement.h"

namespace lumar::fs {

namespace {

bool isStale(const struct stat& info, std::chrono::seconds minimumAge) {
    const std::time_t now = std::time(nullptr);
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 07777) == 0600 &&
           info.st_mtime + minimumAge.count() < now;
}

}  // namespace

std::size_t sweepStaleTemporaries(const std::filesystem::path& folder,
                                  std::chrono::seconds minimumAge) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return 0;
    }
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return 0;
    }
    std::size_t removed = 0;
    for (; entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        if (error) {
            break;
        }
        const std::string name = entries->path().filename().string();
        struct stat info {};
        // Looked at and removed relative to the folder, never through a link.
        if (!isTemporaryName(name) ||
            ::fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !isStale(info, minimumAge)) {
            continue;
        }
        if (::unlinkat(folderFd, name.c_str(), 0) == 0) {
            ++removed;
        }
    }
    ::close(folderFd);
    return removed;
}

std::size_t sweepStaleTemporariesOnce(const std::filesystem::path& folder) {
    static std::mutex mutex;
    static std::set<std::filesystem::path> swept;
    std::error_code error;
    std::filesystem::path key = std::filesystem::weakly_canonical(folder, error);
    if (error) {
        key = folder;
    }
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!swept.insert(key).second) {
            return 0;
        }
    }
    return sweepStaleTemporaries(folder);
}

}  // namespace lumar::fs
