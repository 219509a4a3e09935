#include "cli/typed_path.h"

#include <filesystem>
#include <system_error>

namespace lumar::cli {

std::string AbsolutePath(const std::string& typed) {
    if (typed.empty() || typed == "-") {
        return typed;
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(typed, error);
    // Without a working folder the path goes on as typed; opening it reports why.
    return error ? typed : absolute.lexically_normal().string();
}

CLI::Validator AbsolutePathOption() {
    return {[](std::string& value) {
                value = AbsolutePath(value);
                return std::string();
            },
            std::string()};
}

}  // namespace lumar::cli
