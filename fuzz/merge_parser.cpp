// Parses arbitrary texts as merge data and update data in every context.
// Besides never crashing or hanging, a text the editor accepts must parse to
// the same commands again once rewritten in its normal form.
//
// Input: one byte choosing the context and the publication's shape, the rest
// is the text.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "merge/merge_data_parser.h"
#include "merge/merge_data_writer.h"
#include "service/ws_records.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::vector<lumar::MergeCommand> WithoutEmpty(const std::vector<lumar::MergeCommand>& commands) {
    std::vector<lumar::MergeCommand> kept;
    for (const lumar::MergeCommand& command : commands) {
        if (command.kind != lumar::CommandKind::Empty) {
            kept.push_back(command);
        }
    }
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t shape = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    // Binders 1 to 4 with 1 to 4 pairs (one record of binder 2 twice), a
    // supplement of 6 pairs, two colours.
    std::vector<lumar::BinderDocRecord> binders(5);
    for (int i = 0; i < 5; ++i) {
        binders[i].Binder_number = i < 4 ? i + 1 : 2;
        binders[i].Page_count = 2 * (i + 1);
    }
    const std::vector<lumar::ColourRecord> colours{{1, "Red", 255, 0, 0},
                                                   {2, "Light Blue", 0, 128, 255}};
    lumar::MergeDataInputs inputs;
    inputs.binderCount = (shape >> 2) % 8 == 7 ? 40 : (shape >> 2) % 8;
    inputs.binderDocuments = binders;
    inputs.supplementPageCount = 12;
    inputs.shownBinder = (shape >> 5) % 3;
    inputs.colours = &colours;

    constexpr lumar::MergeDataContext kContexts[] = {
        lumar::MergeDataContext::ExecutorMerge, lumar::MergeDataContext::ExecutorUpdate,
        lumar::MergeDataContext::Editor, lumar::MergeDataContext::AnnotationsDialog};
    const lumar::MergeDataContext context = kContexts[shape % 4];

    const lumar::MergeDataParse parse = lumar::ParseMergeData(text, context, inputs);
    Check(parse.success == (parse.alertText.empty() && parse.errorText.empty()));
    Check(parse.stepTotal >= 0);
    for (const lumar::MergeCommand& command : parse.commands) {
        (void)lumar::SerialiseCommand(command, lumar::BinderLine(command.sourceBinder));
    }
    (void)lumar::BinderPrefix(parse.commands, 1, lumar::PrefixRule::MergeDataEditor);
    (void)lumar::BinderPrefix(parse.commands, 1, lumar::PrefixRule::AnnotationsDialog);

    if (context == lumar::MergeDataContext::Editor && parse.success) {
        const lumar::MergeDataParse again =
            lumar::ParseMergeData(lumar::NormalForm(parse.commands), context, inputs);
        Check(again.success);
        Check(WithoutEmpty(again.commands) == WithoutEmpty(parse.commands));
    }
    return 0;
}
