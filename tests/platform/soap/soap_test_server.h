#pragma once

// A small HTTP server on 127.0.0.1 at a free port for the SOAP tests. It
// records every request it receives and answers with whatever the test
// installs: canned SOAP answers, HTTP errors, hostile answers.

#include <httplib.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace lumar::test {

// A request as the server saw it, with the SOAP call taken apart.
struct SoapRequest {
    std::string httpMethod;
    std::string path;
    std::string contentType;
    std::string soapAction;
    std::string body;
    std::string operation;           // local name of the Body's first element
    std::string operationNamespace;  // its xmlns:m
    std::vector<std::pair<std::string, std::string>> parameters;  // names and raw texts
    bool wellFormed = false;
    std::string proxyAuthorization;
};

// The parts of a SOAP request body; used by the test proxy as well.
void ParseSoapBody(SoapRequest& request);

// A SOAP answer: <soap:Envelope><soap:Body><m:<method>Response><Result>
// `resultXml` </Result>...
std::string SoapAnswer(const std::string& method, const std::string& resultXml);

// The Result of a successful call: ErrorCode 0, an empty Error, then `fields`.
std::string OkResult(const std::string& fields = "");

class SoapTestServer {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

    SoapTestServer();
    ~SoapTestServer();
    SoapTestServer(const SoapTestServer&) = delete;
    SoapTestServer& operator=(const SoapTestServer&) = delete;

    int Port() const { return port_; }
    // The service address: http://127.0.0.1:<port>/ws
    std::string Url() const;

    // Every request to any path goes to `handler` (on the server's threads).
    void Handle(Handler handler);
    // Answers every request with 200 and this text/xml body.
    void AnswerWith(std::string body);
    // Answers every call with the Result of `resultXml` for the called method.
    void AnswerResult(std::string resultXml);

    std::vector<SoapRequest> Requests() const;
    SoapRequest LastRequest() const;

    // Set when the test ends, so that slow handlers can stop early.
    bool Stopping() const { return stopping_; }

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    mutable std::mutex mutex_;
    Handler handler_;
    std::vector<SoapRequest> requests_;
    std::atomic<bool> stopping_{false};
};

// A port on 127.0.0.1 where nothing listens (connections are refused).
int RefusingPort();

// A socket that listens on 127.0.0.1 but never accepts: connections succeed
// and then wait for ever.
class SilentListener {
public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;
    std::string Url() const;

private:
    int socket_ = -1;
    int port_ = 0;
};

}  // namespace lumar::test
