#pragma once

// The footer region tool in the host's page views: the click, cursor and
// drawing procedures. They work in the view's device coordinates and move
// the tool's state (footer_region.h), which is in page coordinates.

#include "platform/host/page_view.h"
#include "platform/host/tool_set.h"

namespace lumar {

// Not selected: the user drags out a region. Selected: a click well inside
// confirms it; with the button still down near the region a handle is
// dragged; elsewhere the region is dropped. The view is drawn again.
bool RegionToolClick(host::Tool* tool, host::PageView* view, int x, int y, int flags,
                     int clickCount);

// While a region is awaited: the pointing hand well inside the selected
// region, else the drawing cross. Left to the host otherwise.
bool RegionToolCursor(host::Tool* tool, host::PageView* view, int x, int y);

// Draws the selected region's outline with its handles in red.
void DrawFooterRegion(host::PageView* view, const host::DeviceRect* update, void* clientData);

}  // namespace lumar
