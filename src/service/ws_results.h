#pragma once

// Result structures that every service operation fills. Plain data: the
// caller constructs one empty and passes it by reference.

#include <cstdint>
#include <string>
#include <vector>

namespace lumar {

// The header every result begins with. Message is empty, or the whole failure
// text for the user ("Heading:\ndetail", or the heading alone).
struct WSResult {
    std::string Message;
    std::int32_t ErrorCode = 0;
};

// The identifier an operation names in its result (Publication_ID, ...).
struct WSIdResult : WSResult {
    std::int32_t Id = 0;
};

// The user a logon names, as "Logon" answers it.
struct LogonUser {
    std::int32_t User_ID = 0;
    std::string Name;
    std::int32_t Authorisation_ID = 0;
    std::int32_t Administrator_ID = 0;
    std::string UserDescription;
};

struct LogonResult : WSResult, LogonUser {
    // Forgets the user; Message and ErrorCode stay as they are.
    void clearUser() { static_cast<LogonUser&>(*this) = LogonUser{}; }
};

struct LogResult : WSResult {
    std::string LogData;
};

// A list of records. Count is the number the service announced; Records holds
// Count records, and none when Count is not positive.
template <typename Record>
struct WSListResult : WSResult {
    std::int32_t Count = 0;
    std::vector<Record> Records;

    // Frees the records; Message and ErrorCode stay as they are.
    void clear() {
        Count = 0;
        Records.clear();
    }
};

}  // namespace lumar
