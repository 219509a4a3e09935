#pragma once

// CUriDlg: the "URIs" page of the settings dialog. The service URI, the
// annotations, binders and supplements folders and the append-SAP flag, as
// stored under "Uri" (the committed copy) and as shown on the page.

#include <functional>
#include <string>

#include "usersettings/settings_dlg_services.h"

namespace lumar {

struct UriSettings {
    std::string serviceUri;         // "Web_service"
    std::string annotationsFolder;  // "Annotations"
    std::string bindersFolder;      // "Base_docs"
    std::string supplementsFolder;  // "Supp_docs"
    bool appendSap = true;          // "Append_SAP"; shown checked when missing

    bool operator==(const UriSettings&) const = default;
};

enum class DocumentFolder { Annotations, Binders, Supplements };

class CUriDlg {
public:
    // Longest texts the page's edits take.
    static constexpr int kTextLimit = 500;

    explicit CUriDlg(SettingsDlgServices& services);

    // Reads the settings into the committed copy and shows them.
    void Load();
    // Logs a logged-on user off first when the URI changed (compared with
    // case), then takes the screen into the committed copy and writes it.
    void Save();
    // Shows the committed copy again.
    void Reset();
    void Cancel() {}
    bool IsValid() const { return true; }
    bool IsChanged() const { return changed_; }
    bool IsInitialised() const { return initialised_; }

    const UriSettings& Screen() const { return screen_; }
    const UriSettings& Committed() const { return committed_; }

    // The user's edits.
    void SetServiceUri(const std::string& uri);
    void SetAppendSap(bool append);

    // "Browse...": the folder chooser, starting at the folder shown. True
    // when a folder was chosen (and is now shown).
    bool Browse(DocumentFolder folder, void* owner);
    const std::string& FolderShown(DocumentFolder folder) const;

    // The view shows the screen values again when this runs.
    void SetOnShow(std::function<void()> onShow) { onShow_ = std::move(onShow); }
    // The dialog hears of every change check.
    void SetOnChangeChecked(std::function<void()> notify) { notify_ = std::move(notify); }

private:
    std::string& folder(DocumentFolder which);
    void show();
    void checkChanged();

    SettingsDlgServices& services_;
    UriSettings committed_;
    UriSettings screen_;
    bool initialised_ = false;
    bool changed_ = false;
    std::function<void()> onShow_;
    std::function<void()> notify_;
};

}  // namespace lumar
