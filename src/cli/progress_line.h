#pragma once

// The progress dialog of long operations as one line on standard error,
// redrawn in place, when standard error is a terminal (and not --quiet).
// Nothing can be cancelled from the command line but by interrupting it.

#include <memory>

#include "ui/progress.h"

namespace lumar::cli {

class ProgressLine : public ProgressWindows {
public:
    std::unique_ptr<ProgressWindow> Create(CProgressDlg& dialog, void* parent) override;
    void EnableWindow(void* /*window*/, bool /*enable*/) override {}
    void PumpMessages() override {}
};

}  // namespace lumar::cli
