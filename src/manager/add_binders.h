#pragma once

// Adding a publication's binders: the user points at the first binder file
// ("Demo1H003.pdf"), the others are found by their names in its folder
// ("Demo2H003.pdf", ..., binder 10 as "DemoAH003.pdf"), each is checked,
// saved into the binders folder and registered. Binder 1 is registered last:
// it completes the load at the service.

#include <cstdint>
#include <optional>
#include <string>

#include "service/ws_requests.h"

namespace lumar {

class CManagerDlg;

namespace pdf {
class Document;
}

// The number of consecutive binders from 1 that the first binder's path
// names: each binder file must match exactly one file of the folder (names
// compared without regard to case). 0 when the path is not a usable binder
// name.
int CountBinders(const std::string& firstBinderPath);

// The file of binder `binder` of the set that `firstBinderPath` names, as
// the file system spells it; none when no single file matches.
std::optional<std::string> FindBinderFile(const std::string& firstBinderPath, int binder);

// "Add publication binders" on the manager's selected publication. Without
// `firstBinderPath` the user chooses the first binder file.
void AddPublicationBinders(CManagerDlg& manager,
                           const std::optional<std::string>& firstBinderPath = std::nullopt);

// Saves one binder to `target` (a full save), checks it and registers it
// (binder 1 is kept in DeferredBinder1() instead). Closes the document in
// every case. Returns success.
bool StoreBinder(pdf::Document* document, const std::string& target, std::int32_t publicationId,
                 std::int32_t binder);

// Binder 1's registration, held back until the other binders are in.
BinderDocInsertRequest& DeferredBinder1();

}  // namespace lumar
