#include "lumar-service/http_server.h"

#include <chrono>

#include "lumar-service/logger.h"
#include "lumar-service/service.h"

namespace lumar::service_app {

namespace {

using Clock = std::chrono::steady_clock;

std::chrono::microseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
}

}  // namespace

HttpServer::HttpServer(Service& service, Logger& logger, ServerOptions options)
    : service_(service), logger_(logger), options_(std::move(options)) {}

HttpServer::~HttpServer() {
    Stop();
}

int HttpServer::Start() {
    core_ = std::make_unique<HttpCore>(
        [this](const HttpRequest& request) { return Handle(request); }, logger_, options_);
    port_ = core_->Start();
    return port_;
}

void HttpServer::Stop() {
    if (core_) {
        core_->Stop();
    }
}

HttpAnswer HttpServer::Handle(const HttpRequest& request) {
    const auto start = Clock::now();
    HttpAnswer answer;
    if (request.method == "POST") {
        SoapAnswer soap = service_.HandleSoap(request.body, request.Header("SOAPAction"));
        answer.status = soap.httpStatus;
        // Moved, not copied: list answers run to hundreds of kilobytes.
        answer.body = std::move(soap.body);
        logger_.Request(
            {soap.method.empty() ? std::string_view("(no method)") : std::string_view(soap.method),
             soap.user, request.remoteAddress, Since(start), soap.errorCode, soap.httpStatus});
        return answer;
    }
    if (request.method == "GET" &&
        (request.HasQueryParameter("wsdl") || request.HasQueryParameter("WSDL"))) {
        const std::string* host = request.Header("Host");
        answer.body = Service::Wsdl(
            "http://" + (host != nullptr ? *host : options_.host + ":" + std::to_string(port_)) +
            request.path);
    } else if (request.method == "GET") {
        answer.status = 404;
        answer.contentType = "text/plain; charset=utf-8";
        answer.body =
            "Lumar publication service: send SOAP requests by POST; the WSDL is at ?wsdl\n";
    } else {
        answer.status = 405;
        answer.contentType = "text/plain; charset=utf-8";
        answer.body = "Send SOAP requests by POST\n";
    }
    logger_.Request({request.method + " " + request.path, 0, request.remoteAddress, Since(start),
                     answer.status == 200 ? 0 : answer.status, answer.status});
    return answer;
}

}  // namespace lumar::service_app
