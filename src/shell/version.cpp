#include "shell/version.h"

namespace lumar {

const char* productVersion() {
    return "0.1.0";
}

}  // namespace lumar
