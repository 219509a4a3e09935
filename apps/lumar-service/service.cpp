#include "lumar-service/service.h"

#include <ctime>
#include <optional>

#include "lumar-service/answer_writer.h"
#include "lumar-service/logger.h"
#include "lumar-service/operation_context.h"
#include "lumar-service/operation_table.h"
#include "lumar-service/request_params.h"
#include "lumar-service/schema.h"
#include "lumar-service/service_error.h"
#include "lumar-service/soap_request.h"
#include "lumar-service/sqlite_db.h"
#include "lumar-service/wsdl.h"

namespace lumar::service_app {

namespace {

SoapAnswer Fault(std::string_view text) {
    SoapAnswer answer;
    answer.httpStatus = 500;
    answer.body = WriteFault("soap:Client", text);
    answer.errorCode = static_cast<int>(ErrorCode::BadRequest);
    return answer;
}

// The SOAPAction must name the method in the body: "<namespace><Method>",
// with or without the quotes.
bool SoapActionMatches(std::string_view action, std::string_view method) {
    if (action.size() >= 2 && action.front() == '"' && action.back() == '"') {
        action = action.substr(1, action.size() - 2);
    }
    return action.size() == kServiceNamespace.size() + method.size() &&
           action.substr(0, kServiceNamespace.size()) == kServiceNamespace &&
           action.substr(kServiceNamespace.size()) == method;
}

// The user the request names, for the log line.
std::int32_t NamedUser(const SoapRequest& request) {
    for (const auto& [name, value] : request.params) {
        if (name == "LogUser_ID" || name == "User_ID") {
            std::int32_t id = 0;
            if (ParseLong(value, id)) {
                return id;
            }
        }
    }
    return 0;
}

}  // namespace

Service::Service(ServiceOptions options, Logger& logger)
    : options_(std::move(options)),
      logger_(logger),
      pool_(options_.databasePath, options_.busyTimeoutMs) {
    auto connection = pool_.Acquire();
    MigrateSchema(*connection);
}

SoapAnswer Service::HandleSoap(std::string_view body, const std::string* soapAction) {
    SoapRequest request;
    try {
        request = ParseSoapRequest(body);
    } catch (const ServiceError& error) {
        return Fault(error.what());
    }
    if (soapAction == nullptr) {
        return Fault("The request has no SOAPAction header");
    }
    if (!SoapActionMatches(*soapAction, request.method)) {
        return Fault("The SOAPAction header does not name the method " + request.method);
    }

    SoapAnswer answer;
    answer.method = request.method;
    answer.user = NamedUser(request);
    const ServiceOperation* operation = FindOperation(request.method);
    try {
        if (operation == nullptr) {
            throw ServiceError(ErrorCode::UnknownMethod, "Unknown method " + request.method);
        }
        const RequestParams params(*operation->declared, request);
        auto connection = pool_.Acquire();
        OperationContext context(*connection, std::time(nullptr), logger_, writers_);

        std::unique_lock<std::mutex> writeLock;
        std::optional<Transaction> transaction;
        if (operation->transaction == TransactionKind::Write) {
            writeLock = context.LockWriters();
            transaction.emplace(*connection, Transaction::Kind::Write);
        } else if (operation->transaction == TransactionKind::Read) {
            transaction.emplace(*connection, Transaction::Kind::Read);
        }
        if (operation->takesLogUser()) {
            context.SetCaller(LoadLoggedOnCaller(*connection, params.Long("LogUser_ID")));
        }
        const OperationResult result = operation->handler(context, params);
        if (transaction) {
            transaction->Commit();
        }
        if (context.loggedUser != 0) {
            answer.user = context.loggedUser;
        }
        answer.body = WriteAnswer(*operation->declared, result);
    } catch (const ServiceError& error) {
        answer.errorCode = static_cast<int>(error.code());
        if (error.code() == ErrorCode::Internal) {
            logger_.Write(LogLevel::Error, request.method + ": " + error.what());
        }
        answer.body = WriteErrorAnswer(request.method, answer.errorCode, error.what());
    } catch (const std::exception& error) {
        answer.errorCode = static_cast<int>(ErrorCode::Internal);
        logger_.Write(LogLevel::Error, request.method + ": " + error.what());
        answer.body = WriteErrorAnswer(request.method, answer.errorCode,
                                       "Internal error of the service; see its log");
    }
    return answer;
}

std::string Service::Wsdl(std::string_view location) {
    return WriteWsdl(location);
}

}  // namespace lumar::service_app
