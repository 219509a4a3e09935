#pragma once

// Opening a file with its associated program as the plug-in has it done:
// through the host (the desktop's opener on the desktop; the headless host
// records it). Installed at initialisation, taken away at unload.

#include "pdftools/associated_program.h"

namespace lumar {

class HostAssociatedProgram : public AssociatedProgram {
public:
    bool open(const std::string& path, void* owner) override;
};

// The plug-in's one instance.
HostAssociatedProgram& TheHostAssociatedProgram();

}  // namespace lumar
