// Opening the supplement that a merge takes its pages from.

#include <string>

#include "config/file_names.h"
#include "merge/merge_state.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar {

pdf::Document* OpenSupplement(MergeState& state) {
    // Identifier 0 would not restrict the list: it would deliver other supplements.
    if (state.mergeRecord.Supplement_ID <= 0) {
        host::alertNote("Supplement not found.");
        return nullptr;
    }
    SupplementListRequest request;
    request.LogUser_ID = LogUserID();
    request.Supplement_ID = state.mergeRecord.Supplement_ID;
    WSListResult<SupplementRecord> supplements;
    {
        CWSClient client;
        if (!client.SupplementList(request, supplements) || supplements.Records.empty()) {
            host::alertNote(!supplements.Message.empty() ? supplements.Message
                                                         : std::string("Supplement not found."));
            return nullptr;
        }
    }
    const std::string& fileName = supplements.Records.front().Doc_file;
    if (!IsSafeDocumentFileName(fileName)) {
        host::alertNote("Invalid document file name: " + fileName);
        return nullptr;
    }
    const std::string& folder = SupplementsFolder(state);
    if (folder.empty()) {
        return nullptr;
    }
    const std::optional<std::string> path = FindFileIgnoringCase(DocumentPath(folder, fileName));
    if (!path) {
        return nullptr;
    }
    host::FileSystem* fileSystem = host::defaultFileSystem();
    const host::HeldPath hostPath(fileSystem, host::pathFromPlatformPath(fileSystem, *path));
    return host::openDocument(hostPath.get(), fileSystem, true);
}

}  // namespace lumar
