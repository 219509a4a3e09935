#pragma once

// What the engine reports about one font used by a document's pages.

#include <optional>
#include <string>
#include <vector>

#include "platform/pdf/cos_object.h"

namespace lumar::pdf {

struct Font {
    // /BaseFont without its slash (a subset font keeps its "ABCDEF+"
    // prefix); for a Type3 font without one, its /Name or else the resource
    // name it was found under.
    std::string name;
    // /Subtype without its slash: "Type1", "TrueType", "Type0", "Type3" ...
    std::string subtype;
    // The name of a standard encoding: the /Encoding name, the /BaseEncoding
    // of an encoding dictionary without /Differences, or the CMap name of a
    // composite font. nullopt for a custom encoding (differences, an
    // embedded CMap without a name) and for a font without /Encoding, which
    // uses the encoding built into it.
    std::optional<std::string> encoding;
    // The font program is in the file: /FontFile, /FontFile2 or /FontFile3 in
    // the descriptor (of the first descendant for a composite font). A Type3
    // font draws its glyphs with the file's own content and counts as
    // embedded.
    bool embedded = false;
    // The descendant fonts of a composite (Type0) font, reported the same way.
    std::vector<Font> descendants;
    // The font dictionary itself.
    CosObject object;
};

}  // namespace lumar::pdf
