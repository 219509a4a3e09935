#pragma once

// One HTTP POST of a SOAP request, and what came back. The SOAP component
// hands its requests to a transport function; the real one is libcurl's,
// tests and fuzzing may hand in answers of their own.

#include <cstdint>
#include <functional>
#include <string>

namespace lumar::soap {

struct ProxySettings {
    std::string server;     // host name, or a URL such as "http://proxy:8080"
    std::int32_t port = 0;  // used when 1-65535 and the server names none
    std::string login;      // empty: no proxy authentication
    std::string password;
    std::string domain;          // non-empty: the proxy user is "domain\login"
    std::string authentication;  // "NTLM", otherwise BASIC
};

// Limits that every request carries, so that no answer can hang or flood the
// caller.
struct TransportLimits {
    std::int64_t connectTimeoutMs = 15'000;
    std::int64_t totalTimeoutMs = 120'000;
    std::int64_t maxAnswerBytes = std::int64_t{64} * 1024 * 1024;
};

// All texts in UTF-8.
struct HttpPost {
    std::string url;
    std::string soapAction;  // the header's value without its quotes
    std::string body;
    bool useProxy = false;
    ProxySettings proxy;
    TransportLimits limits;
};

struct HttpReply {
    // False when no complete HTTP answer arrived (no connection, time-out,
    // refused redirect, answer over the size limit); `failure` says why.
    bool received = false;
    std::string failure;
    long statusCode = 0;
    std::string reason;  // the status line's reason phrase, possibly empty
    std::string contentType;
    std::string body;
};

using Transport = std::function<HttpReply(const HttpPost&)>;

// Sends the request with libcurl: http and https only (also for redirects,
// which are followed up to five times and keep the POST), the proxy and its
// BASIC or NTLM authentication when `useProxy` is set and no proxy at all
// otherwise (the environment's proxy variables are ignored), the time-outs and
// the answer-size limit of `limits`.
HttpReply CurlTransport(const HttpPost& post);

}  // namespace lumar::soap
