// Finishing a binder that the merge does not change: copy its file under the
// new name and register the copy with the binder's recorded figures.

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "config/file_names.h"
#include "merge/merge_state.h"
#include "platform/fs/file_copy.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar {

namespace {

// Copies the binder's file; 0 or the errno of the failure. A copy that was
// written is noted for the run.
int CopyBinderFile(MergeState& state, const std::string& sourcePath, const std::string& target) {
    const std::optional<std::string> source = FindFileIgnoringCase(sourcePath);
    if (!source) {
        return ENOENT;
    }
    std::error_code ignored;
    if (std::filesystem::equivalent(*source, target, ignored)) {
        return 0;  // already there
    }
    // The target is either the old file or the whole copy.
    const int error = fs::copyFile(*source, target).value();
    if (error == 0) {
        RememberWrittenFile(state, target);
    }
    return error;
}

std::string SystemText(int error) {
    return std::strerror(error);
}

// Registers the copy with the figures of the binder's record.
bool RegisterCopy(MergeState& state, std::int32_t w, const std::string& fileName) {
    BinderDocListRequest list;
    list.LogUser_ID = LogUserID();
    list.Publication_ID = state.publication.Publication_ID;
    list.Binder_number = w;
    list.Annotation_dataGet = 1;
    WSListResult<BinderDocRecord> found;
    {
        CWSClient client;
        if (!client.BinderDocList(list, found) || found.Records.empty()) {
            host::alertNote(!found.Message.empty()
                                ? found.Message
                                : FormatText("Binder %d has no binder document.", w));
            return true;  // the copy still counts
        }
    }
    const BinderDocRecord& record = found.Records.front();

    BinderDocInsertRequest insert;
    insert.LogUser_ID = LogUserID();
    insert.Publication_ID = state.mergeRecord.Publication_ID;
    insert.Binder_number = w;
    insert.Page_count = record.Page_count;
    insert.Pdf_version = record.Pdf_version;
    insert.Pdf_font_error_count = record.Pdf_font_error_count;
    insert.Pdf_OK = record.Pdf_OK;
    insert.Annotation_data = record.Annotation_data;
    insert.Doc_file = fileName;
    insert.Publication_update = false;
    if (w == 1) {
        state.deferredBinder1 = insert;
        state.deferredBinder1Filled = true;
    } else {
        if (state.insertedIds[w] != 0) {
            BinderDocDeleteRequest remove;
            remove.LogUser_ID = LogUserID();
            remove.BinderDoc_ID = state.insertedIds[w];
            CWSClient client;
            WSIdResult result;
            if (!client.BinderDocDelete(remove, result)) {
                host::alertNote(result.Message);
                return false;
            }
            state.insertedIds[w] = 0;
        }
        CWSClient client;
        WSIdResult result;
        if (!client.BinderDocInsert(insert, result)) {
            host::alertNote(result.Message);
            return false;
        }
        state.insertedIds[w] = result.Id;
    }

    const std::int32_t maximum = state.publication.Max_page_count_per_binder;
    if (BinderIsFinal(state, w) && maximum > 0 && record.Page_count > maximum) {
        host::alertNote(FormatText("Maximum of %ld pages per binder exceeded for binder %d.",
                                   static_cast<long>(maximum), w));
    }
    return true;
}

}  // namespace

bool CopyBinder(MergeState& state, const std::string& sourcePath, const std::string& newName,
                const std::string& temporaryName) {
    const std::int32_t w = state.workingBinder;
    // An update leaves a binder without commands as it is.
    if (state.updateMode) {
        return true;
    }
    // A binder written earlier in this run is registered with what was written.
    if (!state.savedFileNames[w].empty()) {
        return true;
    }
    const std::string& folder = BindersFolder(state);
    if (folder.empty()) {
        return false;
    }
    std::string fileName = newName.empty() ? temporaryName : newName;
    if (state.publication.Supplement_number_done == state.publication.Supplement_number_next) {
        // Same supplement number: the binder's file serves as it is.
        fileName = std::string(FileNamePart(sourcePath));
    } else if (const int error = CopyBinderFile(state, sourcePath, DocumentPath(folder, fileName));
               error != 0) {
        if (newName.empty()) {
            host::alertNote("Error copying binder. " + SystemText(error));
            return false;
        }
        const int again = CopyBinderFile(state, sourcePath, DocumentPath(folder, temporaryName));
        if (again != 0) {
            host::alertNote("Error copying binder. " + SystemText(again));
            return false;
        }
        host::alertNote(FormatText("Error copying binder: %s\r\nBinder copied as '%s'",
                                   SystemText(error).c_str(), temporaryName.c_str()));
        fileName = temporaryName;
    }
    state.savedFileNames[w] = fileName;
    return RegisterCopy(state, w, fileName);
}

}  // namespace lumar
