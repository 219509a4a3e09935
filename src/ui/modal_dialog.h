#pragma once

// How a dialog model is shown modally. A model never makes a window: its
// command asks DoModal, and whatever the host's user interface installed for
// that kind of model shows it (a Qt view in the plug-in module, a script in
// tests, flags on the command line).
//
//   CSettingsDlg dialog(parent);
//   if (DoModal(dialog, parent) == kIdOk) ...

#include <functional>

namespace lumar {

// How a modal dialog ended.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Shows `model` modally over the platform window `parent` (or the host's
// main window when none) and returns how it ended.
template <typename Model>
using ModalPresenter = std::function<int(Model& model, void* parent)>;

template <typename Model>
ModalPresenter<Model>& PresenterOf() {
    static ModalPresenter<Model> presenter;
    return presenter;
}

// Installs the presenter of one kind of model and returns the one replaced.
template <typename Model>
ModalPresenter<Model> SetPresenter(ModalPresenter<Model> presenter) {
    ModalPresenter<Model> previous = std::move(PresenterOf<Model>());
    PresenterOf<Model>() = std::move(presenter);
    return previous;
}

// Without a presenter nothing can be shown: the dialog counts as cancelled.
template <typename Model>
int DoModal(Model& model, void* parent) {
    const ModalPresenter<Model>& presenter = PresenterOf<Model>();
    return presenter ? presenter(model, parent) : kIdCancel;
}

}  // namespace lumar
