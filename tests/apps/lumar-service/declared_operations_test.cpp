// Every operation of the protocol's declaration, sent as raw SOAP to the
// reference service: the service takes exactly the declared parameters, and
// its answers hold exactly the declared result items or record fields, in
// declaration order.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "fixtures/service/reference_service.h"
#include "lumar-service/password.h"
#include "protocol/operations.h"
#include "soap_test_client.h"

namespace lumar::protocol {

void PrintTo(const Operation& operation, std::ostream* os) {
    *os << operation.method;
}

}  // namespace lumar::protocol

namespace lumar::service_test {
namespace {

constexpr int kInternal = 1;
constexpr int kUnknownMethod = 3;
constexpr int kMissingParameter = 4;
constexpr int kInvalidParameter = 5;

class DeclaredOperation : public ::testing::TestWithParam<protocol::Operation> {
protected:
    // One service for the suite: every request either reads or is refused
    // (its identifiers are 0), so the requests do not disturb each other.
    static void SetUpTestSuite() {
        service = std::make_unique<fixtures::ReferenceService>();
        supervisor = SoapTestClient(service->port()).Logon("supervisor", "supervisor5");
    }
    static void TearDownTestSuite() { service.reset(); }

    // The declared parameters with values the service accepts as such: the
    // supervisor's logon, the logged-on supervisor, 0 and empty texts.
    static Params DeclaredParams(const protocol::Operation& operation) {
        Params params;
        for (const protocol::Item& param : operation.params) {
            std::string value;
            if (param.name == "LogUser_ID") {
                value = std::to_string(supervisor);
            } else if (param.name == "Login") {
                value = "supervisor";
            } else if (param.name == "Password") {
                value = service_app::ScramblePassword("supervisor5");
            } else if (param.kind != protocol::Kind::Text) {
                value = "0";
            }
            params.emplace_back(param.name, value);
        }
        return params;
    }

    static Answer Call(const protocol::Operation& operation, const Params& params) {
        return SoapTestClient(service->port()).Call(operation.method, params);
    }

    static std::unique_ptr<fixtures::ReferenceService> service;
    static std::int32_t supervisor;
};

std::unique_ptr<fixtures::ReferenceService> DeclaredOperation::service;
std::int32_t DeclaredOperation::supervisor = 0;

// The paths of the answer's leaf items that the declaration implies.
std::vector<std::string> DeclaredPaths(const protocol::Operation& operation, int records) {
    std::vector<std::string> paths = {"Result ErrorCode", "Result Error"};
    for (const protocol::Item& item : operation.items) {
        paths.push_back("Result " + std::string(item.name));
    }
    if (operation.IsList()) {
        const protocol::Record& record = *operation.record;
        paths.push_back("Result " + protocol::CountElement(record));
        const std::string list = "Result " + protocol::ListElement(record);
        if (records == 0) {
            paths.push_back(list);
        }
        for (int i = 0; i < records; ++i) {
            for (const protocol::Item& field : record.fields) {
                paths.push_back(list + " " + std::string(record.name) + " " +
                                std::string(field.name));
            }
        }
    }
    return paths;
}

TEST_P(DeclaredOperation, TakesItsDeclaredParameters) {
    const protocol::Operation& operation = GetParam();
    const Answer answer = Call(operation, DeclaredParams(operation));
    ASSERT_EQ(answer.httpStatus, 200) << answer.body;
    // Refused, if at all, for what the values say, never for the request's shape.
    EXPECT_NE(answer.ErrorCode(), kUnknownMethod) << answer.body;
    EXPECT_NE(answer.ErrorCode(), kMissingParameter) << answer.body;
    EXPECT_EQ(answer.Item("Result Error").find("has no parameter"), std::string::npos);
    // A handler that reads a parameter the declaration does not name fails inside.
    EXPECT_NE(answer.ErrorCode(), kInternal) << answer.body;
    if (operation.IsList() || operation.method == "Logon" || operation.method == "Log") {
        ASSERT_EQ(answer.ErrorCode(), 0) << answer.body;
    }
    if (answer.ErrorCode() == 0) {
        const int records = operation.IsList() ? answer.RecordCount(operation.record->name) : 0;
        std::vector<std::string> paths;
        for (const auto& [path, value] : answer.items) {
            paths.push_back(path);
        }
        EXPECT_EQ(paths, DeclaredPaths(operation, records));
    }
}

TEST_P(DeclaredOperation, RefusesARequestWithoutItsLastParameter) {
    const protocol::Operation& operation = GetParam();
    Params params = DeclaredParams(operation);
    const std::string last = params.back().first;
    params.pop_back();
    const Answer answer = Call(operation, params);
    EXPECT_EQ(answer.ErrorCode(), kMissingParameter) << answer.body;
    EXPECT_EQ(answer.Item("Result Error"), "Parameter " + last + " is missing");
}

TEST_P(DeclaredOperation, RefusesAParameterItDoesNotDeclare) {
    const protocol::Operation& operation = GetParam();
    Params params = DeclaredParams(operation);
    params.emplace_back("Undeclared", "0");
    const Answer answer = Call(operation, params);
    EXPECT_EQ(answer.ErrorCode(), kInvalidParameter) << answer.body;
    EXPECT_EQ(answer.Item("Result Error"),
              std::string(operation.method) + " has no parameter Undeclared");
}

INSTANTIATE_TEST_SUITE_P(All, DeclaredOperation, ::testing::ValuesIn(protocol::kOperations),
                         [](const ::testing::TestParamInfo<protocol::Operation>& info) {
                             return std::string(info.param.method);
                         });

}  // namespace
}  // namespace lumar::service_test
