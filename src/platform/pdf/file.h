#pragma once

// Plain files opened through the host: text reports and footer files.

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace lumar::pdf {

// Open modes (bits, as the host passes them).
inline constexpr int kFileRead = 1;
inline constexpr int kFileWrite = 2;
inline constexpr int kFileCreate = 4;

// An open file. Mode kFileWrite | kFileCreate (6) creates a missing file and
// empties an existing one, so no tail of an older, longer file survives;
// kFileWrite (2) opens an existing file without changing it and fails when it
// is missing. Writing starts at position 0. Throws PdfError (FileNotFound,
// FileOpen, FileIo).
class File {
public:
    [[nodiscard]] static File open(const std::filesystem::path& path, int mode);

    File(File&&) noexcept;
    File& operator=(File&&) noexcept;
    ~File();

    void write(std::string_view bytes);
    void setPosition(std::int64_t position);
    [[nodiscard]] std::int64_t position() const;
    [[nodiscard]] std::int64_t length() const;
    // Closes the file; later calls throw. Closing twice is harmless.
    void close();
    [[nodiscard]] bool isOpen() const { return fd_ >= 0; }

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    File(int fd, std::filesystem::path path);
    void requireOpen() const;

    int fd_ = -1;
    std::filesystem::path path_;
};

}  // namespace lumar::pdf
