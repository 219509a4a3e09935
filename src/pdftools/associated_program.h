#pragma once

// Opening a file with the program the desktop associates with its type (the
// shell's "Open" action), as the PDF check does for its report. The host's
// user interface installs what does it; without one nothing is opened.

#include <string>

namespace lumar {

class AssociatedProgram {
public:
    virtual ~AssociatedProgram() = default;
    // Opens `path` (Windows-1252) for the user; `owner` is the platform window
    // that owns any message. False when it could not be opened.
    virtual bool open(const std::string& path, void* owner) = 0;
};

// Installs the opener (not owned) and returns the one it replaces.
AssociatedProgram* SetAssociatedProgram(AssociatedProgram* opener);

// False when nothing is installed or the opener failed.
bool OpenWithAssociatedProgram(const std::string& path, void* owner);

}  // namespace lumar
