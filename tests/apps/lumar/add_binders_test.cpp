// lumar add-binders: a new publication's binders loaded from a first binder
// file and the ones beside it, as the producer, against the reference
// service in this process.

#include <gtest/gtest.h>

#include <fstream>

#include "fixtures/pdf_builder.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "lumar-service/password.h"
#include "lumar_process.h"
#include "service/ws_client.h"
#include "service/ws_requests.h"

namespace lumar::testing {
namespace {

class LumarAddBinders : public ::testing::Test {
protected:
    void SetUp() override {
        // The settings: the service and the binders folder.
        std::filesystem::create_directories(binders);
        std::filesystem::create_directories(sources);
        settings = service.WriteSettingsFile();
        std::ofstream(settings, std::ios::app | std::ios::binary)
            << "\"Base_docs\"=\"" << binders.string() << "\"\r\n";
        ::setenv("LUMAR_REGISTRY", settings.c_str(), 1);

        LogonResult supervisor;
        ASSERT_TRUE(CWSClient().Logon({"supervisor", service_app::ScramblePassword("supervisor5")},
                                      supervisor))
            << supervisor.Message;
        PublicationInsertRequest insert;
        insert.LogUser_ID = supervisor.User_ID;
        insert.Publication_status_ID = 1;
        insert.Language_ID = 1;
        insert.SAP_code = "NEW";
        insert.Description = "New publication";
        insert.Binder_type_ID = 1;
        insert.Printing_ID = 1;
        insert.Administrator_ID = 1;
        WSIdResult created;
        ASSERT_TRUE(CWSClient().PublicationInsert(insert, created)) << created.Message;
        publication = std::to_string(created.Id);

        for (int n = 1; n <= 2; ++n) {
            const std::string name = "New" + std::to_string(n) + "H007";
            fixtures::PdfBuilder()
                .pages(4)
                .dataAnnotations(fixtures::numberedTexts(4, name + " page "))
                .version("1.3")
                .write(sources / (name + ".pdf"));
        }
    }

    LumarRun AddBinders(std::vector<std::string> options) const {
        std::vector<std::string> arguments = {"--registry", settings.string(), "--user",
                                              "producer"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        for (const std::string& argument :
             {std::string("add-binders"), std::string("--publication"), publication,
              std::string("--first"), (sources / "New1H007.pdf").string()}) {
            arguments.push_back(argument);
        }
        return RunLumar(arguments, {{"LUMAR_PASSWORD", "producer4"}});
    }

    fixtures::ReferenceService service;
    fixtures::TempDir dir;
    std::filesystem::path binders = dir / "binders";
    std::filesystem::path sources = dir / "sources";
    std::filesystem::path settings;
    std::string publication;
};

TEST_F(LumarAddBinders, LoadsEveryBinderWhenTheQuestionIsAnsweredYes) {
    const LumarRun run = AddBinders({"--yes"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Found 2 binders to insert. This might take a while...\nAre you sure?"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(DataAnnotationTexts(binders / "New1H007.pdf"),
              fixtures::numberedTexts(4, "New1H007 page "));
    EXPECT_EQ(DataAnnotationTexts(binders / "New2H007.pdf"),
              fixtures::numberedTexts(4, "New2H007 page "));
}

TEST_F(LumarAddBinders, WithoutAnAnswerTheQuestionIsCancelled) {
    LumarRun run = AddBinders({});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(binders / "New1H007.pdf"));

    // An answer that is no button of the question is a usage error.
    run = AddBinders({"--answer", "Maybe"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--answer Maybe"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace lumar::testing
