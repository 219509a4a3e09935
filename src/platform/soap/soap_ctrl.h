#pragma once

// The SOAP component: the client side of one SOAP 1.1 call over HTTP.
//
// The caller names the method and the namespace, adds parameters in order
// (their values already encoded: they are written into the request as they
// stand), sets the proxy and calls Invoke. Invoke sends the request and reads
// the answer into a status 0-5 with a status text, and into the leaf elements
// of the answer's Result element, each with its path of names from "Result"
// down ("Result ColourRecords ColourRecord Name") in document order.
//
// Texts cross this interface as Windows-1252 bytes, as the rest of the system
// holds them; the wire carries UTF-8. The interface is virtual, like the
// component's original function table, so that a caller's tests can stand in
// a component of their own.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/soap/http_transport.h"
#include "platform/soap/soap_answer.h"

namespace lumar::soap {

class SoapCtrl {
public:
    // A component that sends its requests with libcurl.
    SoapCtrl();
    // A component that hands its requests to `transport` instead.
    explicit SoapCtrl(Transport transport);
    virtual ~SoapCtrl();
    SoapCtrl(const SoapCtrl&) = delete;
    SoapCtrl& operator=(const SoapCtrl&) = delete;

    virtual void PutMethodName(std::string_view method);
    virtual void PutNamespace(std::string_view uri);
    // The parameter goes into the next request after those added before it.
    virtual void AddParameter(std::string_view name, std::string_view value);

    virtual void PutProxyServer(std::string_view server);
    virtual void PutProxyPort(long port);
    virtual void PutProxyLogin(std::string_view login);
    virtual void PutProxyPassword(std::string_view password);
    virtual void PutProxyAuthentication(std::string_view authentication);  // "BASIC" or "NTLM"
    virtual void PutProxyDomain(std::string_view domain);
    virtual void PutTransportLimits(const TransportLimits& limits);

    // Sends the request to `uri`, through the proxy when `useProxy` is
    // nonzero, and returns the status (InvokeStatus). `reserved` is not used.
    // The parameters are consumed: the next request starts without any.
    virtual long Invoke(std::string_view uri, long reserved, long useProxy);

    // A readable text for the last status.
    [[nodiscard]] virtual std::string GetStatusText() const;
    // The text of the first leaf element at `path`, or "" when there is none.
    [[nodiscard]] virtual std::string GetValue(std::string_view path) const;

    [[nodiscard]] virtual long GetResultCount() const;
    // The text and the path of the index-th leaf element; "" out of range.
    [[nodiscard]] virtual std::string GetResultValue(long index) const;
    [[nodiscard]] virtual std::string GetResultName(long index) const;

    // The request body Invoke last sent (UTF-8), for diagnostics and tests.
    [[nodiscard]] const std::string& LastRequest() const { return lastRequest_; }

private:
    Transport transport_;
    std::string method_;
    std::string namespaceUri_;
    std::vector<std::pair<std::string, std::string>> parameters_;
    ProxySettings proxy_;
    TransportLimits limits_;
    std::string lastRequest_;

    long status_ = kStatusAnswered;
    std::string statusText_;
    std::vector<ResultItem> items_;
};

}  // namespace lumar::soap
