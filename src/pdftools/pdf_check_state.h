#pragma once

// The working state of the check that is running: its report so far, the
// errors text and the counts. Emptied before and after every check; shared by
// the check and its font procedure, which the host calls in between.

#include <cstdint>
#include <string>

namespace lumar::pdf_check {

struct WorkingState {
    std::string report;
    std::string errors;
    std::int32_t errorCount = 0;
    std::int32_t fontErrorCount = 0;

    void clear() { *this = WorkingState{}; }
};

WorkingState& Working();

}  // namespace lumar::pdf_check
