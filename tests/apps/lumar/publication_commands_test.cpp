// The commands on a publication, run against the demo's service after its
// merge: the list, updates, adding a supplement, search and extraction, and
// what the manager does not offer in that state.

#include <gtest/gtest.h>

#include "demo_service.h"
#include "fixtures/pdf_builder.h"

namespace lumar::testing {
namespace {

class LumarPublicationCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(demo.Started()) << demo.DemoOutput(); }

    DemoService demo;
};

TEST_F(LumarPublicationCommands, PublicationsListsTheDefaultColumns) {
    const LumarRun run = demo.Run({"publications"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "SAP code\tAdministrator\tDescription\tUpdate status\tUpdate user\t# Binders\t"
              "Merged supplement\tNext supplement\tMerge data status\n"
              "DEMO\tLegal publications\tDemo publication\tLocked for supplement\tEddie Editor\t"
              "3\t4\t\t\n");
}

TEST_F(LumarPublicationCommands, UpdateChangesTheBinderInPlace) {
    LumarRun run = demo.Run({"update", "--publication", "1", "--binder", "2", "--data", "-"},
                            "(2)binder\r\n(1,1,Yellow)SetColour\r\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> texts = DataAnnotationTexts(demo / "binders" / "Demo2H004.pdf");
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[0], "Demo binder 2 page 1 <<#TABSHEET=true COLOUR=\"yellow\"#>>");
    EXPECT_EQ(texts[1], "Demo binder 2 page 2 <<#COLOUR=\"yellow\"#>>");
    EXPECT_EQ(texts[4], "Demo binder 2 page 5");

    run = demo.Run({"update", "--publication", "1", "--binder", "2", "--data", "-"},
                   "(2)binder\r\n(9,9,Yellow)SetColour\r\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Invalid SetColour parameters."), std::string::npos) << run.err;

    run = demo.Run({"update", "--publication", "1", "--data", "-"}, "(2)binder\r\n");
    EXPECT_EQ(run.exitCode, 2);
}

TEST_F(LumarPublicationCommands, AddSupplementRefusesAnOddPageCountAndTakesAnEvenOne) {
    const std::filesystem::path odd = demo.Folder() / "odd.pdf";
    fixtures::PdfBuilder().pages(3).dataAnnotations({"a", "b", "c"}).version("1.3").write(odd);
    LumarRun run = demo.Run({"add-supplement", "--publication", "1", "--pdf", odd.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("The document has an odd number of pages!"), std::string::npos)
        << run.err;

    const std::filesystem::path even = demo.Folder() / "DemoS005.pdf";
    fixtures::PdfBuilder builder;
    builder.pages(2).dataAnnotations({"s5 page 1", "s5 page 2"}).version("1.3");
    builder.text(0, 72, 700, "Supplement 5", builder.addFont({fixtures::FontKind::TrueType}));
    builder.write(even);
    run = demo.Run({"add-supplement", "--publication", "1", "--pdf", even.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(demo / "supplements" / "DemoS005.pdf"));
    run = demo.Run({"publications"});
    EXPECT_NE(run.out.find("\t3\t4\t5\t"), std::string::npos) << run.out;

    // A second one while the first is pending is not offered.
    run = demo.Run({"add-supplement", "--publication", "1", "--pdf", even.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Add supplement is not available"), std::string::npos) << run.err;
}

TEST_F(LumarPublicationCommands, SearchPrintsTheHitsAndExtractsTheirPages) {
    const std::filesystem::path extract = demo.Folder() / "hits.pdf";
    LumarRun run =
        demo.Run({"search", "--publication", "1", "supplement", "--extract", extract.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "1\t2\tDemo supplement 4 page 1 <<#TABSHEET=true#>> | Demo supplement 4 page 2\n"
              "1\t5\tDemo supplement 4 page 3 | Demo supplement 4 page 4\n");
    EXPECT_NE(run.err.find("Results for 'supplement':"), std::string::npos) << run.err;
    EXPECT_EQ(DataAnnotationTexts(extract),
              (std::vector<std::string>{"Demo supplement 4 page 1 <<#TABSHEET=true#>>",
                                        "Demo supplement 4 page 2", "Demo supplement 4 page 3",
                                        "Demo supplement 4 page 4"}));

    run = demo.Run({"search", "--publication", "1", "--binders", "2", "PAGE 3", "--match-case"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    run = demo.Run({"search", "--publication", "1", "--binders", "2", "page 3"});
    EXPECT_EQ(run.out,
              "2\t2\tDemo binder 2 page 3 <<#COLOUR=\"Yellow\"#>> | Demo binder 2 page 4 "
              "<<#COLOUR=\"Yellow\"#>>\n");

    // The condition the search dialog's "Colour..." writes for Yellow finds
    // the demo's yellow leaf.
    run = demo.Run({"search", "--publication", "1", "COLOUR=\"Yellow\""});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 4), "2\t2\t") << run.out;
}

TEST_F(LumarPublicationCommands, WhatTheManagerDoesNotOfferFailsWithAReason) {
    // Merged already: no merge data left, and the binders are in.
    LumarRun run = demo.Run({"merge", "--publication", "1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Merge publication is not available for publication 2"),
              std::string::npos)
        << run.err;
    run = demo.Run({"add-binders", "--publication", "1", "--first",
                    (demo / "binders" / "Demo1H004.pdf").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Add publication binders is not available"), std::string::npos)
        << run.err;
    run = demo.Run({"merge", "--publication", "99"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Publication 99 does not exist"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace lumar::testing
