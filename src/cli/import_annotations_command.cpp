// lumar import-annotations PDF --from FILE: every page of the PDF given its
// data annotation from an annotation file or a footer file, then saved.

#include "annotations/annotation_import.h"
#include "cli/commands.h"
#include "cli/document_session.h"
#include "cli/exit_codes.h"
#include "cli/typed_path.h"
#include "platform/text/cp1252.h"

namespace lumar::cli {

namespace {

class ImportAnnotationsCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::string pdf_;
    std::string from_;
    bool add_ = false;
    bool replace_ = false;
    std::string saveAs_;  // empty: the PDF itself
};

CLI::App* ImportAnnotationsCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "import-annotations", "give every page its data annotation from a file, one line a page");
    command->add_option("PDF", pdf_, "the PDF file")->required()->transform(AbsolutePathOption());
    command->add_option("--from", from_, "annotation file (.ann) or footer file (.ann.txt)")
        ->required()
        ->transform(AbsolutePathOption());
    CLI::Option* add = command->add_flag("--add", add_, "add to existing data annotations");
    CLI::Option* replace =
        command->add_flag("--replace", replace_, "replace existing data annotations");
    add->excludes(replace);
    command
        ->add_option("--save-as", saveAs_,
                     "where to save (default: the PDF itself, through a temporary file)")
        ->transform(AbsolutePathOption());
    return command;
}

int ImportAnnotationsCommand::Run(const GlobalOptions& global) {
    if (!add_ && !replace_) {
        throw CLI::ValidationError("--add or --replace is needed");
    }
    DocumentSession session(global, pdf_);
    session->RequireMenuItem("TOLMA:LumarAnnotImport");
    pdf::Document* document = session->ActiveDocument();
    const PageDataMode mode = replace_ ? PageDataMode::Replace : PageDataMode::Add;
    if (!ImportPages(document, text::fromUtf8(from_), mode)) {
        return kExitFailed;
    }
    const std::string target = saveAs_.empty() ? pdf_ : saveAs_;
    return SaveDocumentTo(document, text::fromUtf8(target)) ? kExitDone : kExitFailed;
}

}  // namespace

std::unique_ptr<Command> MakeImportAnnotationsCommand() {
    return std::make_unique<ImportAnnotationsCommand>();
}

}  // namespace lumar::cli
