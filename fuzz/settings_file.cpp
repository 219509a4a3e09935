// Reads arbitrary bytes as a settings file. Besides never crashing, the
// reader and writer must agree: a rewritten file reads back to the same text,
// and a value set in any file reads back exactly.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/settings/reg_document.h"

using lumar::settings::LineDamage;
using lumar::settings::RegDocument;
using lumar::settings::RegValue;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    int damaged = 0;
    RegDocument doc = RegDocument::parse(bytes, [&](const LineDamage&) { ++damaged; });

    // Two rounds normalise the text (header added, UTF-16 turned into UTF-8);
    // after that reading and writing change nothing.
    const std::string once = RegDocument::parse(doc.serialize()).serialize();
    const std::string twice = RegDocument::parse(once).serialize();
    if (once != twice) {
        std::abort();
    }

    // Setting a value never disturbs the reading of the file around it.
    const std::string_view key = "Software\\Orvane\\Lumar\\Uri";
    RegValue text{1, std::string(bytes.substr(0, 40)) + '\0'};
    RegValue binary{3, std::string(bytes.substr(0, 40))};
    doc.setValue(key, "Web_service", text);
    doc.setValue("Software\\Orvane\\Lumar\\Proxy", "Proxy_port", binary);
    const RegDocument reread = RegDocument::parse(doc.serialize());
    if (reread.value(key, "web_service") != text ||
        reread.value("software\\orvane\\lumar\\proxy", "Proxy_port") != binary) {
        std::abort();
    }
    return 0;
}
