#pragma once

// The settings file held in memory line by line.
//
// Every line of the file is kept as it was read, so that rewriting the file
// changes only the lines of the values that were set: comments, other hives,
// the order of keys and damaged lines stay as they stand. A damaged line is
// reported once through the damage callback and otherwise ignored; it never
// takes another value with it.
//
// Keys are addressed by their path below HKEY_CURRENT_USER ("" is the hive's
// root) and, like value names, compared without regard to case; they keep the
// case they were written with. A key exists when the file names it or any key
// below it. When a key or value appears more than once, the last one counts,
// as it would when the file is imported.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/settings/reg_syntax.h"

namespace lumar::settings {

struct LineDamage {
    int lineNumber = 0;  // from 1
    std::string line;    // the line as it stands in the file
    std::string reason;
};

using DamageHandler = std::function<void(const LineDamage&)>;

class RegDocument {
public:
    // Reads the bytes of a settings file: UTF-8 (with or without a byte order
    // mark) or UTF-16LE with its byte order mark, LF or CRLF line ends.
    static RegDocument parse(std::string_view bytes, const DamageHandler& onDamage = {});

    // The file's text, UTF-8, with the line ends (and byte order mark) the file
    // had; LF for a new file.
    std::string serialize() const;

    bool hasKey(std::string_view key) const;
    std::optional<RegValue> value(std::string_view key, std::string_view name) const;

    // Adds the key unless it exists; returns whether the document changed.
    bool addKey(std::string_view key);

    // Replaces the value's line, or adds it to its key (adding the key first).
    void setValue(std::string_view key, std::string_view name, const RegValue& value);

private:
    enum class Kind { Verbatim, Header, Section, BrokenSection, Value };

    struct Entry {
        Kind kind = Kind::Verbatim;
        std::vector<std::string> lines;  // the file's lines, UTF-8, without line ends
        int section = -1;                // for values: the index of their section entry
        bool currentUser = false;        // for sections
        std::string keyLower;            // for sections: the key path, lower-cased
        std::string name;                // for values, as written
        std::optional<RegValue> value;   // for values; empty for a deletion
    };

    int findValue(std::string_view keyLower, std::string_view name) const;
    int findSection(std::string_view keyLower) const;
    int appendSection(std::string_view key);
    static bool isBlankEntry(const Entry& entry);

    std::vector<Entry> entries_;
    bool hasHeader_ = false;
    bool crlf_ = false;
    bool bom_ = false;  // a UTF-8 byte order mark, written back as it was
};

}  // namespace lumar::settings
