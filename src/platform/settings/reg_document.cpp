#include "platform/settings/reg_document.h"

#include <algorithm>

#include "platform/settings/reg_encoding.h"
#include "platform/text/cp1252.h"

namespace lumar::settings {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// Splits the text into lines. The first line's end decides the file's line
// ends: in a CRLF file one CR is taken off the end of every line (and written
// back on every line); in an LF file a stray CR stays part of its line.
std::vector<std::string> splitLines(std::string_view text, bool& crlf) {
    const size_t firstEnd = text.find('\n');
    crlf = firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r';
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (crlf && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

bool sameKeyOrBelow(std::string_view sectionLower, std::string_view keyLower) {
    if (sectionLower.size() == keyLower.size()) {
        return sectionLower == keyLower;
    }
    return sectionLower.size() > keyLower.size() && sectionLower.starts_with(keyLower) &&
           sectionLower[keyLower.size()] == '\\';
}

}  // namespace

RegDocument RegDocument::parse(std::string_view bytes, const DamageHandler& onDamage) {
    RegDocument doc;
    std::string converted;
    if (bytes.starts_with(kUtf16Bom)) {
        converted = utf16leToUtf8(bytes.substr(kUtf16Bom.size()));
        bytes = converted;
    } else if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        doc.bom_ = true;
    }
    const std::vector<std::string> lines = splitLines(bytes, doc.crlf_);

    auto report = [&](size_t index, std::string reason) {
        if (onDamage) {
            onDamage(LineDamage{static_cast<int>(index + 1), lines[index], std::move(reason)});
        }
    };

    bool lookingForHeader = true;
    int section = -1;       // the entry of the key that values belong to
    bool orphaned = false;  // values follow a damaged key line
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string core = lineToCore(lines[i]);
        const std::string_view t = trim(core);
        Entry entry;
        entry.lines.push_back(lines[i]);
        std::string reason;
        if (t.empty() || t.front() == ';') {
            doc.entries_.push_back(std::move(entry));
            continue;
        }
        if (lookingForHeader) {
            lookingForHeader = false;
            if (t == kFileHeader) {
                entry.kind = Kind::Header;
                doc.hasHeader_ = true;
                doc.entries_.push_back(std::move(entry));
                continue;
            }
            if (onDamage) {
                onDamage(LineDamage{
                    0, "", "the file does not begin with \"" + std::string(kFileHeader) + "\""});
            }
        }
        if (t.front() == '[') {
            if (auto parsed = parseSectionLine(t, reason)) {
                entry.kind = Kind::Section;
                entry.currentUser = parsed->currentUser;
                entry.keyLower = text::toLower(parsed->key);
                doc.entries_.push_back(std::move(entry));
                section = static_cast<int>(doc.entries_.size()) - 1;
                orphaned = false;
                continue;
            }
            entry.kind = Kind::BrokenSection;
            report(i, reason);
            section = -1;
            orphaned = true;
            doc.entries_.push_back(std::move(entry));
            continue;
        }
        if (t.front() == '"' || t.front() == '@') {
            std::string logical(t);
            const size_t first = i;
            // Hex data continues while a line ends in a backslash.
            bool more = continuesOnNextLine(logical);
            while (more && i + 1 < lines.size()) {
                logical.pop_back();
                ++i;
                const std::string next(trim(lineToCore(lines[i])));
                more = !next.empty() && next.back() == '\\';
                logical += next;
                entry.lines.push_back(lines[i]);
            }
            auto parsed = parseValueLine(logical, reason);
            if (!parsed) {
                report(first, reason);
            } else if (orphaned) {
                // Belongs to a key line that could not be read: kept, not used.
            } else if (section < 0) {
                report(first, "a value before the first key line");
            } else {
                entry.kind = Kind::Value;
                entry.currentUser = doc.entries_[section].currentUser;
                entry.keyLower = doc.entries_[section].keyLower;
                entry.name = std::move(parsed->name);
                entry.value = std::move(parsed->value);
            }
            doc.entries_.push_back(std::move(entry));
            continue;
        }
        report(i, "not a key, a value or a comment");
        doc.entries_.push_back(std::move(entry));
    }
    return doc;
}

std::string RegDocument::serialize() const {
    const std::string_view eol = crlf_ ? "\r\n" : "\n";
    std::string out;
    if (bom_) {
        out.append(kUtf8Bom);
    }
    if (!hasHeader_) {
        out.append(kFileHeader).append(eol).append(eol);
    }
    for (const Entry& entry : entries_) {
        for (const std::string& line : entry.lines) {
            out.append(line).append(eol);
        }
    }
    return out;
}

bool RegDocument::hasKey(std::string_view key) const {
    if (key.empty()) {
        return true;
    }
    const std::string keyLower = text::toLower(key);
    return std::ranges::any_of(entries_, [&](const Entry& entry) {
        return entry.kind == Kind::Section && entry.currentUser &&
               sameKeyOrBelow(entry.keyLower, keyLower);
    });
}

std::optional<RegValue> RegDocument::value(std::string_view key, std::string_view name) const {
    const int index = findValue(text::toLower(key), name);
    if (index < 0) {
        return std::nullopt;
    }
    return entries_[index].value;
}

bool RegDocument::addKey(std::string_view key) {
    if (hasKey(key)) {
        return false;
    }
    appendSection(key);
    return true;
}

void RegDocument::setValue(std::string_view key, std::string_view name, const RegValue& value) {
    const std::string keyLower = text::toLower(key);
    const int found = findValue(keyLower, name);
    if (found >= 0) {
        Entry& entry = entries_[found];
        entry.lines = formatValueLines(entry.name, value);
        entry.value = value;
        return;
    }
    int section = findSection(keyLower);
    if (section < 0) {
        section = appendSection(key);
    }
    // After the key's last line that is not blank, before the next key line.
    size_t position = section + 1;
    for (size_t i = position; i < entries_.size(); ++i) {
        if (entries_[i].kind == Kind::Section || entries_[i].kind == Kind::BrokenSection) {
            break;
        }
        if (!isBlankEntry(entries_[i])) {
            position = i + 1;
        }
    }
    // A damaged line at the end of the file may end in a backslash that would
    // continue onto the new line; a blank line stops it.
    const std::string& before = entries_[position - 1].lines.back();
    if (!trim(before).empty() && trim(before).back() == '\\') {
        Entry blank;
        blank.lines.emplace_back();
        entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position++),
                        std::move(blank));
    }
    Entry entry;
    entry.kind = Kind::Value;
    entry.lines = formatValueLines(name, value);
    entry.currentUser = true;
    entry.keyLower = keyLower;
    entry.name = std::string(name);
    entry.value = value;
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), std::move(entry));
}

int RegDocument::findValue(std::string_view keyLower, std::string_view name) const {
    for (int i = static_cast<int>(entries_.size()) - 1; i >= 0; --i) {
        const Entry& entry = entries_[i];
        if (entry.kind == Kind::Value && entry.currentUser && entry.keyLower == keyLower &&
            text::equalsIgnoreCase(entry.name, name)) {
            return i;
        }
    }
    return -1;
}

int RegDocument::findSection(std::string_view keyLower) const {
    for (int i = static_cast<int>(entries_.size()) - 1; i >= 0; --i) {
        const Entry& entry = entries_[i];
        if (entry.kind == Kind::Section && entry.currentUser && entry.keyLower == keyLower) {
            return i;
        }
    }
    return -1;
}

int RegDocument::appendSection(std::string_view key) {
    if (!entries_.empty() && !isBlankEntry(entries_.back())) {
        Entry blank;
        blank.lines.emplace_back();
        entries_.push_back(std::move(blank));
    }
    Entry entry;
    entry.kind = Kind::Section;
    entry.lines.push_back(formatSectionLine(key));
    entry.currentUser = true;
    entry.keyLower = text::toLower(key);
    entries_.push_back(std::move(entry));
    return static_cast<int>(entries_.size()) - 1;
}

bool RegDocument::isBlankEntry(const Entry& entry) {
    return entry.kind == Kind::Verbatim && entry.lines.size() == 1 && trim(entry.lines[0]).empty();
}

}  // namespace lumar::settings
