#pragma once

// CSupplementNumberDlg ("Add Supplement"): chooses the number of a new
// supplement, the publication's proposed number n ("n (no increment)") or
// n + 1 ("n+1 (do increment)", selected at first). Shown with DoModal.

#include <cstdint>
#include <string>

namespace lumar {

class CSupplementNumberDlg {
public:
    static constexpr const char* kTitle = "Add Supplement";
    static constexpr const char* kLabel = "Choose the supplement number:";

    // The choice OK records.
    enum Choice : int { kNone = 0, kNoIncrement = 1, kIncrement = 2 };

    explicit CSupplementNumberDlg(std::int32_t proposed) : proposed_(proposed) {}

    [[nodiscard]] std::int32_t Proposed() const { return proposed_; }
    // The texts of the radio buttons 1100 and 1102.
    [[nodiscard]] std::string NoIncrementText() const;
    [[nodiscard]] std::string IncrementText() const;

    // The radio buttons as the view holds them.
    [[nodiscard]] bool NoIncrementChecked() const { return noIncrementChecked_; }
    [[nodiscard]] bool IncrementChecked() const { return incrementChecked_; }
    void CheckNoIncrement();
    void CheckIncrement();

    // OK records the choice from the radio buttons.
    void OnOK();
    [[nodiscard]] Choice RecordedChoice() const { return choice_; }

    // The number the caller uses: n + 1 for kIncrement, otherwise n.
    [[nodiscard]] std::int32_t ChosenNumber() const;

private:
    std::int32_t proposed_;
    bool noIncrementChecked_ = false;
    bool incrementChecked_ = true;
    Choice choice_ = kNone;
};

}  // namespace lumar
