#include "manager/add_supplement.h"

#include <string>

#include "config/file_names.h"
#include "manager/active_document.h"
#include "manager/manager_dlg.h"
#include "manager/publication_details_dlg.h"
#include "platform/host/roles.h"
#include "platform/text/cp1252.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "ui/modal_dialog.h"

namespace lumar {

std::int32_t ProposedSupplementNumber(const PublicationLastInfoRecord& publication) {
    if (publication.Supplement_number_done != 0) {
        return publication.Supplement_number_done;
    }
    BinderDocListRequest request;
    request.LogUser_ID = LogUserID();
    request.Publication_ID = publication.Publication_ID;
    request.Binder_number = 1;
    WSListResult<BinderDocRecord> binders;
    if (!CWSClient().BinderDocList(request, binders) || binders.Records.empty()) {
        // A successful call without records has no message worth a box.
        if (!binders.Message.empty()) {
            host::alertNote(binders.Message);
        }
        return 0;
    }
    const std::string& file = binders.Records.front().Doc_file;
    const std::optional<FirstBinderName> name = ParseFirstBinderName(file);
    if (!name) {
        return 0;
    }
    const std::optional<std::string> binder1 =
        BinderFileName(name->prefix, 1, name->width, name->number);
    if (!binder1 || !text::equalsIgnoreCase(*binder1, file)) {
        return 0;
    }
    return static_cast<std::int32_t>(name->number);
}

void AddSupplement(CManagerDlg& manager, std::optional<CSupplementNumberDlg::Choice> choice) {
    PublicationLastInfoRecord* publication = manager.Selected();
    if (publication == nullptr) {
        return;
    }
    if (StorableActiveDocument() == nullptr) {
        return;
    }
    CSupplementNumberDlg numberDialog(ProposedSupplementNumber(*publication));
    if (choice) {
        if (*choice == CSupplementNumberDlg::kNoIncrement) {
            numberDialog.CheckNoIncrement();
        }
        numberDialog.OnOK();
    } else if (DoModal(numberDialog, manager.PlatformWindow()) != kIdOk) {
        return;
    }

    CPublicationDetailsDlg details(manager.PlatformWindow());
    details.SetRecord(publication);
    details.SetSupplementMode(true);
    details.SetAddMode(numberDialog.ChosenNumber());
    ShowPublicationDetails(details, manager.PlatformWindow());
    if (details.Changed()) {
        manager.Refill();
    }
    manager.UpdateButtons();
}

}  // namespace lumar
