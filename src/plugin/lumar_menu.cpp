#include "plugin/lumar_menu.h"

#include "annotations/annotation_check.h"
#include "annotations/annotation_import.h"
#include "annotations/annotation_report.h"
#include "manager/manager_dlg.h"
#include "pdftools/footer_region.h"
#include "pdftools/pdf_check.h"
#include "platform/host/roles.h"
#include "plugin/logon_commands.h"
#include "plugin/settings_command.h"
#include "service/logon_store.h"
#include "shell/manager_state.h"

namespace lumar {

namespace {

constexpr int kUnsavedChanges = 1;
constexpr int kPermissionDocument = 1;
constexpr int kPermissionTextExtraction = 5;
constexpr int kPermissionGranted = 0;

bool NotModal() {
    return !host::hostIsModal();
}

// Publication manager.
bool CanOpenManager(void*) {
    return HasUserLevel(2) && !IsManagerOpen() && NotModal();
}
bool ShowOpenManager(void*) {
    return IsLoggedOn() && !IsManagerOpen();
}
bool CanCloseManager(void*) {
    return HasUserLevel(2) && IsManagerOpen() && NotModal();
}
bool ShowCloseManager(void*) {
    return IsLoggedOn() && IsManagerOpen();
}

// Commands on the active document.
bool CanWorkOnDocument(void*) {
    return HasUserLevel(3) && HostHasActiveDocument();
}
bool CanExportFooter(void*) {
    return HostHasActiveDocument() && HasUserLevel(3) && ActiveDocumentAllowsTextExtraction();
}
bool CanReportAnnotations(void*) {
    return HasUserLevel(3) && HostHasActiveDocument() && !ActiveDocumentHasUnsavedChanges();
}

// Session.
bool LoggedOn(void*) {
    return IsLoggedOn();
}
bool LoggedOff(void*) {
    return !IsLoggedOn();
}

const std::array<MenuEntry, kLumarMenuSize> kMenu = {{
    {"Open publication &manager...", "TOLMA:LumarManagerOpen", ManagerOpenCommand, CanOpenManager,
     ShowOpenManager},
    {"Close publication &manager", "TOLMA:LumarManagerClose", ManagerCloseCommand, CanCloseManager,
     ShowCloseManager},
    {"&Check PDF file", "TOLMA:LumarCheckPDF", PdfCheckCommand, CanWorkOnDocument, LoggedOn},
    {"&Export footer information...", "TOLMA:LumarVoetRegels", FooterExportCommand, CanExportFooter,
     LoggedOn},
    {"&Import annotations...", "TOLMA:LumarAnnotImport", AnnotationImportCommand, CanWorkOnDocument,
     LoggedOn},
    {"Check number of &annotations", "TOLMA:LumarAnnotCheck", AnnotationCheckCommand,
     CanWorkOnDocument, LoggedOn},
    {"Create annotation &report", "TOLMA:LumarAnnotRepYes", AnnotationReportCommand,
     CanReportAnnotations, LoggedOn},
    {"Create annotation report (&no numbers)", "TOLMA:LumarAnnotRepNo",
     AnnotationReportNoNumbersCommand, CanReportAnnotations, LoggedOn},
    {"-", "TOLMA:LumarMenuSeparator", nullptr, nullptr, nullptr},
    {"&Log on...", "TOLMA:LumarLogon", LogonCommand, LoggedOff, LoggedOff},
    {"-", "TOLMA:LumarLogonSeparator", nullptr, LoggedOff, LoggedOff},
    {"&Log off", "TOLMA:LumarLogoff", LogoffCommand, LoggedOn, LoggedOn},
    {"-", "TOLMA:LumarLogoffSeparator", nullptr, LoggedOn, LoggedOn},
    {"Settin&gs...", "TOLMA:LumarSettings", SettingsCommand, nullptr, nullptr},
}};

}  // namespace

const std::array<MenuEntry, kLumarMenuSize>& LumarMenu() {
    return kMenu;
}

bool HostHasActiveDocument() {
    return host::activeDocument() != nullptr;
}

bool ActiveDocumentAllowsTextExtraction() {
    try {
        host::DocumentView* view = host::activeDocument();
        pdf::Document* document = view != nullptr ? host::documentOfView(view) : nullptr;
        return document != nullptr &&
               host::permissionRequest(document, kPermissionDocument, kPermissionTextExtraction,
                                       nullptr) == kPermissionGranted;
    } catch (const host::HostError&) {
        return false;
    }
}

bool ActiveDocumentHasUnsavedChanges() {
    host::DocumentView* view = host::activeDocument();
    pdf::Document* document = view != nullptr ? host::documentOfView(view) : nullptr;
    if (document == nullptr) {
        return true;
    }
    try {
        return (host::documentFlags(document) & kUnsavedChanges) != 0;
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
        return true;
    }
}

}  // namespace lumar
