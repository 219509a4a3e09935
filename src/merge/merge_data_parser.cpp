#include "merge/merge_data_parser.h"

#include <algorithm>
#include <set>

#include "annotations/colour.h"
#include "annotations/page_pairs.h"
#include "annotations/white_space.h"
#include "merge/merge_data_line.h"
#include "platform/text/cp1252.h"
#include "service/ws_records.h"

namespace lumar {

namespace {

constexpr std::string_view kInvalidBinder = "Invalid binder number.";

bool AcceptsAllCommands(MergeDataContext context, bool supplementMode) {
    return context != MergeDataContext::AnnotationsDialog && !supplementMode;
}

bool IsTagCommand(CommandKind kind) {
    return kind == CommandKind::Binder || kind == CommandKind::SetTabsheet ||
           kind == CommandKind::SetColour;
}

bool CountsSteps(MergeDataContext context) {
    return context == MergeDataContext::ExecutorMerge ||
           context == MergeDataContext::ExecutorUpdate;
}

// The lines of a text whose line ends are "\n"; a final line end starts no
// further line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

// The binders that binder lines of the text name.
std::set<std::int32_t> NamedBinders(std::string_view text) {
    std::set<std::int32_t> binders;
    for (const std::string_view line : SplitLines(text)) {
        const std::string_view trimmed = Trim(line);
        if (trimmed.empty()) {
            continue;
        }
        const CommandLine command = ReadCommandLine(trimmed);
        if (command.status == CommandLine::Status::Command && command.kind == CommandKind::Binder) {
            binders.insert(ReadNumber(command.arguments));
        }
    }
    return binders;
}

class Parser {
public:
    Parser(MergeDataContext context, const MergeDataInputs& inputs)
        : context_(context), inputs_(inputs) {}

    MergeDataParse run(std::string_view text) {
        std::string normalised = NormaliseLineEnds(text);
        if (context_ == MergeDataContext::Editor) {
            normalised.insert(0, "\n");
        }
        if (context_ == MergeDataContext::ExecutorUpdate) {
            result_.supplementMode = IsSupplementUpdateData(normalised);
        }
        if (context_ == MergeDataContext::ExecutorMerge) {
            AppendUnnamedBinders(normalised);
        }
        result_.parsedText = normalised;
        for (const std::string_view line : SplitLines(result_.parsedText)) {
            if (!parseLine(Trim(line))) {
                return finish(false);
            }
        }
        if (result_.pendingStore && CountsSteps(context_)) {
            result_.errorText = "Store in EI without Restore.";
            return finish(false);
        }
        return finish(true);
    }

private:
    // Every binder of the publication that no binder line names gets one at
    // the end, so that the executor copies it into the new version.
    void AppendUnnamedBinders(std::string& text) const {
        const std::set<std::int32_t> named = NamedBinders(text);
        // One binder past the limit is enough to fail the parse.
        const std::int32_t last = std::min(inputs_.binderCount, kMaxBinderNumber + 1);
        for (std::int32_t n = 1; n <= last; ++n) {
            if (!named.contains(n)) {
                text += "\n(" + std::to_string(n) + ")binder";
            }
        }
    }

    MergeDataParse finish(bool success) {
        result_.success = success;
        return std::move(result_);
    }

    bool parseLine(std::string_view line) {
        MergeCommand command;
        command.text = line;
        command.sourceBinder = result_.currentBinder;
        command.destinationBinder = result_.currentBinder;
        if (line.empty()) {
            result_.commands.push_back(std::move(command));
            return true;
        }
        const CommandLine syntax = ReadCommandLine(line);
        if (syntax.status == CommandLine::Status::ParseError) {
            return error("Parse error.");
        }
        if (syntax.status == CommandLine::Status::UnknownCommand ||
            (!AcceptsAllCommands(context_, result_.supplementMode) && !IsTagCommand(syntax.kind))) {
            return error("Unknown command encountered.");
        }
        command.kind = syntax.kind;
        if (!parseCommand(syntax.arguments, command)) {
            return false;
        }
        if (CountsSteps(context_)) {
            result_.stepTotal += 1;
            if (command.kind != CommandKind::Binder && command.kind != CommandKind::Create) {
                result_.stepTotal += command.pairCount();
            }
        }
        result_.commands.push_back(std::move(command));
        return true;
    }

    bool parseCommand(std::string_view arguments, MergeCommand& command) {
        const std::vector<std::string_view> fields = SplitArguments(arguments);
        switch (command.kind) {
        case CommandKind::Binder:
            return parseBinder(arguments, command);
        case CommandKind::Delete:
            return parseRange(fields, command, "Delete");
        case CommandKind::Insert:
            return parseInsert(fields, command);
        case CommandKind::Replace:
            return parseReplace(fields, command);
        case CommandKind::Store:
            if (result_.pendingStore) {
                return error("Store/Restore operations out of sync.");
            }
            if (!parseRange(fields, command, "Store")) {
                return false;
            }
            result_.pendingStore = result_.commands.size();
            return true;
        case CommandKind::Restore:
            return parseRestore(fields, command);
        case CommandKind::Create:
            return parseCreate(command);
        case CommandKind::Extract:
            if (result_.newBinderNumber == 0) {
                return error("Extract in EI without Create.");
            }
            if (!parseRange(fields, command, "Extract")) {
                return false;
            }
            command.destinationBinder = result_.newBinderNumber;
            result_.newBinderPairCount += command.pairCount();
            return true;
        case CommandKind::SetTabsheet:
            if (!parseRange(fields, command, "ToggleTabsheet", 2)) {
                return false;
            }
            command.tabsheetOn = ReadNumber(fields[2]) != 0;
            return true;
        case CommandKind::SetColour:
            return parseSetColour(arguments, fields, command);
        case CommandKind::Empty:
            break;
        }
        return error("Unknown command encountered.");
    }

    bool parseBinder(std::string_view arguments, MergeCommand& command) {
        if (arguments.size() > kMaxBinderArgumentLength) {
            return error("Parse error.");
        }
        const std::int32_t n = ReadNumber(arguments);
        if (!binderIsValid(n)) {
            result_.currentBinder = 0;
            return alert(kInvalidBinder);
        }
        command.sourceBinder = n;
        command.destinationBinder = 0;
        result_.currentBinder = n;
        return true;
    }

    [[nodiscard]] bool binderIsValid(std::int32_t n) const {
        const bool supplementOnly =
            result_.supplementMode ||
            (context_ == MergeDataContext::AnnotationsDialog && inputs_.shownBinder == 0);
        if (supplementOnly) {
            return n == 0;
        }
        if (context_ == MergeDataContext::AnnotationsDialog) {
            return n >= 1 && n <= inputs_.binderCount;
        }
        return n >= 1 && n <= kMaxBinderNumber &&
               (n == result_.newBinderNumber || n <= inputs_.binderCount);
    }

    // Delete, Store, Extract, SetTabsheet, SetColour: (a,b...) on pairs of
    // the current binder. `commas` is how many the command needs.
    bool parseRange(const std::vector<std::string_view>& fields, MergeCommand& command,
                    std::string_view name, std::size_t commas = 1) {
        if (fields.size() < commas + 1) {
            return alert("Not all parameters specified for " + std::string(name) + ".");
        }
        command.first = ReadNumber(fields[0]);
        command.last = ReadNumber(fields[1]);
        command.sourcePosition = command.first;
        command.sourceBinder = result_.currentBinder;
        command.destinationBinder = 0;
        if (!rangeFits(command.first, command.last, pairsOf(result_.currentBinder))) {
            return alert("Invalid " + std::string(name) + " parameters.");
        }
        return true;
    }

    bool parseInsert(const std::vector<std::string_view>& fields, MergeCommand& command) {
        if (fields.size() < 3) {
            return alert("Not all parameters specified for Insert.");
        }
        command.destinationPosition = ReadNumber(fields[0]);
        command.first = ReadNumber(fields[1]);
        command.last = ReadNumber(fields[2]);
        command.sourceBinder = 0;
        command.destinationBinder = result_.currentBinder;
        if (!rangeFits(command.first, command.last, supplementPairs()) ||
            command.destinationPosition > pairsOf(result_.currentBinder)) {
            return alert("Invalid Insert parameters.");
        }
        growNewBinder(command);
        return true;
    }

    bool parseReplace(const std::vector<std::string_view>& fields, MergeCommand& command) {
        if (fields.size() < 3) {
            return alert("Not all parameters specified for Replace.");
        }
        command.sourcePosition = ReadNumber(fields[0]);
        command.first = ReadNumber(fields[1]);
        command.last = ReadNumber(fields[2]);
        command.sourceBinder = 0;
        command.destinationBinder = result_.currentBinder;
        const std::int64_t lastReplaced =
            std::int64_t{command.sourcePosition} + command.last - command.first;
        if (!rangeFits(command.first, command.last, supplementPairs()) ||
            lastReplaced > pairsOf(result_.currentBinder)) {
            return alert("Invalid Replace parameters.");
        }
        return true;
    }

    bool parseRestore(const std::vector<std::string_view>& fields, MergeCommand& command) {
        if (!result_.pendingStore) {
            return error("Restore in EI without Store.");
        }
        command.destinationPosition = ReadNumber(fields[0]);
        command.destinationBinder = result_.currentBinder;
        if (command.destinationPosition > pairsOf(result_.currentBinder)) {
            return alert("Invalid Restore parameters.");
        }
        MergeCommand& store = result_.commands[*result_.pendingStore];
        command.first = store.first;
        command.last = store.last;
        command.sourceBinder = store.sourceBinder;
        store.destinationBinder = command.destinationBinder;
        result_.pendingStore.reset();
        growNewBinder(command);
        return true;
    }

    bool parseCreate(MergeCommand& command) {
        if (result_.currentBinder == 0) {
            return error("Create cannot be first command.");
        }
        const std::int64_t next = result_.newBinderNumber == 0
                                      ? std::int64_t{inputs_.binderCount} + 1
                                      : std::int64_t{result_.newBinderNumber} + 1;
        // A publication holds at most 35 binders; a 36th could not be named.
        if (next > kMaxBinderNumber) {
            return alert(kInvalidBinder);
        }
        result_.newBinderNumber = static_cast<std::int32_t>(next);
        result_.newBinderPairCount = 0;
        command.sourceBinder = 0;
        command.destinationBinder = result_.newBinderNumber;
        return true;
    }

    bool parseSetColour(std::string_view arguments, const std::vector<std::string_view>& fields,
                        MergeCommand& command) {
        if (fields.size() < 3) {
            return alert("Not all parameters specified for SetColour.");
        }
        // Everything after the second comma, untrimmed: a blank before the
        // name makes it unknown.
        const std::size_t secondComma = arguments.find(',', arguments.find(',') + 1);
        const std::string_view name = arguments.substr(secondComma + 1);
        if (!name.empty() && !colourKnown(name)) {
            return alert("Unknown colour parameter.");
        }
        if (!parseRange(fields, command, "SetColour", 2)) {
            return false;
        }
        command.colour = name.empty() ? std::string(kNoColour) : std::string(name);
        return true;
    }

    [[nodiscard]] bool colourKnown(std::string_view name) const {
        if (inputs_.colours != nullptr) {
            return ColourByName(name, *inputs_.colours).has_value();
        }
        return ColourByName(name).has_value();
    }

    static bool rangeFits(std::int64_t first, std::int64_t last, std::int64_t pairs) {
        return first <= last && last <= pairs;
    }

    void growNewBinder(const MergeCommand& command) {
        if (result_.newBinderNumber != 0 && result_.currentBinder == result_.newBinderNumber) {
            result_.newBinderPairCount += command.pairCount();
        }
    }

    [[nodiscard]] std::int64_t supplementPairs() const { return inputs_.supplementPageCount / 2; }

    // The pairs of binder n before the merge, as far as validation knows them.
    [[nodiscard]] std::int64_t pairsOf(std::int32_t n) const {
        if (n == 0) {
            const bool supplementShown =
                result_.supplementMode ||
                (context_ == MergeDataContext::AnnotationsDialog && inputs_.shownBinder == 0);
            return supplementShown ? supplementPairs() : 0;
        }
        if (result_.newBinderNumber != 0 && n == result_.newBinderNumber) {
            return result_.newBinderPairCount;
        }
        const auto& documents = inputs_.binderDocuments;
        const auto found =
            std::find_if(documents.rbegin(), documents.rend(),
                         [n](const BinderDocRecord& d) { return d.Binder_number == n; });
        return found == documents.rend() ? 0 : found->Page_count / 2;
    }

    bool error(std::string_view text) {
        result_.errorText = text;
        return false;
    }

    bool alert(std::string_view text) {
        result_.alertText = text;
        result_.errorText.clear();
        return false;
    }

    MergeDataContext context_;
    const MergeDataInputs& inputs_;
    MergeDataParse result_;
};

}  // namespace

bool IsSupplementUpdateData(std::string_view text) {
    return text::toLower(text).find("(0)binder") != std::string::npos;
}

MergeDataParse ParseMergeData(std::string_view text, MergeDataContext context,
                              const MergeDataInputs& inputs) {
    return Parser(context, inputs).run(text);
}

}  // namespace lumar
