#pragma once

// The editor dialogs' models against the reference service: a publication
// made by MergeFixture, the records the publication manager hands the
// editors, scripted message boxes, a scripted colour chooser and a
// clipboard of the test's own.

#include <optional>
#include <string>
#include <vector>

#include "merge/annotations_dlg.h"
#include "merge/clipboard.h"
#include "merge/colour_chooser.h"
#include "merge/colour_dlg.h"
#include "merge/merge_data_dlg.h"
#include "merge_fixture.h"
#include "ui/scripted_message_boxes.h"

namespace lumar::testing {

// Answers a colour question as a user would in CColourDlg: picks a row, or
// cancels when none is given. Remembers what the dialog showed first.
class ScriptedColourChooser : public ColourChooser {
public:
    ScriptedColourChooser() : previous_(SetColourChooser(this)) {}
    ~ScriptedColourChooser() override { SetColourChooser(previous_); }
    ScriptedColourChooser(const ScriptedColourChooser&) = delete;
    ScriptedColourChooser& operator=(const ScriptedColourChooser&) = delete;

    std::optional<int> row;             // the row to choose; none: Cancel
    std::optional<int> initialRow;      // what the dialog selected on opening
    std::vector<std::string> currents;  // the current colour of every question

    std::optional<std::string> chooseColour(std::string_view current, void*) override {
        currents.emplace_back(current);
        CColourDlg dialog(current);
        initialRow = dialog.SelectedRow();
        if (!row) {
            return std::nullopt;
        }
        dialog.SelectRow(*row);
        if (!dialog.OnOK()) {
            return std::nullopt;
        }
        return dialog.Result();
    }

private:
    ColourChooser* previous_;
};

class TestClipboard : public Clipboard {
public:
    TestClipboard() : previous_(SetClipboard(this)) {}
    ~TestClipboard() override { SetClipboard(previous_); }
    TestClipboard(const TestClipboard&) = delete;
    TestClipboard& operator=(const TestClipboard&) = delete;

    void setText(std::string_view text) override { text_ = text; }
    std::string text() override { return text_; }

private:
    Clipboard* previous_;
    std::string text_;
};

class EditorFixture : public MergeFixture {
protected:
    // What the manager hands the merge data editor: the latest publication,
    // its supplement with annotation data, its binders without, and the
    // stored merge record (or a new one when none is stored).
    MergeDataDlgInputs EditorInputs();
    // The binder view of the details dialog: no supplement.
    MergeDataDlgInputs BinderUpdateInputs();
    // What the details dialog hands the document annotations dialog.
    AnnotationsDlgInputs AnnotationsInputs(std::int32_t binder);

    // The stored merge record of the publication's next merge (none: empty).
    MergeRecord storedMergeRecord(std::int32_t publication);
    std::vector<std::string> titlesShown() const;

    ScriptedMessageBoxes boxes;
    ScriptedColourChooser colours;
    TestClipboard clipboard;
};

}  // namespace lumar::testing
