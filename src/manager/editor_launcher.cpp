#include "manager/editor_launcher.h"

#include <utility>

#include "merge/annotations_dlg.h"
#include "merge/merge_data_dlg.h"
#include "ui/modal_dialog.h"

namespace lumar {

namespace {

// Shows the merge engine's editors through their installed presenters.
// Without a presenter (the command line) the merge data editor runs without
// a window, so that an immediate merge still happens; the annotations
// dialog, which only edits, counts as cancelled.
class ModalEditorLauncher : public EditorLauncher {
public:
    int EditMergeData(MergeDataEditorRequest& request) override {
        MergeDataDlgInputs inputs;
        inputs.publication = *request.publication;
        inputs.supplement = *request.supplement;
        inputs.binderDocuments = *request.binderDocuments;
        inputs.mergeRecord = *request.merge;
        inputs.firstBinder = request.firstBinder;
        inputs.readOnly = request.readOnly;
        inputs.immediateMerge = request.mergeMode;
        CMergeDataDlg editor(std::move(inputs));
        int ended = kIdCancel;
        if (PresenterOf<CMergeDataDlg>()) {
            ended = DoModal(editor, request.parent);
        } else if (request.mergeMode) {
            editor.OnInitDialog(nullptr);
            editor.OnTimer();
            editor.OnDestroy();
        }
        *request.merge = editor.Record();
        request.mergedPublicationId = editor.NewPublicationId();
        return ended;
    }

    int EditAnnotations(AnnotationsEditorRequest& request) override {
        AnnotationsDlgInputs inputs;
        inputs.publication = *request.publication;
        if (request.binderDocuments != nullptr) {
            inputs.binderDocuments = *request.binderDocuments;
        }
        if (request.supplement != nullptr) {
            inputs.supplement = *request.supplement;
        }
        inputs.binder = request.binderNumber;
        inputs.readOnly = request.readOnly;
        CAnnotationsDlg dialog(std::move(inputs));
        return DoModal(dialog, request.parent);
    }
};

ModalEditorLauncher modalLauncher;
EditorLauncher* installedLauncher = &modalLauncher;

}  // namespace

EditorLauncher* SetEditorLauncher(EditorLauncher* launcher) {
    EditorLauncher* previous = installedLauncher;
    installedLauncher = launcher != nullptr ? launcher : &modalLauncher;
    return previous;
}

int LaunchMergeDataEditor(MergeDataEditorRequest& request) {
    return installedLauncher->EditMergeData(request);
}

int LaunchAnnotationsEditor(AnnotationsEditorRequest& request) {
    return installedLauncher->EditAnnotations(request);
}

}  // namespace lumar
