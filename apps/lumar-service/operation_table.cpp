#include "lumar-service/operation_table.h"

#include <array>

#include "lumar-service/operations.h"
#include "protocol/operations.h"

namespace lumar::service_app {

namespace {

struct HandlerBinding {
    std::string_view method;
    TransactionKind transaction;
    OperationHandler handler;
};

constexpr TransactionKind kRead = TransactionKind::Read;
constexpr TransactionKind kWrite = TransactionKind::Write;
constexpr TransactionKind kNone = TransactionKind::None;

// The handler of every declared operation and the transaction it runs in.
constexpr std::array kHandlers{
    HandlerBinding{"Logon", kNone, ops::Logon},
    HandlerBinding{"Logoff", kWrite, ops::Logoff},
    HandlerBinding{"Log", kNone, ops::Log},
    HandlerBinding{"PublicationInsert", kWrite, ops::PublicationInsert},
    HandlerBinding{"PublicationUpdate", kWrite, ops::PublicationUpdate},
    HandlerBinding{"PublicationReset", kWrite, ops::PublicationReset},
    HandlerBinding{"PublicationDelete", kWrite, ops::PublicationDelete},
    HandlerBinding{"PublicationLock", kWrite, ops::PublicationLock},
    HandlerBinding{"PublicationUnlock", kWrite, ops::PublicationUnlock},
    HandlerBinding{"PublicationMerge", kWrite, ops::PublicationMerge},
    HandlerBinding{"PublicationRevert", kWrite, ops::PublicationRevert},
    HandlerBinding{"PublicationInfoList", kRead, ops::PublicationInfoList},
    HandlerBinding{"PublicationLastInfoList", kRead, ops::PublicationLastInfoList},
    HandlerBinding{"BinderDocInsert", kWrite, ops::BinderDocInsert},
    HandlerBinding{"BinderDocUpdate", kWrite, ops::BinderDocUpdate},
    HandlerBinding{"BinderDocDelete", kWrite, ops::BinderDocDelete},
    HandlerBinding{"BinderDocList", kRead, ops::BinderDocList},
    HandlerBinding{"SupplementInsert", kWrite, ops::SupplementInsert},
    HandlerBinding{"SupplementUpdate", kWrite, ops::SupplementUpdate},
    HandlerBinding{"SupplementDelete", kWrite, ops::SupplementDelete},
    HandlerBinding{"SupplementList", kRead, ops::SupplementList},
    HandlerBinding{"MergeInsert", kWrite, ops::MergeInsert},
    HandlerBinding{"MergeUpdate", kWrite, ops::MergeUpdate},
    HandlerBinding{"MergeDelete", kWrite, ops::MergeDelete},
    HandlerBinding{"MergeList", kRead, ops::MergeList},
    HandlerBinding{"UserInfoList", kRead, ops::UserInfoList},
    HandlerBinding{"PublicationStatusList", kRead, ops::PublicationStatusList},
    HandlerBinding{"LanguageList", kRead, ops::LanguageList},
    HandlerBinding{"BinderTypeList", kRead, ops::BinderTypeList},
    HandlerBinding{"PrintingList", kRead, ops::PrintingList},
    HandlerBinding{"ColourList", kRead, ops::ColourList},
};

// The declared operations in declaration order, each with its handler. A
// declared operation without exactly one handler, or a handler for an
// operation that is not declared, does not compile.
consteval std::array<ServiceOperation, protocol::kOperations.size()> BindHandlers() {
    if (kHandlers.size() != protocol::kOperations.size()) {
        throw "every declared operation needs exactly one handler";
    }
    std::array<ServiceOperation, protocol::kOperations.size()> bound{};
    for (std::size_t i = 0; i < protocol::kOperations.size(); ++i) {
        const protocol::Operation& declared = protocol::kOperations[i];
        int found = 0;
        for (const HandlerBinding& binding : kHandlers) {
            if (binding.method == declared.method) {
                bound[i] = {&declared, binding.transaction, binding.handler};
                ++found;
            }
        }
        if (found != 1) {
            throw "every declared operation needs exactly one handler";
        }
    }
    return bound;
}

constexpr auto kServiceOperations = BindHandlers();

}  // namespace

const ServiceOperation* FindOperation(std::string_view method) {
    for (const ServiceOperation& operation : kServiceOperations) {
        if (operation.declared->method == method) {
            return &operation;
        }
    }
    return nullptr;
}

}  // namespace lumar::service_app
