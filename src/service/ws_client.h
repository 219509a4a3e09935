#pragma once

// CWSClient: the client of the publication administration service.
//
// One client serves one call: build it on the stack, call one operation,
// read the result, let it go. It reads its settings (ws_client_settings.h)
// when it is built, so a change of the settings takes effect at the next
// call; the Set... methods replace a setting for this client only and take
// effect only before its first operation.
//
// Every operation takes its request and a freshly constructed result, and
// returns true when the service answered and accepted the call. On false,
// the result's Message holds the whole text for the user ("Heading:\ndetail"
// or the heading alone); callers show it and end their command.
//
//   CWSClient client;
//   ColourListRequest request;
//   request.LogUser_ID = LogUserID();
//   WSListResult<ColourRecord> colours;
//   if (!client.ColourList(request, colours)) {
//       alertNote(colours.Message);
//   }

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/soap/http_transport.h"
#include "service/ws_records.h"
#include "service/ws_requests.h"
#include "service/ws_results.h"

namespace lumar {

namespace soap {
class SoapCtrl;
}

// Makes the SOAP component; returns null (or throws) when it cannot.
using SoapComponentFactory = std::function<std::unique_ptr<soap::SoapCtrl>()>;

// Installs the factory that CreateComponent uses and returns the one it
// replaces; an empty factory restores the real component.
SoapComponentFactory SetSoapComponentFactory(SoapComponentFactory factory);

class CWSClient {
public:
    // Reads the settings; never fails.
    CWSClient();
    virtual ~CWSClient();
    CWSClient(const CWSClient&) = delete;
    CWSClient& operator=(const CWSClient&) = delete;

    void SetUri(std::string uri) { serviceUri_ = std::move(uri); }
    void SetUseProxy(bool useProxy) { useProxy_ = useProxy; }
    void SetProxyPort(std::int32_t port) { proxyPort_ = port; }
    void SetProxyServer(std::string server) { proxyServer_ = std::move(server); }
    void SetProxyDomain(std::string domain) { proxyDomain_ = std::move(domain); }
    void SetProxyLogin(std::string login) { proxyLogin_ = std::move(login); }
    void SetProxyPassword(std::string password) { proxyPassword_ = std::move(password); }
    void SetProxyAuthentication(std::string authentication) {
        proxyAuthentication_ = std::move(authentication);
    }

    // Creates and configures the component once; false when it cannot be
    // created (the client then stays without one).
    bool CreateComponent();

    // Sends the request whose parameters have been added and decodes the
    // outcome. True when the service answered with error code "0"; otherwise
    // `heading` and `detail` say what went wrong.
    bool Send(std::string_view method, std::string& detail, std::string& heading);

    // The value codecs of every request and result value.
    static std::string PercentEncode(std::string_view text);
    static std::string XmlEscape(std::string_view text);
    static std::string PercentDecode(std::string_view text);

    // "%s" of the heading when the detail is empty, otherwise "%s:\n%s".
    static std::string ComposeMessage(const std::string& heading, const std::string& detail);

    // Runs "Log" and returns the log data, or the failure message.
    std::string LogMessage(std::int32_t severity, const std::string& message);
    // Logs "Plugin test" and checks that the service echoed it back at DEBUG
    // level without any error.
    bool TestConnection();

    // The service operations.
    bool Logon(const LogonRequest& request, LogonResult& result);
    bool Logoff(const LogoffRequest& request, WSIdResult& result);
    bool Log(const LogRequest& request, LogResult& result);

    bool PublicationInsert(const PublicationInsertRequest& request, WSIdResult& result);
    bool PublicationUpdate(const PublicationUpdateRequest& request, WSIdResult& result);
    bool PublicationReset(const PublicationRequest& request, WSIdResult& result);
    bool PublicationDelete(const PublicationRequest& request, WSIdResult& result);
    bool PublicationLock(const PublicationRequest& request, WSIdResult& result);
    bool PublicationUnlock(const PublicationRequest& request, WSIdResult& result);
    bool PublicationMerge(const PublicationRequest& request, WSIdResult& result);
    bool PublicationRevert(const PublicationRequest& request, WSIdResult& result);
    bool PublicationInfoList(const PublicationInfoListRequest& request,
                             WSListResult<PublicationInfoRecord>& result);
    bool PublicationLastInfoList(const PublicationInfoListRequest& request,
                                 WSListResult<PublicationLastInfoRecord>& result);

    bool BinderDocInsert(const BinderDocInsertRequest& request, WSIdResult& result);
    bool BinderDocUpdate(const BinderDocUpdateRequest& request, WSIdResult& result);
    bool BinderDocDelete(const BinderDocDeleteRequest& request, WSIdResult& result);
    bool BinderDocList(const BinderDocListRequest& request, WSListResult<BinderDocRecord>& result);

    bool SupplementInsert(const SupplementInsertRequest& request, WSIdResult& result);
    bool SupplementUpdate(const SupplementUpdateRequest& request, WSIdResult& result);
    bool SupplementDelete(const SupplementDeleteRequest& request, WSIdResult& result);
    bool SupplementList(const SupplementListRequest& request,
                        WSListResult<SupplementRecord>& result);

    bool MergeInsert(const MergeInsertRequest& request, WSIdResult& result);
    bool MergeUpdate(const MergeUpdateRequest& request, WSIdResult& result);
    bool MergeDelete(const MergeDeleteRequest& request, WSIdResult& result);
    bool MergeList(const MergeListRequest& request, WSListResult<MergeRecord>& result);

    bool UserInfoList(const UserInfoListRequest& request, WSListResult<UserInfoRecord>& result);

    bool PublicationStatusList(const LookupListRequest& request,
                               WSListResult<PublicationStatusRecord>& result);
    bool LanguageList(const LookupListRequest& request, WSListResult<LanguageRecord>& result);
    bool BinderTypeList(const LookupListRequest& request, WSListResult<BinderTypeRecord>& result);
    bool PrintingList(const LookupListRequest& request, WSListResult<PrintingRecord>& result);
    bool ColourList(const ColourListRequest& request, WSListResult<ColourRecord>& result);

private:
    // Parameter names and plain (not yet encoded) values, in sending order.
    class Parameters {
    public:
        void Add(std::string_view name, std::int32_t value);
        void Add(std::string_view name, bool value);
        void Add(std::string_view name, const std::string& value);
        [[nodiscard]] const std::vector<std::pair<std::string_view, std::string>>& List() const {
            return list_;
        }

    private:
        std::vector<std::pair<std::string_view, std::string>> list_;
    };

    struct Operation {
        std::string_view method;
        std::function<void(Parameters&)> parameters;
        // Items other than "Result Error" and "Result ErrorCode".
        std::function<void(const std::string& name, const std::string& value)> readItem;
        // The list's count check: false, with heading and detail, on a mismatch.
        std::function<bool(std::string& heading, std::string& detail)> finish;
    };

    bool Run(const Operation& operation, WSResult& result);
    // The operation at index Op of the protocol's declaration: its parameters
    // from the request's members, its result items into `targets` (an
    // aggregate whose members take them in order, or the one value).
    template <std::size_t Op, typename Request, typename Targets>
    bool RunItems(const Request& request, Targets& targets, WSResult& result);
    template <std::size_t Op, typename Request, typename Record>
    bool RunList(const Request& request, WSListResult<Record>& result);

    bool instantiated_ = false;
    std::unique_ptr<soap::SoapCtrl> component_;
    bool useProxy_ = false;
    std::int32_t proxyPort_ = 0;
    std::string proxyServer_;
    std::string proxyDomain_;
    std::string proxyLogin_;
    std::string proxyPassword_;
    std::string proxyAuthentication_;
    std::string serviceUri_;
    std::string namespaceUri_;
    soap::TransportLimits limits_;
};

}  // namespace lumar
