#include "lumar-service/wsdl.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace lumar::service_app {
namespace {

// The WSDL as it was recorded, one element per line. It is the contract with
// the publishers' own services: every operation, parameter, result item and
// record field with its order and type. A change of the protocol's
// declaration shows up here and must be a deliberate change of this file
// (regenerate it from `?wsdl` with every "><" split into two lines).
constexpr const char* kRecordedWsdl =
    LUMAR_SOURCE_DIR "/tests/apps/lumar-service/lumar-service.wsdl";
constexpr const char* kRecordedLocation = "http://127.0.0.1:8087/WS/Lumar/2007/02/";

std::vector<std::string> ElementLines(const std::string& wsdl) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = wsdl.find("><"); at != std::string::npos; at = wsdl.find("><", start)) {
        lines.push_back(wsdl.substr(start, at + 1 - start));
        start = at + 1;
    }
    lines.push_back(wsdl.substr(start));
    return lines;
}

std::vector<std::string> RecordedLines() {
    std::ifstream file(kRecordedWsdl);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(Wsdl, IsTheRecordedContract) {
    const std::vector<std::string> recorded = RecordedLines();
    ASSERT_GT(recorded.size(), 1000u) << kRecordedWsdl;
    const std::vector<std::string> written = ElementLines(WriteWsdl(kRecordedLocation));
    for (std::size_t i = 0; i < recorded.size() && i < written.size(); ++i) {
        ASSERT_EQ(written[i], recorded[i]) << "line " << i + 1 << " of " << kRecordedWsdl;
    }
    EXPECT_EQ(written.size(), recorded.size());
}

TEST(Wsdl, EscapesTheLocation) {
    const std::string wsdl = WriteWsdl("http://host/a?b=1&c=<2>");
    EXPECT_NE(wsdl.find("location=\"http://host/a?b=1&amp;c=&lt;2&gt;\""), std::string::npos);
}

}  // namespace
}  // namespace lumar::service_app
