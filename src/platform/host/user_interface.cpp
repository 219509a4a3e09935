#include "platform/host/user_interface.h"

#include "platform/host/host_error.h"
#include "platform/pdf/document.h"

namespace lumar::host {

namespace {

[[noreturn]] void refuseViews() {
    throw HostError(error::kUnsupported, "This application cannot open documents for plug-ins.");
}

}  // namespace

DocumentView* UserInterface::showDocument(std::unique_ptr<pdf::Document>&& /*document*/) {
    refuseViews();
}

DocumentView* UserInterface::viewShowing(const std::filesystem::path& /*path*/) {
    return nullptr;
}

void UserInterface::activate(DocumentView* /*view*/) {
    refuseViews();
}

bool UserInterface::openWithAssociatedProgram(const std::filesystem::path& /*path*/) {
    return false;
}

}  // namespace lumar::host
