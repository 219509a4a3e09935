#include "pdftools/footer_region.h"

#include <algorithm>
#include <string>

#include "annotations/host_frame.h"
#include "pdftools/footer_export.h"
#include "pdftools/footer_region_view.h"
#include "platform/host/roles.h"
#include "platform/host/tool_set.h"

namespace lumar {

namespace {

// 0,25 cm in points.
constexpr host::Fixed kMinimumOverlap = host::fixedFromInt(7);

FooterRegionState& State() {
    static FooterRegionState state;
    return state;
}

host::FixedRect Normalised(const host::FixedRect& rect) {
    return {std::min(rect.left, rect.right), std::max(rect.top, rect.bottom),
            std::max(rect.left, rect.right), std::min(rect.top, rect.bottom)};
}

void ShowRegionRefused() {
    host::alertNote("Data region must include at least 0,25 cm by 0,25 cm of media box region.");
}

bool ActivateRegionTool(host::Tool* /*tool*/) {
    State().toolActive = true;
    return true;
}

bool DeactivateRegionTool(host::Tool* /*tool*/) {
    FooterRegionState& state = State();
    if (state.toolActive) {
        state.selected = false;
        state.toolActive = false;
    }
    return false;
}

host::Atom RegionToolTypeProc(host::Tool* /*tool*/) {
    return host::atomFromString(kRegionToolType);
}

bool RegionToolIsPersistent(host::Tool* /*tool*/) {
    return true;
}

bool RegionToolIsEnabled(host::Tool* /*tool*/) {
    return host::activeDocument() != nullptr;
}

}  // namespace

const FooterRegionState& FooterRegion() {
    return State();
}

bool CreateRegionTool() {
    // The page views hand the tool clicks and the mouse's moves; the drawing
    // procedure stays registered and draws while a region is selected.
    host::ToolRecord record;
    record.slot(host::kToolActivate) = host::makeHostCallback(&ActivateRegionTool);
    record.slot(host::kToolDeactivate) = host::makeHostCallback(&DeactivateRegionTool);
    record.slot(host::kToolType) = host::makeHostCallback(&RegionToolTypeProc);
    record.slot(host::kToolPersistence) = host::makeHostCallback(&RegionToolIsPersistent);
    record.slot(host::kToolEnableTest) = host::makeHostCallback(&RegionToolIsEnabled);
    record.slot(host::kToolClick) = host::makeHostCallback(&RegionToolClick);
    record.slot(host::kToolCursor) = host::makeHostCallback(&RegionToolCursor);
    try {
        host::registerTool(&record);
    } catch (const host::HostError&) {
        for (const host::HostCallback callback : record.slots) {
            if (callback != nullptr) {
                host::destroyHostCallback(callback);
            }
        }
        return false;
    }
    host::HostCallback drawing = nullptr;
    try {
        drawing = host::makeHostCallback(&DrawFooterRegion);
        host::registerPageViewDrawing(drawing, nullptr);
        return true;
    } catch (const host::HostError&) {
        // The tool works, but the region will not show.
        if (drawing != nullptr) {
            host::destroyHostCallback(drawing);
        }
        return false;
    }
}

void FooterExportCommand(void* /*clientData*/) {
    if (host::activeDocument() == nullptr) {
        host::alertNote("Open a PDF first");
        return;
    }
    State().mode = RegionToolMode::WaitingForRegion;
    host::alertNote("Select footer region");
    try {
        host::Tool* tool = host::toolByType(host::atomFromString(kRegionToolType));
        if (tool != nullptr) {
            host::setActiveTool(tool, true);
        }
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
    }
}

bool FooterRegionDragged(const host::FixedRect& rect) {
    FooterRegionState& state = State();
    if (!state.selected && (rect.left != rect.right || rect.top != rect.bottom)) {
        state.selected = true;
        state.region = Normalised(rect);
    }
    return state.selected;
}

void FooterRegionResized(const host::FixedRect& rect) {
    if (State().selected) {
        State().region = Normalised(rect);
    }
}

void DropFooterRegion() {
    State().selected = false;
}

bool RegionOverlapsMediaBox(const host::FixedRect& region, const host::FixedRect& mediaBox) {
    // 64 bits: media boxes at the edge of the fixed-point range stay exact.
    const auto wide = [](host::Fixed value) { return static_cast<std::int64_t>(value); };
    return wide(region.bottom) <= wide(mediaBox.top) - kMinimumOverlap &&
           wide(region.top) >= wide(mediaBox.bottom) + kMinimumOverlap &&
           wide(region.left) <= wide(mediaBox.right) - kMinimumOverlap &&
           wide(region.right) >= wide(mediaBox.left) + kMinimumOverlap;
}

host::FixedRect ClipToMediaBox(const host::FixedRect& region, const host::FixedRect& mediaBox) {
    return {std::max(region.left, mediaBox.left), std::min(region.top, mediaBox.top),
            std::min(region.right, mediaBox.right), std::max(region.bottom, mediaBox.bottom)};
}

std::optional<host::FixedRect> CheckedFooterRegion(pdf::Document* document, int pageIndex,
                                                   const host::FixedRect& region) {
    host::FixedRect mediaBox;
    try {
        const AcquiredPage page(host::acquirePage(document, pageIndex));
        mediaBox = host::pageMediaBox(page.get());
    } catch (const host::HostError& error) {
        ShowHostError(kPageError, error);
        return std::nullopt;
    }
    const host::FixedRect normalised = Normalised(region);
    if (!RegionOverlapsMediaBox(normalised, mediaBox)) {
        ShowRegionRefused();
        return std::nullopt;
    }
    return ClipToMediaBox(normalised, mediaBox);
}

void SetFooterRegions(const host::FixedRect& region) {
    FooterRegionState& state = State();
    state.oddPageRegion = region;
    state.evenPageRegion = region;
    state.selected = false;
    state.toolActive = false;
}

RegionConfirmation ConfirmFooterRegion(const host::FixedRect& mediaBox) {
    FooterRegionState& state = State();
    if (!RegionOverlapsMediaBox(state.region, mediaBox)) {
        ShowRegionRefused();
        return RegionConfirmation::Refused;
    }
    constexpr int kOk = 1;
    if (host::alertWithButtons(host::AlertIcon::Question, "Selected region OK for all pages?", "OK",
                               "Cancel", nullptr, true) != kOk) {
        return RegionConfirmation::Cancelled;
    }
    SetFooterRegions(ClipToMediaBox(state.region, mediaBox));
    try {
        host::setActiveTool(host::standardTool(), true);
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
    }
    state.mode = RegionToolMode::Idle;
    ExportFooterText(std::nullopt);
    return RegionConfirmation::Confirmed;
}

void ResetFooterRegion() {
    State() = FooterRegionState{};
}

}  // namespace lumar
