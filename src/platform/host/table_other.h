#pragma once

// Tables that extensions import and must find, but whose operations Lumar
// does not call. The host offers them so that such extensions load.

namespace lumar::host {

struct PDFEditWriteTable {};
struct PDFEditReadTable {};
struct PDSysFontTable {};
struct PagePDEContentTable {};
struct PDSWriteTable {};
struct PDSReadTable {};
struct WinTable {};

}  // namespace lumar::host
