#pragma once

// How the manager and the details dialog open the editors of the merge
// engine: the merge data editor (also in its binder view) and the document
// annotations dialog. The editors' models live with the merge engine; the
// standard launcher builds them and shows them with DoModal. Tests may
// install their own launcher.

#include <cstdint>
#include <vector>

#include "service/ws_records.h"

namespace lumar {

// What the merge data editor is shown with. The records belong to the
// caller; the editor may change the merge record (its merge data and status).
struct MergeDataEditorRequest {
    MergeRecord* merge = nullptr;
    PublicationLastInfoRecord* publication = nullptr;
    SupplementRecord* supplement = nullptr;
    std::vector<BinderDocRecord>* binderDocuments = nullptr;
    std::int32_t firstBinder = 1;  // the binder shown first
    bool readOnly = false;
    bool mergeMode = false;
    void* parent = nullptr;  // the platform window of the calling dialog

    // Out: the publication a merge made (0 when none).
    std::int32_t mergedPublicationId = 0;
};

// What the document annotations dialog is shown with (a supplement's
// annotations: binder number 0 and no binder documents).
struct AnnotationsEditorRequest {
    std::int32_t binderNumber = 0;
    PublicationLastInfoRecord* publication = nullptr;
    SupplementRecord* supplement = nullptr;
    std::vector<BinderDocRecord>* binderDocuments = nullptr;
    bool readOnly = true;
    void* parent = nullptr;
};

class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;
    // Each returns how the dialog ended (kIdOk, kIdCancel).
    virtual int EditMergeData(MergeDataEditorRequest& request) = 0;
    virtual int EditAnnotations(AnnotationsEditorRequest& request) = 0;
};

// Installs the launcher (not owned; null: the standard one) and returns the
// one replaced.
EditorLauncher* SetEditorLauncher(EditorLauncher* launcher);

int LaunchMergeDataEditor(MergeDataEditorRequest& request);
int LaunchAnnotationsEditor(AnnotationsEditorRequest& request);

}  // namespace lumar
