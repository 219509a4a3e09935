#include "config/document_folders.h"

#include <sys/stat.h>

#include "config/alert_note.h"
#include "config/file_names.h"
#include "config/file_system_path.h"
#include "config/path_check.h"
#include "config/settings_store.h"
#include "platform/fs/stale_temporaries.h"

namespace lumar {

namespace {

struct FolderTexts {
    std::string_view setting;
    std::string_view noun;  // as it stands in the messages
};

FolderTexts textsOf(FolderKind kind) {
    switch (kind) {
    case FolderKind::Annotations:
        return {"Annotations", "annotations"};
    case FolderKind::Binders:
        return {"Base_docs", "binders"};
    case FolderKind::Supplements:
        return {"Supp_docs", "supplements"};
    }
    return {"", ""};
}

}  // namespace

std::string_view FolderSettingName(FolderKind kind) {
    return textsOf(kind).setting;
}

std::string ResolveFolder(FolderKind kind, std::optional<std::string_view> sapCode) {
    const FolderTexts texts = textsOf(kind);
    std::string folder;
    ReadTextSetting("Uri", texts.setting, folder);
    if (folder.empty()) {
        ShowAlertNote("No " + std::string(texts.noun) + " folder set");
        return "";
    }
    if (!CheckPath(folder, true, true)) {
        ShowAlertNote("Invalid " + std::string(texts.noun) + " folder: \"" + folder + "\"");
        return "";
    }
    // Every command that writes documents resolves its folders first: the
    // place to clear what a killed save left there.
    fs::sweepStaleTemporariesOnce(FileSystemPath(folder));
    if (!sapCode || sapCode->empty()) {
        return folder;
    }
    std::uint32_t appendSap = 0;
    ReadNumberSetting("Uri", "Append_SAP", appendSap);
    if (appendSap != 1) {
        return folder;
    }
    std::string combined = DocumentPath(folder, MakeFileNameComponent(*sapCode));
    if (!CheckPath(combined, true, true)) {
        ::mkdir(FileSystemPath(combined).c_str(), 0777);
        if (!CheckPath(combined, true, true)) {
            ShowAlertNote("Invalid " + std::string(texts.noun) + " folder (combined): \"" +
                          combined + "\"");
            return "";
        }
    }
    fs::sweepStaleTemporariesOnce(FileSystemPath(combined));
    return combined;
}

}  // namespace lumar
