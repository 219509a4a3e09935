#include "manager/editor_launcher.h"

#include "ui/modal_dialog.h"

namespace lumar {

namespace {
EditorLauncher* installedLauncher = nullptr;
}  // namespace

EditorLauncher* SetEditorLauncher(EditorLauncher* launcher) {
    EditorLauncher* previous = installedLauncher;
    installedLauncher = launcher;
    return previous;
}

int LaunchMergeDataEditor(MergeDataEditorRequest& request) {
    return installedLauncher != nullptr ? installedLauncher->EditMergeData(request) : kIdCancel;
}

int LaunchAnnotationsEditor(AnnotationsEditorRequest& request) {
    return installedLauncher != nullptr ? installedLauncher->EditAnnotations(request) : kIdCancel;
}

}  // namespace lumar
