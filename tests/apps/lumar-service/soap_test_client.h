#pragma once

// A raw SOAP caller for the service tests: builds requests in the wire
// format with cpp-httplib, and reads answers as the client does (leaf items
// under "Result" with space-separated paths, values percent-decoded).

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumar::service_test {

using Params = std::vector<std::pair<std::string, std::string>>;

struct Answer {
    int httpStatus = 0;  // 0: no HTTP answer at all
    std::string body;
    std::vector<std::pair<std::string, std::string>> items;  // "Result ErrorCode", ...
    bool soapFault = false;

    // The value of the first item with this path ("" when absent).
    std::string Item(std::string_view path) const;
    bool Has(std::string_view path) const;
    int ErrorCode() const;
    std::int32_t Long(std::string_view path) const;
    bool Ok() const { return httpStatus == 200 && !soapFault && ErrorCode() == 0; }
    // The values of one field across the records of a list.
    std::vector<std::string> Column(std::string_view recordName, std::string_view field) const;
    int RecordCount(std::string_view recordName) const;
};

class SoapTestClient {
public:
    explicit SoapTestClient(int port);

    // Calls the method with the parameters (Windows-1252 values, encoded here).
    Answer Call(std::string_view method, const Params& params) const;
    // Posts a prepared body; soapAction nullptr sends no SOAPAction header.
    Answer Post(const std::string& body, const char* soapAction) const;

    // Logs on and returns the User_ID (0 when refused).
    std::int32_t Logon(std::string_view login, std::string_view password) const;

    static std::string Envelope(std::string_view method, const Params& params);
    static std::string Action(std::string_view method);

private:
    int port_;
};

}  // namespace lumar::service_test
