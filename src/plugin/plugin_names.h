#pragma once

// Names the plug-in is known by in the host.

namespace lumar {

// The extension name handed over at the handshake; also the
// language-independent name of the plug-in's menu.
inline constexpr const char* kExtensionName = "TOLMA:OrvaneLumar";

inline constexpr const char* kMenuTitle = "&Lumar";

}  // namespace lumar
