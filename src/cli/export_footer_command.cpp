// lumar export-footer PDF --region L,B,R,T: the footer export with that
// region confirmed for all pages; <name>.ann.txt in the annotations folder.

#include <algorithm>
#include <vector>

#include "cli/commands.h"
#include "cli/document_session.h"
#include "cli/exit_codes.h"
#include "cli/typed_path.h"
#include "pdftools/footer_export.h"
#include "pdftools/footer_region.h"
#include "platform/host/roles.h"

namespace lumar::cli {

namespace {

std::vector<double> RegionNumbers(const std::string& text) {
    std::vector<double> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, comma - start);
        try {
            std::size_t used = 0;
            numbers.push_back(std::stod(part, &used));
            if (used != part.size()) {
                numbers.clear();
                break;
            }
        } catch (const std::exception&) {
            numbers.clear();
            break;
        }
        start = comma + 1;
    }
    if (numbers.size() != 4) {
        throw CommandExit(kExitUsage,
                          "lumar: --region: expected LEFT,BOTTOM,RIGHT,TOP in points, got " + text);
    }
    return numbers;
}

class ExportFooterCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::string pdf_;
    std::string region_;
};

CLI::App* ExportFooterCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "export-footer", "export the footer text of every page into the annotations folder");
    command->add_option("PDF", pdf_, "the PDF file")->required()->transform(AbsolutePathOption());
    command
        ->add_option("--region", region_,
                     "the footer region for all pages: LEFT,BOTTOM,RIGHT,TOP in points")
        ->required();
    return command;
}

int ExportFooterCommand::Run(const GlobalOptions& global) {
    const std::vector<double> numbers = RegionNumbers(region_);
    DocumentSession session(global, pdf_);
    session->RequireMenuItem("TOLMA:LumarVoetRegels");
    // The region as the tool would have it drawn on the first page.
    host::FixedRect drawn;
    drawn.left = host::fixedFromDouble(numbers[0]);
    drawn.bottom = host::fixedFromDouble(numbers[1]);
    drawn.right = host::fixedFromDouble(numbers[2]);
    drawn.top = host::fixedFromDouble(numbers[3]);
    const std::optional<host::FixedRect> checked =
        CheckedFooterRegion(session->ActiveDocument(), 0, drawn);
    if (!checked) {
        return kExitFailed;
    }
    SetFooterRegions(*checked);
    return ExportFooterText(std::nullopt) ? kExitDone : kExitFailed;
}

}  // namespace

std::unique_ptr<Command> MakeExportFooterCommand() {
    return std::make_unique<ExportFooterCommand>();
}

}  // namespace lumar::cli
