#include "manager/document_copy.h"

#include <cstdio>
#include <cstring>

#include "platform/fs/file_copy.h"
#include "platform/host/roles.h"
#include "ui/message_box.h"

namespace lumar {

int CopyDocumentFile(const std::string& source, const std::string& target) {
    return fs::copyFile(source, target).value();
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
