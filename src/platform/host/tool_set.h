#pragma once

// Tools of the page views, registered by type name, and the active tool.
// The host brings its standard tool; extensions register theirs with a tool
// record of host callbacks. The page views hand clicks and the mouse's
// moves to the active tool and let the registered drawing procedures draw
// over every page they show.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/host_types.h"
#include "platform/host/page_view.h"

namespace lumar::host {

// Slots of a tool record, counted from 1 after the size field.
enum ToolSlot : int {
    kToolActivate = 1,
    kToolDeactivate = 2,
    kToolType = 6,
    kToolPersistence = 7,
    kToolEnableTest = 9,
    kToolClick = 14,
    kToolCursor = 15,
};
inline constexpr int kToolSlotCount = 23;

// Procedure signatures of the slots the host calls itself.
using ToolSwitchProc = bool(Tool* tool);  // activate, deactivate
using ToolTypeProc = Atom(Tool* tool);
using ToolQueryProc = bool(Tool* tool);  // persistence query, enable test
// A click at (x, y) in device coordinates; `flags` are the keyboard's
// modifiers, `clickCount` 2 for a double click. True when the tool handled it.
using ToolClickProc = bool(Tool* tool, PageView* view, int x, int y, int flags, int clickCount);
// The mouse is over (x, y): the tool sets the cursor and answers true, or
// leaves it to the host.
using ToolCursorProc = bool(Tool* tool, PageView* view, int x, int y);
// Draws over a page while the host draws it; `update` is the area drawn.
using DrawingProc = void(PageView* view, const DeviceRect* update, void* clientData);

struct ToolRecord {
    std::uint32_t size = sizeof(ToolRecord);
    std::array<HostCallback, kToolSlotCount> slots{};

    HostCallback& slot(int number) { return slots.at(static_cast<std::size_t>(number - 1)); }
    [[nodiscard]] HostCallback slot(int number) const {
        return slots.at(static_cast<std::size_t>(number - 1));
    }
};

// The type name of the host's standard tool.
inline constexpr std::string_view kStandardToolType = "Hand";

class Tool {
public:
    Tool(std::string type, const ToolRecord& record) : type_(std::move(type)), record_(record) {}

    [[nodiscard]] const std::string& type() const { return type_; }
    [[nodiscard]] const ToolRecord& record() const { return record_; }
    bool isEnabled();

private:
    std::string type_;
    ToolRecord record_;
};

class ToolSet {
public:
    ToolSet();

    // Registers a tool under `type`, replacing an earlier tool of that type
    // (which must not be active). Returns the host's tool.
    Tool* add(std::string_view type, const ToolRecord& record);

    [[nodiscard]] Tool* find(std::string_view type) const;
    [[nodiscard]] Tool* standardTool() const { return tools_.front().get(); }

    // Makes `tool` the active tool: the previous one is told it is
    // deactivated, then `tool` that it is activated.
    void setActive(Tool* tool, bool persistent);
    [[nodiscard]] Tool* active() const { return active_; }
    [[nodiscard]] bool activeIsPersistent() const { return persistent_; }

    [[nodiscard]] std::size_t count() const { return tools_.size(); }

    // A click on a page: true when the active tool handled it (the standard
    // tool handles none; the page view does what it does by itself).
    bool click(PageView& view, int x, int y, int flags, int clickCount);
    // The mouse over a page: true when the active tool set the cursor.
    bool adjustCursor(PageView& view, int x, int y);

    // Drawing procedures, called in the order registered for every page
    // drawn. The same procedure and client data are registered once.
    void addDrawing(HostCallback proc, void* clientData);
    void removeDrawing(HostCallback proc, void* clientData);
    [[nodiscard]] bool hasDrawings() const { return !drawings_.empty(); }
    void draw(PageView& view, const DeviceRect& update);

private:
    struct Drawing {
        HostCallback proc;
        void* clientData;
    };

    std::vector<std::unique_ptr<Tool>> tools_;
    std::vector<Drawing> drawings_;
    Tool* active_ = nullptr;
    bool persistent_ = false;
};

}  // namespace lumar::host
