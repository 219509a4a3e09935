// Before a run writes anything: the document file names from the service
// must be plain names, and no file the run would write may be another
// binder's file or a name another binder of the run is written under.

#include <set>
#include <string>
#include <vector>

#include "merge/merge_data_parser.h"
#include "merge/merge_state.h"
#include "platform/host/roles.h"
#include "platform/text/cp1252.h"

namespace lumar {

namespace {

struct PlannedName {
    std::int32_t binder = 0;
    std::string name;
};

bool RefuseFileName(const std::string& name) {
    host::alertNote("Invalid document file name: " + name);
    return false;
}

// The names every binder of the run may be written under, in the order of the
// binder lines and Create lines that lead to them.
std::vector<PlannedName> PlanNames(const MergeState& state) {
    const PublicationLastInfoRecord& publication = state.publication;
    const std::int64_t done = publication.Supplement_number_done;
    const std::int64_t next = publication.Supplement_number_next;
    std::vector<PlannedName> planned;
    std::set<std::int32_t> visited;
    std::int32_t current = 0;
    std::int32_t working = 0;
    std::int32_t newNumber = 0;
    for (const MergeCommand& command : state.commands) {
        if (command.kind == CommandKind::Binder) {
            const std::int32_t n = command.sourceBinder;
            if (n == current) {
                break;  // the run stops at this line
            }
            if (n == working || n > publication.Binder_count) {
                current = n;
                continue;
            }
            working = current = n;
            const BinderDocRecord* record = LastBinderRecord(state, n);
            if (!visited.insert(n).second || record == nullptr) {
                continue;  // a binder seen again is written over this run's own file
            }
            const BinderNames names = MergeBinderNames(record->Doc_file, n, done, next);
            if (!names.newName.empty()) {
                planned.push_back({n, names.newName});
            }
            planned.push_back({n, names.temporaryName});
        } else if (command.kind == CommandKind::Create) {
            newNumber = newNumber == 0 ? publication.Binder_count + 1 : newNumber + 1;
            if (newNumber > kMaxBinderNumber) {
                break;
            }
            const BinderDocRecord* record = LastBinderRecord(state, working);
            const std::string fileName = record != nullptr ? record->Doc_file : std::string();
            const BinderNames names =
                CreateBinderNames(fileName, working, newNumber, done, next == 0 ? done : next);
            if (!names.newName.empty()) {
                planned.push_back({newNumber, names.newName});
            }
            planned.push_back({newNumber, names.temporaryName});
        }
    }
    return planned;
}

}  // namespace

bool CheckRunNames(MergeState& state) {
    if (state.supplementMode) {
        return IsSafeDocumentFileName(state.supplement.Doc_file) ||
               RefuseFileName(state.supplement.Doc_file);
    }
    for (const MergeCommand& command : state.commands) {
        if (command.kind != CommandKind::Binder) {
            continue;
        }
        const BinderDocRecord* record = LastBinderRecord(state, command.sourceBinder);
        if (record != nullptr && !IsSafeDocumentFileName(record->Doc_file)) {
            return RefuseFileName(record->Doc_file);
        }
    }
    if (state.updateMode) {
        return true;  // binders are written back under their own names
    }

    const std::vector<PlannedName> planned = PlanNames(state);
    for (const PlannedName& name : planned) {
        if (name.name.empty()) {
            continue;
        }
        for (const BinderDocRecord& record : state.binderDocuments) {
            if (record.Binder_number != name.binder &&
                text::equalsIgnoreCase(record.Doc_file, name.name)) {
                host::alertNote(FormatText(
                    "Merge refused: binder %d would be written as '%s', the file of binder %d. "
                    "Nothing has been written.",
                    name.binder, name.name.c_str(), record.Binder_number));
                return false;
            }
        }
        for (const PlannedName& other : planned) {
            if (&other != &name && text::equalsIgnoreCase(other.name, name.name)) {
                host::alertNote(
                    other.binder == name.binder
                        ? FormatText("Merge refused: binder %d would be written as '%s' under its "
                                     "new name and under its temporary name. Nothing has been "
                                     "written.",
                                     name.binder, name.name.c_str())
                        : FormatText("Merge refused: binders %d and %d would both be written as "
                                     "'%s'. Nothing has been written.",
                                     name.binder, other.binder, name.name.c_str()));
                return false;
            }
        }
    }
    return true;
}

}  // namespace lumar
