#pragma once

// Tools of the page views, registered by type name, and the active tool.
// The host brings its standard tool; extensions register theirs with a tool
// record of host callbacks.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/host_types.h"

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

private:
    std::vector<std::unique_ptr<Tool>> tools_;
    Tool* active_ = nullptr;
    bool persistent_ = false;
};

}  // namespace lumar::host
