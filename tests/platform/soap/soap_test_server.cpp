#include "soap_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <pugixml.hpp>
#include <stdexcept>

namespace lumar::test {

namespace {

std::string LocalName(const char* name) {
    std::string text(name);
    const auto colon = text.rfind(':');
    return colon == std::string::npos ? text : text.substr(colon + 1);
}

// Raw text of an element's content, entities left as they were sent.
std::string RawContent(const std::string& body, const std::string& name, std::size_t& from) {
    const std::string open = "<" + name + ">";
    const std::string close = "</" + name + ">";
    const auto start = body.find(open, from);
    if (start == std::string::npos) {
        return {};
    }
    const auto end = body.find(close, start);
    if (end == std::string::npos) {
        return {};
    }
    from = end + close.size();
    return body.substr(start + open.size(), end - start - open.size());
}

}  // namespace

void ParseSoapBody(SoapRequest& request) {
    pugi::xml_document document;
    if (!document.load_buffer(request.body.data(), request.body.size())) {
        return;
    }
    const pugi::xml_node envelope = document.document_element();
    pugi::xml_node body;
    for (pugi::xml_node child : envelope.children()) {
        if (LocalName(child.name()) == "Body") {
            body = child;
        }
    }
    const pugi::xml_node call = body.first_child();
    if (LocalName(envelope.name()) != "Envelope" || !call) {
        return;
    }
    request.wellFormed = true;
    request.operation = LocalName(call.name());
    request.operationNamespace = call.attribute("xmlns:m").value();
    std::size_t from = 0;
    for (pugi::xml_node parameter : call.children()) {
        // Values are compared as sent: escaped and percent-encoded.
        const std::string name = parameter.name();
        request.parameters.emplace_back(name, RawContent(request.body, name, from));
    }
}

std::string SoapAnswer(const std::string& method, const std::string& resultXml) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
           "<soap:Body><m:" +
           method + "Response xmlns:m=\"http://orvane.example/WS/Lumar/2007/02/\"><Result>" +
           resultXml + "</Result></m:" + method + "Response></soap:Body></soap:Envelope>";
}

std::string OkResult(const std::string& fields) {
    return "<ErrorCode>0</ErrorCode><Error/>" + fields;
}

SoapTestServer::SoapTestServer() {
    server_.set_tcp_nodelay(true);
    auto dispatch = [this](const httplib::Request& request, httplib::Response& response) {
        SoapRequest seen;
        seen.httpMethod = request.method;
        seen.path = request.path;
        seen.contentType = request.get_header_value("Content-Type");
        seen.soapAction = request.get_header_value("SOAPAction");
        seen.body = request.body;
        ParseSoapBody(seen);
        Handler handler;
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(seen);
            handler = handler_;
        }
        if (handler) {
            handler(request, response);
        } else {
            response.status = 404;
        }
    };
    server_.Post(".*", dispatch);
    server_.Get(".*", dispatch);
    port_ = server_.bind_to_any_port("127.0.0.1");
    if (port_ <= 0) {
        throw std::runtime_error("the test server could not bind to 127.0.0.1");
    }
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) {
        std::this_thread::yield();
    }
}

SoapTestServer::~SoapTestServer() {
    stopping_ = true;
    server_.stop();
    thread_.join();
}

std::string SoapTestServer::Url() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/ws";
}

void SoapTestServer::Handle(Handler handler) {
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
}

void SoapTestServer::AnswerWith(std::string body) {
    Handle([body = std::move(body)](const httplib::Request&, httplib::Response& response) {
        response.set_content(body, "text/xml; charset=utf-8");
    });
}

void SoapTestServer::AnswerResult(std::string resultXml) {
    Handle([resultXml = std::move(resultXml)](const httplib::Request& request,
                                              httplib::Response& response) {
        SoapRequest seen;
        seen.body = request.body;
        ParseSoapBody(seen);
        response.set_content(SoapAnswer(seen.operation, resultXml), "text/xml; charset=utf-8");
    });
}

std::vector<SoapRequest> SoapTestServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

SoapRequest SoapTestServer::LastRequest() const {
    std::lock_guard lock(mutex_);
    return requests_.empty() ? SoapRequest{} : requests_.back();
}

namespace {

int BoundSocket(int& port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0) {
        throw std::runtime_error("no socket");
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(s);
        throw std::runtime_error("cannot bind to 127.0.0.1");
    }
    socklen_t length = sizeof address;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return s;
}

}  // namespace

int RefusingPort() {
    int port = 0;
    ::close(BoundSocket(port));
    return port;
}

SilentListener::SilentListener() {
    socket_ = BoundSocket(port_);
    ::listen(socket_, 8);
}

SilentListener::~SilentListener() {
    ::close(socket_);
}

std::string SilentListener::Url() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/ws";
}

}  // namespace lumar::test
