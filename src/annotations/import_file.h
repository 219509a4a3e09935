#pragma once

// An annotation import file read line by line as a text file: a line is at
// most 1023 characters (the rest of a longer line comes as the next line), a
// CR LF line end reads as LF, the line end stays part of the line, and a line
// ends at a NUL byte (what follows it within the line is dropped).

#include <cstdio>
#include <optional>
#include <string>

namespace lumar {

class ImportFile {
public:
    // Opens the file at the platform path; isOpen() tells whether it could.
    explicit ImportFile(const std::string& path);
    ~ImportFile();
    ImportFile(const ImportFile&) = delete;
    ImportFile& operator=(const ImportFile&) = delete;

    [[nodiscard]] bool isOpen() const { return file_ != nullptr; }

    // The next line, or none at the end of the file.
    std::optional<std::string> nextLine();

    // True when every line left is blank (blanks, TABs and line ends only).
    bool restIsBlank();

    void close();

private:
    std::FILE* file_ = nullptr;
};

}  // namespace lumar
