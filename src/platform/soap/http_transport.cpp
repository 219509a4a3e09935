#include "platform/soap/http_transport.h"

#include <curl/curl.h>

#include <memory>
#include <string_view>

namespace lumar::soap {

namespace {

struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
    CurlGlobal(const CurlGlobal&) = delete;
    CurlGlobal& operator=(const CurlGlobal&) = delete;
};

void EnsureCurlGlobal() {
    static const CurlGlobal global;
}

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// What the callbacks collect while the answer arrives.
struct Receiver {
    std::int64_t limit = 0;
    bool overLimit = false;
    std::string body;
    std::string reason;
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
    auto* receiver = static_cast<Receiver*>(user);
    const size_t bytes = size * count;
    if (static_cast<std::int64_t>(receiver->body.size() + bytes) > receiver->limit) {
        receiver->overLimit = true;
        return 0;  // stops the transfer with a write error
    }
    receiver->body.append(data, bytes);
    return bytes;
}

// Keeps the reason phrase of the last status line ("HTTP/1.1 404 Not Found"),
// which libcurl does not report by itself. Redirects and 100 Continue bring
// several status lines; the last one belongs to the answer.
size_t OnHeader(char* data, size_t size, size_t count, void* user) {
    auto* receiver = static_cast<Receiver*>(user);
    const size_t bytes = size * count;
    std::string_view line(data, bytes);
    if (line.substr(0, 5) == "HTTP/") {
        receiver->reason.clear();
        const size_t code = line.find(' ');
        const size_t reason = code == std::string_view::npos ? code : line.find(' ', code + 1);
        if (reason != std::string_view::npos) {
            line = line.substr(reason + 1);
            while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
                line.remove_suffix(1);
            }
            receiver->reason = line;
        }
    }
    return bytes;
}

void SetProxy(CURL* curl, const HttpPost& post) {
    if (!post.useProxy) {
        // An empty proxy switches off every proxy, including http_proxy and
        // friends from the environment.
        curl_easy_setopt(curl, CURLOPT_PROXY, "");
        return;
    }
    const ProxySettings& proxy = post.proxy;
    curl_easy_setopt(curl, CURLOPT_PROXY, proxy.server.c_str());
    // An empty no-proxy list sends every host through the proxy, whatever
    // no_proxy in the environment says.
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "");
    if (proxy.port > 0 && proxy.port <= 65535) {
        curl_easy_setopt(curl, CURLOPT_PROXYPORT, static_cast<long>(proxy.port));
    }
    if (!proxy.login.empty()) {
        const std::string user =
            proxy.domain.empty() ? proxy.login : proxy.domain + "\\" + proxy.login;
        curl_easy_setopt(curl, CURLOPT_PROXYUSERNAME, user.c_str());
        curl_easy_setopt(curl, CURLOPT_PROXYPASSWORD, proxy.password.c_str());
        const bool ntlm = curl_strequal(proxy.authentication.c_str(), "NTLM") != 0;
        curl_easy_setopt(curl, CURLOPT_PROXYAUTH, ntlm ? CURLAUTH_NTLM : CURLAUTH_BASIC);
    }
}

}  // namespace

HttpReply CurlTransport(const HttpPost& post) {
    EnsureCurlGlobal();
    HttpReply reply;
    const std::unique_ptr<CURL, EasyDeleter> curl(curl_easy_init());
    if (!curl) {
        reply.failure = "The HTTP library could not be initialised";
        return reply;
    }
    CURL* const c = curl.get();

    curl_slist* list = nullptr;
    for (const std::string& header :
         {std::string("Content-Type: text/xml; charset=utf-8"),
          "SOAPAction: \"" + post.soapAction + "\"", std::string("Expect:")}) {
        curl_slist* appended = curl_slist_append(list, header.c_str());
        if (appended == nullptr) {
            curl_slist_free_all(list);
            reply.failure = "Out of memory while preparing the request";
            return reply;
        }
        list = appended;
    }
    const std::unique_ptr<curl_slist, ListDeleter> headers(list);

    Receiver receiver;
    receiver.limit = post.limits.maxAnswerBytes;
    char error[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(c, CURLOPT_URL, post.url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_POSTREDIR, static_cast<long>(CURL_REDIR_POST_ALL));
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, post.body.data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(post.body.size()));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Lumar");
    // Every coding curl can decode: list answers shrink to about a tenth. The
    // answer limit below counts the decoded bytes.
    curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(post.limits.connectTimeoutMs));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(post.limits.totalTimeoutMs));
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(post.limits.maxAnswerBytes));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &receiver);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &receiver);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    SetProxy(c, post);

    const CURLcode result = curl_easy_perform(c);
    if (receiver.overLimit || result == CURLE_FILESIZE_EXCEEDED) {
        reply.failure = "The answer is larger than the limit of " +
                        std::to_string(post.limits.maxAnswerBytes) + " bytes";
        return reply;
    }
    if (result != CURLE_OK) {
        reply.failure = error[0] != '\0' ? error : curl_easy_strerror(result);
        return reply;
    }
    reply.received = true;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &reply.statusCode);
    const char* contentType = nullptr;
    if (curl_easy_getinfo(c, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK &&
        contentType != nullptr) {
        reply.contentType = contentType;
    }
    reply.reason = std::move(receiver.reason);
    reply.body = std::move(receiver.body);
    return reply;
}

}  // namespace lumar::soap
