#include "pdftools/associated_program.h"

namespace lumar {

namespace {
AssociatedProgram* installed = nullptr;
}

AssociatedProgram* SetAssociatedProgram(AssociatedProgram* opener) {
    AssociatedProgram* previous = installed;
    installed = opener;
    return previous;
}

bool OpenWithAssociatedProgram(const std::string& path, void* owner) {
    return installed != nullptr && installed->open(path, owner);
}

}  // namespace lumar
