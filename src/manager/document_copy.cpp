#include "manager/document_copy.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/host/roles.h"
#include "ui/message_box.h"

namespace lumar {

int CopyDocumentFile(const std::string& source, const std::string& target) {
    namespace fs = std::filesystem;
    const fs::path targetPath(target);
    const fs::path temporary =
        targetPath.parent_path() / ("." + targetPath.filename().string() + ".copy");
    std::error_code error;
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
    if (!error) {
        fs::rename(temporary, targetPath, error);
    }
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return error.value() != 0 ? error.value() : EIO;
    }
    return 0;
}

void ReportCopyError(int errorCode) {
    static const char* const kText = "Error copying document.";
    if (errorCode == 0) {
        host::alertNote(kText);
        return;
    }
    const char* systemText = std::strerror(errorCode);
    char text[512];
    if (systemText != nullptr && *systemText != '\0') {
        std::snprintf(text, sizeof text, "%s %s", kText, systemText);
        ShowMessageBox("Lumar", text, MessageIcon::Information);
    } else {
        std::snprintf(text, sizeof text, "%s %ld", kText, static_cast<long>(errorCode));
        ShowMessageBox("Lumar", text, MessageIcon::None);
    }
}

}  // namespace lumar
