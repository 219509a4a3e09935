#pragma once

// The footer region tool: the user draws a rectangle (the footer region) on
// a page with the plug-in's own tool, may resize it or draw it again, and
// confirms it with a click inside; the confirmed region, clipped to the
// page's media box, is then used for every page and the footer text is
// exported (footer_export.h).
//
// This is the tool's state in page coordinates (16.16 fixed point, y
// upwards). The page view converts to and from device coordinates, lets the
// user drag, draws the region while one is selected and calls the
// transitions below:
//
//   mode 0 --(export command)--> mode 2, tool active
//          --FooterRegionDragged--> selected
//          --(FooterRegionResized | DropFooterRegion + FooterRegionDragged)*-->
//          --ConfirmFooterRegion "OK"--> regions stored, standard tool, mode 0, export
//
// Choosing another tool deactivates the region tool and drops the selection;
// mode 2 then stays until the next confirmation or export command.

#include <optional>

#include "platform/host/host_types.h"

namespace lumar {

namespace pdf {
class Document;
}

inline constexpr const char* kRegionToolType = "TOLMA:Lumar_RegionTool";

enum class RegionToolMode { Idle = 0, WaitingForRegion = 2 };

struct FooterRegionState {
    RegionToolMode mode = RegionToolMode::Idle;
    // A region has been drawn and is shown.
    bool selected = false;
    // The host has the region tool active.
    bool toolActive = false;
    // The drawn region.
    host::FixedRect region{};
    // The confirmed regions: for pages with an even index (page numbers 1,
    // 3, ...) and for pages with an odd index. The confirmation stores the
    // same rectangle in both.
    host::FixedRect oddPageRegion{};
    host::FixedRect evenPageRegion{};
};

// The process-wide state.
const FooterRegionState& FooterRegion();

// Registers the region tool with the host (at initialisation, before the
// export's menu item is added). False when the host refused it.
bool CreateRegionTool();

// The menu command "Export footer information...": with an active document
// asks for the footer region and makes the region tool active.
void FooterExportCommand(void* clientData);

// The user dragged out `rect` while no region was selected: it becomes the
// selected region when it has any extent (a plain click draws none).
// Returns whether a region is selected now.
bool FooterRegionDragged(const host::FixedRect& rect);

// The user dragged a handle of the selected region: `rect` is the new region.
void FooterRegionResized(const host::FixedRect& rect);

// The selection goes (a click outside the region, or the region dragged far
// away).
void DropFooterRegion();

// True when the region overlaps the media box by at least 7 units (0,25 cm)
// in each direction.
bool RegionOverlapsMediaBox(const host::FixedRect& region, const host::FixedRect& mediaBox);

// The region clipped to the media box.
host::FixedRect ClipToMediaBox(const host::FixedRect& region, const host::FixedRect& mediaBox);

enum class RegionConfirmation {
    Refused,    // too little of the media box: "Data region must include ..." was shown
    Cancelled,  // the user answered "Cancel"; nothing changed
    Confirmed,  // stored for all pages and exported
};

// A click inside the selected region, on a page with `mediaBox`: checks the
// region, asks "Selected region OK for all pages?" and on "OK" stores the
// region clipped to the media box for all pages, returns the host to its
// standard tool, sets mode 0 and exports the footer text of the active
// document. After a refusal the caller goes on as for a click outside the
// region.
RegionConfirmation ConfirmFooterRegion(const host::FixedRect& mediaBox);

// For callers that have a region without the tool (the command line): the
// region checked against the media box of page `pageIndex` and clipped to it,
// as a confirmation does it; none when it is refused (the 0,25 cm message has
// been shown) or the page cannot be had (its failure has been shown).
std::optional<host::FixedRect> CheckedFooterRegion(pdf::Document* document, int pageIndex,
                                                   const host::FixedRect& region);

// Stores `region` as the region of every page, as a confirmation does (the
// selection goes, the tool counts as inactive).
void SetFooterRegions(const host::FixedRect& region);

// Without a region confirmed or dragged, or for tests: back to the state at
// start-up.
void ResetFooterRegion();

}  // namespace lumar
