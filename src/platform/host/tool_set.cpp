#include "platform/host/tool_set.h"

#include <algorithm>

#include "platform/host/host_error.h"

namespace lumar::host {

bool Tool::isEnabled() {
    auto* test = procedureOf<ToolQueryProc>(record_.slot(kToolEnableTest));
    return test == nullptr || test(this);
}

ToolSet::ToolSet() {
    tools_.push_back(std::make_unique<Tool>(std::string(kStandardToolType), ToolRecord{}));
    active_ = tools_.front().get();
    persistent_ = true;
}

Tool* ToolSet::add(std::string_view type, const ToolRecord& record) {
    if (type.empty()) {
        throw HostError(error::kBadTool, "A tool needs a type name.");
    }
    if (Tool* existing = find(type)) {
        if (existing == active_ || existing == standardTool()) {
            throw HostError(error::kBadTool, "The tool \"" + std::string(type) +
                                                 "\" is in use and cannot be replaced.");
        }
        std::erase_if(tools_, [existing](const auto& tool) { return tool.get() == existing; });
    }
    tools_.push_back(std::make_unique<Tool>(std::string(type), record));
    return tools_.back().get();
}

Tool* ToolSet::find(std::string_view type) const {
    auto found = std::find_if(tools_.begin(), tools_.end(),
                              [type](const auto& tool) { return tool->type() == type; });
    return found != tools_.end() ? found->get() : nullptr;
}

void ToolSet::setActive(Tool* tool, bool persistent) {
    if (tool == nullptr || std::none_of(tools_.begin(), tools_.end(), [tool](const auto& known) {
            return known.get() == tool;
        })) {
        throw HostError(error::kBadTool, "Unknown tool.");
    }
    persistent_ = persistent;
    if (tool == active_) {
        return;
    }
    Tool* previous = active_;
    active_ = tool;
    if (auto* deactivate = procedureOf<ToolSwitchProc>(previous->record().slot(kToolDeactivate))) {
        deactivate(previous);
    }
    if (auto* activate = procedureOf<ToolSwitchProc>(tool->record().slot(kToolActivate))) {
        activate(tool);
    }
}

bool ToolSet::click(PageView& view, int x, int y, int flags, int clickCount) {
    auto* click = procedureOf<ToolClickProc>(active_->record().slot(kToolClick));
    return click != nullptr && click(active_, &view, x, y, flags, clickCount);
}

bool ToolSet::adjustCursor(PageView& view, int x, int y) {
    auto* cursor = procedureOf<ToolCursorProc>(active_->record().slot(kToolCursor));
    return cursor != nullptr && cursor(active_, &view, x, y);
}

void ToolSet::addDrawing(HostCallback proc, void* clientData) {
    if (proc == nullptr) {
        throw HostError(error::kBadParameter, "A drawing needs its procedure.");
    }
    if (std::none_of(drawings_.begin(), drawings_.end(), [&](const Drawing& drawing) {
            return drawing.proc == proc && drawing.clientData == clientData;
        })) {
        drawings_.push_back(Drawing{proc, clientData});
    }
}

void ToolSet::removeDrawing(HostCallback proc, void* clientData) {
    std::erase_if(drawings_, [&](const Drawing& drawing) {
        return drawing.proc == proc && drawing.clientData == clientData;
    });
}

void ToolSet::draw(PageView& view, const DeviceRect& update) {
    // A procedure may unregister itself (or another) while drawing.
    const std::vector<Drawing> drawings = drawings_;
    for (const Drawing& drawing : drawings) {
        if (auto* draw = procedureOf<DrawingProc>(drawing.proc)) {
            draw(&view, &update, drawing.clientData);
        }
    }
}

}  // namespace lumar::host
