#include "platform/soap/soap_ctrl.h"

#include "platform/soap/soap_envelope.h"
#include "platform/text/cp1252.h"

namespace lumar::soap {

namespace {

std::string Utf8(std::string_view cp1252) {
    return text::toUtf8(cp1252);
}

}  // namespace

SoapCtrl::SoapCtrl() : SoapCtrl(CurlTransport) {}

SoapCtrl::SoapCtrl(Transport transport) : transport_(std::move(transport)) {}

SoapCtrl::~SoapCtrl() = default;

void SoapCtrl::PutMethodName(std::string_view method) {
    method_ = Utf8(method);
}

void SoapCtrl::PutNamespace(std::string_view uri) {
    namespaceUri_ = Utf8(uri);
}

void SoapCtrl::AddParameter(std::string_view name, std::string_view value) {
    parameters_.emplace_back(Utf8(name), Utf8(value));
}

void SoapCtrl::PutProxyServer(std::string_view server) {
    proxy_.server = Utf8(server);
}

void SoapCtrl::PutProxyPort(long port) {
    proxy_.port = static_cast<std::int32_t>(port);
}

void SoapCtrl::PutProxyLogin(std::string_view login) {
    proxy_.login = Utf8(login);
}

void SoapCtrl::PutProxyPassword(std::string_view password) {
    proxy_.password = Utf8(password);
}

void SoapCtrl::PutProxyAuthentication(std::string_view authentication) {
    proxy_.authentication = Utf8(authentication);
}

void SoapCtrl::PutProxyDomain(std::string_view domain) {
    proxy_.domain = Utf8(domain);
}

void SoapCtrl::PutTransportLimits(const TransportLimits& limits) {
    limits_ = limits;
}

long SoapCtrl::Invoke(std::string_view uri, long /*reserved*/, long useProxy) {
    items_.clear();
    const auto parameters = std::move(parameters_);
    parameters_.clear();

    Answer answer;
    if (method_.empty()) {
        answer = {kStatusIncomplete, "The request names no method", {}};
    } else if (uri.empty()) {
        answer = {kStatusIncomplete, "The request has no service URI", {}};
    } else if (useProxy != 0 && proxy_.server.empty()) {
        answer = {kStatusIncomplete, "A proxy is to be used, but no proxy server is set", {}};
    } else {
        HttpPost post;
        post.url = Utf8(uri);
        post.soapAction = namespaceUri_ + method_;
        post.body = RequestEnvelope(method_, namespaceUri_, parameters);
        post.useProxy = useProxy != 0;
        post.proxy = proxy_;
        post.limits = limits_;
        lastRequest_ = post.body;
        answer = ReadAnswer(transport_(post), post.url);
    }

    status_ = answer.status;
    statusText_ = text::fromUtf8(answer.statusText);
    items_.reserve(answer.items.size());
    for (ResultItem& item : answer.items) {
        items_.push_back({text::fromUtf8(item.name), text::fromUtf8(item.value)});
    }
    return status_;
}

std::string SoapCtrl::GetStatusText() const {
    return statusText_;
}

std::string SoapCtrl::GetValue(std::string_view path) const {
    for (const ResultItem& item : items_) {
        if (item.name == path) {
            return item.value;
        }
    }
    return {};
}

long SoapCtrl::GetResultCount() const {
    return static_cast<long>(items_.size());
}

std::string SoapCtrl::GetResultValue(long index) const {
    if (index < 0 || index >= GetResultCount()) {
        return {};
    }
    return items_[static_cast<std::size_t>(index)].value;
}

std::string SoapCtrl::GetResultName(long index) const {
    if (index < 0 || index >= GetResultCount()) {
        return {};
    }
    return items_[static_cast<std::size_t>(index)].name;
}

}  // namespace lumar::soap
