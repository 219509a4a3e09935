#pragma once

// Warnings about damaged lines of the settings file.
//
// The file is read again for every operation, so a damaged line would be
// reported over and over; each damaged line of each file is reported once per
// process instead. By default warnings go to standard error.

#include <functional>
#include <string>

#include "platform/settings/reg_document.h"

namespace lumar::settings {

using WarningHandler = std::function<void(const std::string& message)>;

// Installs the handler (empty: standard error). Lines already reported are
// forgotten, so the new handler hears of every damaged line once.
void setWarningHandler(WarningHandler handler);

// Reports one damaged line of `file` unless it was reported before.
void warnAboutDamage(const std::string& file, const LineDamage& damage);

}  // namespace lumar::settings
