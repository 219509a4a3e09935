#include "merge/merge_data_report.h"

#include <exception>

#include "platform/host/roles.h"
#include "ui/message_box.h"

namespace lumar {

namespace {

struct EditorWords {
    MergeDataContext context;
    const char* title;
    const char* unexpectedTitle;
    const char* failed;
    const char* erroneous;
    const char* reverted;
};

constexpr EditorWords kMergeDataTexts{MergeDataContext::Editor, "Merge data",
                                      "LoadMergeData",          "Parsing of merge data failed.",
                                      "Erroneous merge data!",  "\r\nMerge data will be reverted."};

constexpr EditorWords kUpdateDataTexts{MergeDataContext::AnnotationsDialog,
                                       "Update data",
                                       "LoadUpdateData",
                                       "Parsing of update data failed.",
                                       "Erroneous update data!",
                                       "\r\nUpdate data will be reverted."};

void ShowError(const char* title, const std::string& text) {
    ShowMessageBox(title, text, MessageIcon::Error);
}

}  // namespace

MergeDataParse ParseForExecutor(std::string_view text, MergeDataContext context,
                                const MergeDataInputs& inputs) {
    MergeDataParse parse = ParseMergeData(text, context, inputs);
    if (!parse.alertText.empty()) {
        host::alertNote(parse.alertText);
    }
    if (!parse.success) {
        host::alertNote(parse.errorText.empty() ? "Parsing of merge data failed."
                                                : parse.errorText);
    }
    return parse;
}

MergeDataParse ParseWithRevert(EditorTexts& texts, MergeDataEditor editor,
                               const MergeDataInputs& inputs, bool report) {
    const EditorWords& words =
        editor == MergeDataEditor::MergeData ? kMergeDataTexts : kUpdateDataTexts;
    MergeDataParse parse;
    try {
        parse = ParseMergeData(texts.working, words.context, inputs);
        if (!parse.alertText.empty() && report) {
            host::alertNote(parse.alertText);
        }
        if (parse.success) {
            return parse;
        }
        if (texts.working == texts.saved) {
            if (!parse.errorText.empty() && report) {
                ShowError(words.title, parse.errorText);
            }
            return parse;
        }
        const std::string message = parse.errorText.empty() ? words.failed : parse.errorText;
        texts.working = texts.saved;
        ShowError(words.title, message + words.reverted);
    } catch (const std::exception&) {
        if (texts.working == texts.saved) {
            if (report) {
                ShowError(words.unexpectedTitle, words.erroneous);
            }
            return MergeDataParse{};
        }
        texts.working = texts.saved;
        ShowError(words.unexpectedTitle, std::string(words.erroneous) + words.reverted);
    }
    // The saved copy parsed before; parse it again for the caller's lists.
    return ParseWithRevert(texts, editor, inputs);
}

}  // namespace lumar
