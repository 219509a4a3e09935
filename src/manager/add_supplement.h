#pragma once

// Adding a supplement: the host's active document becomes the next
// supplement of the manager's selected publication. The user chooses its
// number (the proposed number or the one after it), and the details dialog
// opens in add mode, where the document is checked, registered and copied
// into the supplements folder.

#include <cstdint>
#include <optional>

#include "manager/supplement_number_dlg.h"
#include "service/ws_records.h"

namespace lumar {

class CManagerDlg;

// The number proposed for a publication's next supplement: its merged
// supplement's number; for a publication without one, the number in binder
// 1's file name ("Demo1H003.pdf" -> 3), else 0.
std::int32_t ProposedSupplementNumber(const PublicationLastInfoRecord& publication);

// "Add supplement" on the manager's selected publication. With `choice`
// the number dialog is not shown and the choice is taken as given.
void AddSupplement(CManagerDlg& manager,
                   std::optional<CSupplementNumberDlg::Choice> choice = std::nullopt);

}  // namespace lumar
