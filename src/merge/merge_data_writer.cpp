#include "merge/merge_data_writer.h"

#include "annotations/colour.h"

namespace lumar {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string Number(std::int32_t n) {
    return std::to_string(n);
}

}  // namespace

std::string BinderLine(std::int32_t binder) {
    return "(" + Number(binder) + ")binder" + std::string(kLineEnd);
}

std::string SerialiseCommand(const MergeCommand& command, std::string_view binderPrefix) {
    const std::string first = Number(command.first);
    const std::string last = Number(command.last);
    std::string line;
    switch (command.kind) {
    case CommandKind::Empty:
        return {};
    case CommandKind::Binder:
        return BinderLine(command.sourceBinder);
    case CommandKind::Replace:
        line = "(" + Number(command.sourcePosition) + "," + first + "," + last + ")Replace";
        break;
    case CommandKind::Insert:
        line = "(" + Number(command.destinationPosition) + "," + first + "," + last + ")Insert";
        break;
    case CommandKind::Delete:
        line = "(" + first + "," + last + ")Delete";
        break;
    case CommandKind::Store:
        line = "(" + first + "," + last + ")Store";
        break;
    case CommandKind::Restore:
        line = "(" + Number(command.destinationPosition) + ")Restore";
        break;
    case CommandKind::Create:
        line = "()Create";
        break;
    case CommandKind::Extract:
        line = "(" + first + "," + last + ")Extract";
        break;
    case CommandKind::SetTabsheet:
        line = "(" + first + "," + last + "," + (command.tabsheetOn ? "1" : "0") + ")SetTabsheet";
        break;
    case CommandKind::SetColour:
        line = "(" + first + "," + last + "," +
               (command.colour == kNoColour ? std::string() : command.colour) + ")SetColour";
        break;
    }
    return std::string(binderPrefix) + line + std::string(kLineEnd);
}

std::int32_t AddressedBinder(const MergeCommand& command, PrefixRule rule) {
    switch (command.kind) {
    case CommandKind::Replace:
    case CommandKind::Insert:
    case CommandKind::Restore:
        return command.destinationBinder;
    case CommandKind::Create:
        return rule == PrefixRule::AnnotationsDialog ? command.destinationBinder
                                                     : command.sourceBinder;
    default:
        return command.sourceBinder;
    }
}

std::string BinderPrefix(std::span<const MergeCommand> commands, std::int32_t binder,
                         PrefixRule rule) {
    for (std::size_t i = commands.size(); i > 0; --i) {
        const MergeCommand& command = commands[i - 1];
        if (rule == PrefixRule::MergeDataEditor && command.kind == CommandKind::Create) {
            continue;
        }
        return AddressedBinder(command, rule) == binder ? std::string() : BinderLine(binder);
    }
    return BinderLine(binder);
}

std::string NormalForm(std::span<const MergeCommand> commands) {
    std::string text;
    const MergeCommand* previous = nullptr;
    for (const MergeCommand& command : commands) {
        if (command.kind == CommandKind::Empty) {
            continue;
        }
        if (command.kind == CommandKind::Binder && previous != nullptr &&
            previous->kind != CommandKind::Binder) {
            text += kLineEnd;
        }
        text += command.text;
        text += kLineEnd;
        previous = &command;
    }
    return text;
}

}  // namespace lumar
