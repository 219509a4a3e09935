#include "service/ws_client.h"

#include "platform/soap/soap_ctrl.h"
#include "platform/soap/soap_envelope.h"
#include "platform/soap/value_codec.h"
#include "service/wait_cursor.h"
#include "service/ws_client_settings.h"
#include "service/ws_values.h"

namespace lumar {

namespace {

SoapComponentFactory& Factory() {
    static SoapComponentFactory factory;
    return factory;
}

std::unique_ptr<soap::SoapCtrl> MakeComponent() {
    if (Factory()) {
        return Factory()();
    }
    return std::make_unique<soap::SoapCtrl>();
}

}  // namespace

SoapComponentFactory SetSoapComponentFactory(SoapComponentFactory factory) {
    return std::exchange(Factory(), std::move(factory));
}

CWSClient::CWSClient() : namespaceUri_(soap::kServiceNamespace) {
    WSClientSettings settings = ReadWSClientSettings();
    serviceUri_ = std::move(settings.uri);
    useProxy_ = settings.useProxy;
    proxyPort_ = settings.proxyPort;
    proxyServer_ = std::move(settings.proxyServer);
    proxyDomain_ = std::move(settings.proxyDomain);
    proxyLogin_ = std::move(settings.proxyLogin);
    proxyPassword_ = std::move(settings.proxyPassword);
    proxyAuthentication_ = std::move(settings.proxyAuthentication);
    limits_ = settings.limits;
}

CWSClient::~CWSClient() = default;

bool CWSClient::CreateComponent() {
    if (instantiated_) {
        return true;
    }
    try {
        std::unique_ptr<soap::SoapCtrl> component = MakeComponent();
        if (!component) {
            return false;
        }
        // The proxy values go to the component whether or not the proxy is
        // used; Invoke alone is told whether to use them.
        component->PutNamespace(namespaceUri_);
        component->PutProxyLogin(proxyLogin_);
        component->PutProxyPassword(proxyPassword_);
        component->PutProxyDomain(proxyDomain_);
        component->PutProxyServer(proxyServer_);
        component->PutProxyPort(proxyPort_);
        component->PutProxyAuthentication(proxyAuthentication_);
        component->PutTransportLimits(limits_);
        component_ = std::move(component);
        instantiated_ = true;
        return true;
    } catch (...) {
        component_.reset();
        instantiated_ = false;
        return false;
    }
}

bool CWSClient::Send(std::string_view method, std::string& detail, std::string& heading) {
    const WaitCursor wait;
    if (!instantiated_) {
        heading = "Internal Error";
        detail = "SOAPCtrl not instantiated";
        return false;
    }
    try {
        component_->PutMethodName(method);
        const long status = component_->Invoke(serviceUri_, 0, useProxy_ ? 1 : 0);
        detail = component_->GetStatusText();
        heading = "Error";
        switch (status) {
        case 0: {
            // Compared as text: "00" and "0 " are failures.
            const std::string code = component_->GetValue("Result ErrorCode");
            if (code == "0") {
                return true;
            }
            heading = "Lumar Error " + code;
            // The service percent-encodes its error text like every value.
            detail = "Request received but not processed successfully:\n" +
                     PercentDecode(component_->GetValue("Result Error"));
            return false;
        }
        case 1:
            heading = "Unknown error";
            return false;
        case 2:
            heading = "Insufficient number of parameters";
            return false;
        case 3:
            heading = "HTTP error";
            return false;
        case 4:
            heading = "Server error";
            return false;
        case 5:
            heading = "DIME unsupported";
            return false;
        default:
            heading = "Undefined error";
            return false;
        }
    } catch (...) {
        heading = std::string(method) + " Error";
        detail = "Exception caught while sending message";
        return false;
    }
}

std::string CWSClient::PercentEncode(std::string_view text) {
    return soap::PercentEncode(text);
}

std::string CWSClient::XmlEscape(std::string_view text) {
    return soap::XmlEscape(text);
}

std::string CWSClient::PercentDecode(std::string_view text) {
    return soap::PercentDecode(text);
}

std::string CWSClient::ComposeMessage(const std::string& heading, const std::string& detail) {
    if (detail.empty()) {
        return heading;
    }
    return heading + ":\n" + detail;
}

std::string CWSClient::LogMessage(std::int32_t severity, const std::string& message) {
    LogRequest request;
    request.Severity = severity;
    request.Message = message;
    LogResult result;
    if (Log(request, result)) {
        return result.LogData;
    }
    return result.Message;
}

bool CWSClient::TestConnection() {
    const std::string text = LogMessage(0, "Plugin test");
    // Found, and not at the very start: the service puts its level tag first.
    auto foundAfterStart = [&](const char* part) {
        const std::size_t at = text.find(part);
        return at != std::string::npos && at >= 1;
    };
    return foundAfterStart("Plugin test") && foundAfterStart("DEBUG") &&
           text.find("Error") == std::string::npos && text.find("ERROR") == std::string::npos &&
           text.find("error") == std::string::npos;
}

void CWSClient::Parameters::Add(std::string_view name, std::int32_t value) {
    list_.emplace_back(name, LongToText(value));
}

void CWSClient::Parameters::Add(std::string_view name, bool value) {
    list_.emplace_back(name, BoolToText(value));
}

void CWSClient::Parameters::Add(std::string_view name, const std::string& value) {
    list_.emplace_back(name, value);
}

bool CWSClient::Run(const Operation& operation, WSResult& result) {
    if (!CreateComponent()) {
        result.Message = ComposeMessage("Internal Error", "SOAPCtrl not instantiated");
        return false;
    }
    try {
        result.Message.clear();
        result.ErrorCode = 0;

        Parameters parameters;
        operation.parameters(parameters);
        for (const auto& [name, value] : parameters.List()) {
            component_->AddParameter(name, XmlEscape(PercentEncode(value)));
        }

        std::string heading;
        std::string detail;
        if (!Send(operation.method, detail, heading)) {
            result.Message = ComposeMessage(heading, detail);
            return false;
        }
        heading.clear();
        detail.clear();

        bool accepted = true;
        const long count = component_->GetResultCount();
        for (long i = 0; i < count; ++i) {
            const std::string value = PercentDecode(component_->GetResultValue(i));
            const std::string name = component_->GetResultName(i);
            if (name == "Result Error") {
                detail = value;
            } else if (name == "Result ErrorCode") {
                result.ErrorCode = LongFromText(value);
                if (result.ErrorCode != 0) {
                    accepted = false;
                }
            } else if (operation.readItem) {
                operation.readItem(name, value);
            }
        }
        // A list whose records do not add up is not the service's answer:
        // the caller gets no records and the reason, and the call fails.
        if (operation.finish && !operation.finish(heading, detail)) {
            accepted = false;
        }
        result.Message = ComposeMessage(heading, detail);
        return accepted;
    } catch (...) {
        result.Message = "Exception caught while processing Lumar response";
        return false;
    }
}

}  // namespace lumar
