#pragma once

// The options every command takes.

#include <optional>
#include <string>
#include <vector>

namespace lumar::cli {

struct GlobalOptions {
    std::string registry;  // settings file; empty: the usual place
    std::string service;   // service address for this run; empty: the setting
    std::string user;      // log-on name
    std::string passwordEnv = "LUMAR_PASSWORD";
    bool yes = false;                  // answer every question with its first button
    std::vector<std::string> answers;  // the buttons of the next questions
    bool quiet = false;
};

}  // namespace lumar::cli
