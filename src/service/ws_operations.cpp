// The service operations of CWSClient. Each is the operation of the same
// name in the protocol's declaration: its request's members go out as the
// declared parameters, and the declared result items and records come back
// into its result.

#include "protocol/operations.h"
#include "service/ws_client.h"
#include "service/ws_declared.h"
#include "service/ws_list_reader.h"
#include "service/ws_values.h"

namespace lumar {

using protocol::IndexOf;

namespace {

constexpr std::string_view kResultPrefix = "Result ";

// Adds the request's members as the parameters of the operation at index Op.
template <std::size_t Op, typename Request>
auto DeclaredParameters(const Request& request) {
    return [&request](auto& parameters) {
        ForEachDeclaredParameter<Op>(request, [&](std::string_view name, const auto& value) {
            parameters.Add(name, value);
        });
    };
}

}  // namespace

template <std::size_t Op, typename Request, typename Targets>
bool CWSClient::RunItems(const Request& request, Targets& targets, WSResult& result) {
    auto members = DeclaredItemTargets<Op>(targets);
    constexpr std::span<const protocol::Item> items = Declared<Op, DeclaredList::Items>();
    return Run({protocol::kOperations[Op].method,
                DeclaredParameters<Op>(request),
                [&](const std::string& name, const std::string& value) {
                    if (!name.starts_with(kResultPrefix)) {
                        return;
                    }
                    const std::string_view item =
                        std::string_view(name).substr(kResultPrefix.size());
                    for (std::size_t i = 0; i < items.size(); ++i) {
                        if (items[i].name == item) {
                            AtIndex(members, i, [&](auto& member) { StoreValue(member, value); });
                        }
                    }
                },
                {}},
               result);
}

template <std::size_t Op, typename Request, typename Record>
bool CWSClient::RunList(const Request& request, WSListResult<Record>& result) {
    ListReader<Op, Record> reader(result);
    return Run(
        {protocol::kOperations[Op].method, DeclaredParameters<Op>(request),
         [&](const std::string& name, const std::string& value) { reader.Read(name, value); },
         [&](std::string& heading, std::string& detail) {
             return reader.CheckCount(heading, detail);
         }},
        result);
}

bool CWSClient::Logon(const LogonRequest& request, LogonResult& result) {
    return RunItems<IndexOf("Logon")>(request, static_cast<LogonUser&>(result), result);
}

bool CWSClient::Log(const LogRequest& request, LogResult& result) {
    return RunItems<IndexOf("Log")>(request, result.LogData, result);
}

bool CWSClient::Logoff(const LogoffRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("Logoff")>(request, result.Id, result);
}

bool CWSClient::PublicationInsert(const PublicationInsertRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("PublicationInsert")>(request, result.Id, result);
}

bool CWSClient::PublicationUpdate(const PublicationUpdateRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("PublicationUpdate")>(request, result.Id, result);
}

bool CWSClient::PublicationReset(const PublicationRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("PublicationReset")>(request, result.Id, result);
}

bool CWSClient::PublicationDelete(const PublicationRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("PublicationDelete")>(request, result.Id, result);
}

bool CWSClient::PublicationLock(const PublicationRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("PublicationLock")>(request, result.Id, result);
}

bool CWSClient::PublicationUnlock(const PublicationRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("PublicationUnlock")>(request, result.Id, result);
}

bool CWSClient::PublicationMerge(const PublicationRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("PublicationMerge")>(request, result.Id, result);
}

bool CWSClient::PublicationRevert(const PublicationRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("PublicationRevert")>(request, result.Id, result);
}

bool CWSClient::PublicationInfoList(const PublicationInfoListRequest& request,
                                    WSListResult<PublicationInfoRecord>& result) {
    return RunList<IndexOf("PublicationInfoList")>(request, result);
}

bool CWSClient::PublicationLastInfoList(const PublicationInfoListRequest& request,
                                        WSListResult<PublicationLastInfoRecord>& result) {
    return RunList<IndexOf("PublicationLastInfoList")>(request, result);
}

bool CWSClient::BinderDocInsert(const BinderDocInsertRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("BinderDocInsert")>(request, result.Id, result);
}

bool CWSClient::BinderDocUpdate(const BinderDocUpdateRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("BinderDocUpdate")>(request, result.Id, result);
}

bool CWSClient::BinderDocDelete(const BinderDocDeleteRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("BinderDocDelete")>(request, result.Id, result);
}

bool CWSClient::BinderDocList(const BinderDocListRequest& request,
                              WSListResult<BinderDocRecord>& result) {
    return RunList<IndexOf("BinderDocList")>(request, result);
}

bool CWSClient::SupplementInsert(const SupplementInsertRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("SupplementInsert")>(request, result.Id, result);
}

bool CWSClient::SupplementUpdate(const SupplementUpdateRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("SupplementUpdate")>(request, result.Id, result);
}

bool CWSClient::SupplementDelete(const SupplementDeleteRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("SupplementDelete")>(request, result.Id, result);
}

bool CWSClient::SupplementList(const SupplementListRequest& request,
                               WSListResult<SupplementRecord>& result) {
    return RunList<IndexOf("SupplementList")>(request, result);
}

bool CWSClient::MergeInsert(const MergeInsertRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("MergeInsert")>(request, result.Id, result);
}

bool CWSClient::MergeUpdate(const MergeUpdateRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("MergeUpdate")>(request, result.Id, result);
}

bool CWSClient::MergeDelete(const MergeDeleteRequest& request, WSIdResult& result) {
    return RunItems<IndexOf("MergeDelete")>(request, result.Id, result);
}

bool CWSClient::MergeList(const MergeListRequest& request, WSListResult<MergeRecord>& result) {
    return RunList<IndexOf("MergeList")>(request, result);
}

bool CWSClient::UserInfoList(const UserInfoListRequest& request,
                             WSListResult<UserInfoRecord>& result) {
    return RunList<IndexOf("UserInfoList")>(request, result);
}

bool CWSClient::PublicationStatusList(const LookupListRequest& request,
                                      WSListResult<PublicationStatusRecord>& result) {
    return RunList<IndexOf("PublicationStatusList")>(request, result);
}

bool CWSClient::LanguageList(const LookupListRequest& request,
                             WSListResult<LanguageRecord>& result) {
    return RunList<IndexOf("LanguageList")>(request, result);
}

bool CWSClient::BinderTypeList(const LookupListRequest& request,
                               WSListResult<BinderTypeRecord>& result) {
    return RunList<IndexOf("BinderTypeList")>(request, result);
}

bool CWSClient::PrintingList(const LookupListRequest& request,
                             WSListResult<PrintingRecord>& result) {
    return RunList<IndexOf("PrintingList")>(request, result);
}

bool CWSClient::ColourList(const ColourListRequest& request, WSListResult<ColourRecord>& result) {
    return RunList<IndexOf("ColourList")>(request, result);
}

}  // namespace lumar
