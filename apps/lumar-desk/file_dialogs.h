#pragma once

// The folder and file choosers of the desktop host: Qt file dialogs. The
// system describes file types as "label|pattern|label|pattern||"; Qt wants
// "label (patterns)" entries.

#include <QStringList>
#include <optional>
#include <string>

#include "platform/host/messages.h"

class QWidget;

namespace lumar::desk {

// "Reports (*.rep)|*.rep|All files|*.*||" -> {"Reports (*.rep)", "All files (*.*)"}.
// Several patterns of one entry are separated by ';' and become blanks; a
// label that already ends with its patterns in brackets is kept as it is.
QStringList nameFilters(const std::string& filter);

std::optional<std::string> chooseFolder(QWidget* parent, const host::FolderChoice& choice);
std::optional<std::string> chooseOpenFile(QWidget* parent, const host::FileChoice& choice);
std::optional<std::string> chooseSaveFile(QWidget* parent, const host::FileChoice& choice);

}  // namespace lumar::desk
