#include "manager/manager_availability.h"

#include "manager/manager_commands.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"

namespace lumar {

namespace {

// Held for supplement work (status 2) by this user.
bool HeldForSupplement(const PublicationLastInfoRecord& p, const ManagerFacts& facts) {
    return p.Update_status_ID == 2 && p.Update_user_ID == facts.userId;
}

bool AvailableOn(int command, const PublicationLastInfoRecord& p, const ManagerFacts& f) {
    const bool ownUpdate = p.Update_user_ID == f.userId;
    switch (command) {
    case kCmdPublicationDetails:
        return f.level >= 2;
    case kCmdAddPublicationBinders:
        return f.level >= 4 && p.Update_status_ID == 3 && ownUpdate;
    case kCmdSupplementDetails:
        return f.level >= 3 && p.Supplement_ID_next != 0;
    case kCmdAddSupplement:
        return f.level >= 3 && HeldForSupplement(p, f) && p.Supplement_ID_next == 0 &&
               f.hostHasActiveDocument;
    case kCmdMergeDataDetails:
        return f.level >= 3 && p.Supplement_ID_next != 0 && p.Merge_ID_next != 0;
    case kCmdAddMergeData:
        return f.level >= 3 && HeldForSupplement(p, f) && p.Supplement_ID_next != 0 &&
               p.Merge_ID_next == 0;
    case kCmdLockPublication:
        return (f.level >= 4 || (f.level >= 3 && p.Binder_count != 0)) && p.Update_status_ID == 1;
    case kCmdUnlockPublication:
        return f.level >= 3 && ownUpdate &&
               (p.Update_status_ID == 2 || (p.Update_status_ID == 3 && p.Binder_count == 0));
    case kCmdRevertPublication:
        return f.level >= 4 && HeldForSupplement(p, f) && p.Merge_ID_done != 0;
    case kCmdMergePublication:
        return f.level >= 3 && HeldForSupplement(p, f) && p.Supplement_ID_next != 0 &&
               p.Merge_ID_next != 0 && p.Merge_status_ID <= 2;
    default:
        return false;
    }
}

}  // namespace

ManagerFacts CurrentManagerFacts() {
    ManagerFacts facts;
    facts.level = UserLevel();
    facts.userId = LogUserID();
    try {
        facts.hostModal = host::hostIsModal();
        facts.hostHasActiveDocument = host::activeDocument() != nullptr;
    } catch (const host::HostError&) {
        // A host that cannot answer offers nothing that depends on it.
        facts.hostModal = true;
    }
    return facts;
}

bool CommandNeedsHostNotModal(int command) {
    switch (command) {
    case kCmdPublicationDetails:
    case kCmdAddPublicationBinders:
    case kCmdSupplementDetails:
    case kCmdAddSupplement:
    case kCmdMergeDataDetails:
    case kCmdAddMergeData:
    case kCmdMergePublication:
        return true;
    default:
        return false;
    }
}

bool ManagerCommandAvailable(int command, const PublicationLastInfoRecord* selected,
                             const ManagerFacts& facts) {
    if (command == kCmdRefreshList) {
        return true;
    }
    if (CommandNeedsHostNotModal(command) && facts.hostModal) {
        return false;
    }
    return selected != nullptr && AvailableOn(command, *selected, facts);
}

int AddBindersToolTipReason(const PublicationLastInfoRecord* selected, const ManagerFacts& facts) {
    if (facts.level < 4) {
        return kTipNotAuthorised;
    }
    if (selected == nullptr) {
        return kTipNoItemSelected;
    }
    if (selected->Update_user_ID != facts.userId || selected->Update_status_ID != 3) {
        return kTipLockFirst;
    }
    return 0;
}

int CommandOfManagerButton(int button) {
    switch (button) {
    case kIdcDetails:
        return kCmdPublicationDetails;
    case kIdcAdd:
        return kCmdAddPublicationBinders;
    case kIdcSupplementDetails:
        return kCmdSupplementDetails;
    case kIdcAddSupplement:
        return kCmdAddSupplement;
    case kIdcMergeDataDetails:
        return kCmdMergeDataDetails;
    case kIdcAddMergeData:
        return kCmdAddMergeData;
    case kIdcLock:
        return kCmdLockPublication;
    case kIdcUnlock:
        return kCmdUnlockPublication;
    case kIdcRefresh:
        return kCmdRefreshList;
    case kIdcRevert:
        return kCmdRevertPublication;
    case kIdcMerge:
        return kCmdMergePublication;
    default:
        return 0;
    }
}

const char* ToolTipText(int resource) {
    switch (resource) {
    case kTipNotAuthorised:
        return "Not authorised";
    case kTipNoItemSelected:
        return "No item selected";
    case kTipNoItemsSelected:
        return "No item(s) selected";
    case kTipLockFirst:
        return "You need to lock the publication first";
    default:
        return "";
    }
}

}  // namespace lumar
