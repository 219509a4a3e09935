#include "usersettings/uri_dlg.h"

#include "config/settings_store.h"
#include "platform/text/cp1252.h"

namespace lumar {

namespace {

constexpr const char* kKey = "Uri";
constexpr const char* kChooserTitle = "Browse for Lumar folder";

const char* promptFor(DocumentFolder folder) {
    switch (folder) {
    case DocumentFolder::Annotations:
        return "Select a folder or enter the path of an annotations folder:";
    case DocumentFolder::Binders:
        return "Select a folder or enter the path of a binders folder:";
    case DocumentFolder::Supplements:
        break;
    }
    return "Select a folder or enter the path of a supplements folder:";
}

std::string readText(const char* name) {
    std::string text;
    if (!ReadTextSetting(kKey, name, text)) {
        return {};
    }
    return text;
}

}  // namespace

CUriDlg::CUriDlg(SettingsDlgServices& services) : services_(services) {}

void CUriDlg::Load() {
    committed_.serviceUri = readText("Web_service");
    committed_.annotationsFolder = readText("Annotations");
    committed_.bindersFolder = readText("Base_docs");
    committed_.supplementsFolder = readText("Supp_docs");
    std::uint32_t append = 1;
    ReadNumberSetting(kKey, "Append_SAP", append);
    committed_.appendSap = append != 0;
    screen_ = committed_;
    initialised_ = true;
    show();
    checkChanged();
}

void CUriDlg::Save() {
    // A changed service is never used by a running logon.
    if (services_.isLoggedOn() && screen_.serviceUri != committed_.serviceUri) {
        services_.logOff();
    }
    committed_ = screen_;
    WriteTextSetting(kKey, "Web_service", committed_.serviceUri);
    WriteTextSetting(kKey, "Annotations", committed_.annotationsFolder);
    WriteTextSetting(kKey, "Base_docs", committed_.bindersFolder);
    WriteTextSetting(kKey, "Supp_docs", committed_.supplementsFolder);
    WriteNumberSetting(kKey, "Append_SAP", committed_.appendSap ? 1 : 0);
    checkChanged();
}

void CUriDlg::Reset() {
    screen_ = committed_;
    show();
    checkChanged();
}

void CUriDlg::SetServiceUri(const std::string& uri) {
    screen_.serviceUri = uri;
    checkChanged();
}

void CUriDlg::SetAppendSap(bool append) {
    screen_.appendSap = append;
    checkChanged();
}

std::string& CUriDlg::folder(DocumentFolder which) {
    switch (which) {
    case DocumentFolder::Annotations:
        return screen_.annotationsFolder;
    case DocumentFolder::Binders:
        return screen_.bindersFolder;
    case DocumentFolder::Supplements:
        break;
    }
    return screen_.supplementsFolder;
}

const std::string& CUriDlg::FolderShown(DocumentFolder which) const {
    return const_cast<CUriDlg*>(this)->folder(which);
}

bool CUriDlg::Browse(DocumentFolder which, void* owner) {
    std::string& shown = folder(which);
    const std::optional<std::string> chosen =
        services_.chooseFolder(shown, kChooserTitle, promptFor(which), owner);
    if (chosen) {
        shown = *chosen;
        show();
    }
    checkChanged();
    return chosen.has_value();
}

void CUriDlg::show() {
    if (onShow_) {
        onShow_();
    }
}

void CUriDlg::checkChanged() {
    // The service URI is compared with case; folders name places in a file
    // system that does not tell case apart.
    changed_ = screen_.serviceUri != committed_.serviceUri ||
               !text::equalsIgnoreCase(screen_.annotationsFolder, committed_.annotationsFolder) ||
               !text::equalsIgnoreCase(screen_.bindersFolder, committed_.bindersFolder) ||
               !text::equalsIgnoreCase(screen_.supplementsFolder, committed_.supplementsFolder) ||
               screen_.appendSap != committed_.appendSap;
    if (notify_) {
        notify_();
    }
}

}  // namespace lumar
