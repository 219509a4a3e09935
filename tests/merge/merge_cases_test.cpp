// The executor's edge cases and faults end to end: names, equal supplement
// numbers, page count checks, cancellation, missing files, a service that
// refuses midway, names that would overwrite another binder, and updates of
// tab sheets and colours in place.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/pdf_builder.h"
#include "merge/merge_request.h"
#include "merge_fixture.h"
#include "service/ws_client.h"

namespace lumar::testing {
namespace {

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class MergeCases : public MergeFixture {
protected:
    // Creates the publication and remembers its files' bytes.
    void Create(PublicationSetup setup) {
        CreatePublication(setup);
        for (const std::string& file : binderFiles) {
            original_.push_back(Bytes(binder(file)));
        }
    }
    void ExpectOriginalsIntact() {
        for (std::size_t i = 0; i < binderFiles.size(); ++i) {
            if (std::filesystem::exists(binder(binderFiles[i]))) {
                EXPECT_EQ(Bytes(binder(binderFiles[i])), original_[i]) << binderFiles[i];
            }
        }
    }
    std::vector<std::string> original_;
};

const std::vector<std::string> kOriginalNames = {"pub1H0012.pdf", "pub2H0012.pdf", "pub3H0012.pdf"};

TEST_F(MergeCases, FileNameMatchingNoNumberIsWrittenUnderItsTemporaryName) {
    PublicationSetup setup;
    setup.fileNames = {"pub1H0012.pdf", "odd.pdf", "pub3H0012.pdf"};
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n";
    Create(setup);
    ExpectedPageCounts()[2] = 8;
    MergeRequest request = StartMerge();
    ASSERT_TRUE(RunMerge(request)) << ::testing::PrintToString(notes());
    EXPECT_EQ(Origins(binder("odd_2H13.pdf")), Pairs(2, {2, 3, 4, 5}));
    const std::vector<BinderDocRecord> registered = registeredBinders(nextId);
    ASSERT_EQ(registered.size(), 3u);
    EXPECT_EQ(registered[0].Doc_file, "odd_2H13.pdf");
    EXPECT_EQ(registered[1].Doc_file, "pub3H0013.pdf");
    EXPECT_EQ(registered[2].Doc_file, "pub1H0013.pdf");
    ExpectOriginalsIntact();
}

TEST_F(MergeCases, EqualNumbersRegisterUnchangedBindersAsTheyAre) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n";
    Create(setup);
    ExpectedPageCounts()[2] = 8;
    MergeRequest request = StartMerge();
    request.publication.Supplement_number_done = 12;
    request.publication.Supplement_number_next = 12;
    ASSERT_TRUE(RunMerge(request)) << ::testing::PrintToString(notes());

    // Binders 1 and 3 are not copied; binder 2 does not write over the file
    // of the version before: it goes under its temporary name.
    EXPECT_EQ(fileNamesInBinders(),
              (std::vector<std::string>{"pub1H0012.pdf", "pub2H0012.pdf", "pub2H0012_2H12.pdf",
                                        "pub3H0012.pdf"}));
    ExpectOriginalsIntact();
    EXPECT_EQ(Origins(binder("pub2H0012_2H12.pdf")), Pairs(2, {2, 3, 4, 5}));
    const std::vector<BinderDocRecord> registered = registeredBinders(nextId);
    ASSERT_EQ(registered.size(), 3u);
    EXPECT_EQ(registered[0].Doc_file, "pub2H0012_2H12.pdf");
    EXPECT_EQ(registered[1].Doc_file, "pub3H0012.pdf");
    EXPECT_EQ(registered[2].Doc_file, "pub1H0012.pdf");
    EXPECT_EQ(registered[2].Page_count, 10);
}

struct FailureCase {
    const char* name;
    std::string mergeData;
    std::vector<std::string> notes;
};

class MergeFailures : public MergeCases, public ::testing::WithParamInterface<FailureCase> {};

// Runs that stop before any binder is finished write and register nothing.
TEST_P(MergeFailures, StopBeforeAnythingIsWritten) {
    const FailureCase& c = GetParam();
    PublicationSetup setup;
    setup.mergeData = c.mergeData;
    Create(setup);
    MergeRequest request = StartMerge();
    EXPECT_FALSE(RunMerge(request));
    EXPECT_FALSE(request.success);
    EXPECT_EQ(notes(), c.notes);
    EXPECT_EQ(fileNamesInBinders(), kOriginalNames);
    ExpectOriginalsIntact();
    EXPECT_TRUE(registeredBinders(nextId).empty());
    EXPECT_EQ(latest(publicationId).Update_status_ID, 4);  // still being merged
}

INSTANTIATE_TEST_SUITE_P(
    Runs, MergeFailures,
    ::testing::Values(FailureCase{"RepeatedBinderLine",
                                  "(2)binder\r\n(2)binder\r\n",
                                  {"Error: command 1 ('(2)binder')"}},
                      FailureCase{"StoreWithoutRestore",
                                  "(2)binder\r\n(1,1)store\r\n",
                                  {"Store in EI without Restore."}},
                      FailureCase{"ParseFailure",
                                  "(2)binder\r\n(6,6)delete\r\n",
                                  {"Invalid Delete parameters.", "Parsing of merge data failed."}}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(MergeCases, PageCountOtherThanExpectedFailsTheRun) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n";
    Create(setup);
    ExpectedPageCounts()[2] = 10;
    MergeRequest request = StartMerge();
    EXPECT_FALSE(RunMerge(request));
    ASSERT_FALSE(notes().empty());
    EXPECT_EQ(notes().front(), "Incorrect number of pages (8 instead of 10) for binder 2.");
    EXPECT_EQ(latest(publicationId).Update_status_ID, 4);  // the merge is not closed
}

TEST_F(MergeCases, MaximumPageCountOnlyWarns) {
    PublicationSetup setup;
    setup.maxPagesPerBinder = 10;
    setup.mergeData = "(2)binder\r\n(5,1,1)insert\r\n";
    Create(setup);
    ExpectedPageCounts()[2] = 12;
    MergeRequest request = StartMerge();
    EXPECT_TRUE(RunMerge(request));
    EXPECT_EQ(notes(),
              std::vector<std::string>{"Maximum of 10 pages per binder exceeded for binder 2."});
    EXPECT_EQ(Origins(binder("pub2H0013.pdf")), Pairs(2, {1, 2, 3, 4, 5}) + Pairs(0, {1}));
}

TEST_F(MergeCases, CancelAfterTheFirstBinderKeepsItAndTouchesNothingElse) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n(3)binder\r\n(2,2)delete\r\n";
    Create(setup);
    ExpectedPageCounts()[2] = 8;
    ExpectedPageCounts()[3] = 8;
    progress.cancelAtPump = 4;  // before the fourth command: binder 2 is finished
    MergeRequest request = StartMerge();

    EXPECT_FALSE(RunMerge(request));
    EXPECT_EQ(notes(), std::vector<std::string>{"Merge aborted by user."});
    EXPECT_EQ(progress.questions, std::vector<std::string>{"Are you sure?"});
    EXPECT_EQ(progress.parentEnabled, (std::vector<bool>{false, true}));
    EXPECT_EQ(fileNamesInBinders(), (std::vector<std::string>{"pub1H0012.pdf", "pub2H0012.pdf",
                                                              "pub2H0013.pdf", "pub3H0012.pdf"}));
    EXPECT_EQ(Origins(binder("pub2H0013.pdf")), Pairs(2, {2, 3, 4, 5}));
    const std::vector<BinderDocRecord> registered = registeredBinders(nextId);
    ASSERT_EQ(registered.size(), 1u);
    EXPECT_EQ(registered[0].Binder_number, 2);
    ExpectOriginalsIntact();
}

TEST_F(MergeCases, MissingBinderFileStopsAtItsFirstCommand) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n";
    Create(setup);
    std::filesystem::remove(binder("pub2H0012.pdf"));
    MergeRequest request = StartMerge();
    EXPECT_FALSE(RunMerge(request));
    EXPECT_EQ(notes(), (std::vector<std::string>{"PDF containing binder not found.",
                                                 "No binder specified for Delete.",
                                                 "Error: command 1 ('(1,1)delete')"}));
    EXPECT_EQ(fileNamesInBinders(), (std::vector<std::string>{"pub1H0012.pdf", "pub3H0012.pdf"}));
    EXPECT_TRUE(registeredBinders(nextId).empty());
}

TEST_F(MergeCases, MissingUnchangedBinderFailsItsCopy) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n";
    Create(setup);
    ExpectedPageCounts()[2] = 8;
    std::filesystem::remove(binder("pub3H0012.pdf"));
    MergeRequest request = StartMerge();
    EXPECT_FALSE(RunMerge(request));
    EXPECT_EQ(notes(), std::vector<std::string>{"Error copying binder. No such file or directory"});
    // Binder 2 and the copy of binder 1 came before.
    EXPECT_EQ(fileNamesInBinders(), (std::vector<std::string>{"pub1H0012.pdf", "pub1H0013.pdf",
                                                              "pub2H0012.pdf", "pub2H0013.pdf"}));
    ASSERT_EQ(registeredBinders(nextId).size(), 1u);  // binder 1 waits for a whole merge
}

TEST_F(MergeCases, ServiceRefusingABinderMidwayStopsTheRun) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n(3)binder\r\n(1,1)delete\r\n";
    Create(setup);
    ExpectedPageCounts()[2] = 8;
    ExpectedPageCounts()[3] = 8;
    MergeRequest request = StartMerge();
    // Someone else registered binder 3 of the new version meanwhile.
    BinderDocInsertRequest other;
    other.LogUser_ID = producer;
    other.Publication_ID = nextId;
    other.Binder_number = 3;
    other.Page_count = 2;
    other.Doc_file = "other.pdf";
    WSIdResult inserted;
    ASSERT_TRUE(CWSClient().BinderDocInsert(other, inserted)) << inserted.Message;

    EXPECT_FALSE(RunMerge(request));
    ASSERT_EQ(notes().size(), 2u);
    EXPECT_NE(notes()[0].find("registered already"), std::string::npos) << notes()[0];
    // The binder line appended for binder 1 follows an empty line.
    EXPECT_EQ(notes()[1], "Error: command 5 ('(1)binder')");
    const std::vector<BinderDocRecord> registered = registeredBinders(nextId);
    ASSERT_EQ(registered.size(), 2u);
    EXPECT_EQ(registered[0].Doc_file, "other.pdf");
    EXPECT_EQ(registered[1].Binder_number, 2);
    EXPECT_FALSE(std::filesystem::exists(binder("pub1H0013.pdf")));
    ExpectOriginalsIntact();
}

TEST_F(MergeCases, DamagedSupplementIsReportedAsNotFoundAfterTheHostsError) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1,1)replace\r\n";
    Create(setup);
    std::ofstream(supplements / supplementFile, std::ios::binary | std::ios::trunc)
        << "%PDF-1.3\nnot really a PDF\n";
    MergeRequest request = StartMerge();
    EXPECT_FALSE(RunMerge(request));
    const std::vector<std::string> shown = notes();
    ASSERT_EQ(shown.size(), 2u) << ::testing::PrintToString(shown);
    EXPECT_EQ(shown[0].rfind("Error during merge: ", 0), 0u) << shown[0];
    EXPECT_NE(shown[0].find("damaged"), std::string::npos) << shown[0];
    EXPECT_EQ(shown[1], "PDF containing supplement not found.");
    EXPECT_EQ(fileNamesInBinders(), kOriginalNames);
}

// The PDF check of a merged binder hands its figures to the service; it
// leaves no report beside the binders.
TEST_F(MergeCases, MergedBindersGetNoPdfReport) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n";
    Create(setup);
    ExpectedPageCounts()[2] = 8;
    MergeRequest request = StartMerge();
    ASSERT_TRUE(RunMerge(request)) << ::testing::PrintToString(notes());
    std::vector<std::string> reports;
    for (const auto& entry : std::filesystem::directory_iterator(binders)) {
        if (entry.path().string().ends_with(".pdf_report.txt")) {
            reports.push_back(entry.path().filename().string());
        }
    }
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
    const std::vector<BinderDocRecord> registered = registeredBinders(nextId);
    ASSERT_EQ(registered.size(), 3u);
    EXPECT_EQ(registered[0].Binder_number, 2);
    EXPECT_TRUE(registered[0].Pdf_OK);
    EXPECT_EQ(registered[0].Pdf_version, "1.3");
}

TEST_F(MergeCases, DocumentFileNameWithAPathIsRefusedBeforeAnythingIsTouched) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n";
    Create(setup);
    MergeRequest request = StartMerge();
    request.binderDocuments[2].Doc_file = "../pub3H0012.pdf";
    EXPECT_FALSE(RunMerge(request));
    EXPECT_EQ(notes(), std::vector<std::string>{"Invalid document file name: ../pub3H0012.pdf"});
    EXPECT_EQ(fileNamesInBinders(), kOriginalNames);
    EXPECT_EQ(progress.windowsMade, 0);
}

TEST_F(MergeCases, PublicationWithoutMergeDataMergesNothing) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n";
    Create(setup);
    MergeRequest request = StartMerge();
    request.publication.Merge_ID_next = 0;  // unrestricted, the list would hold other merges
    EXPECT_FALSE(RunMerge(request));
    EXPECT_EQ(notes(), std::vector<std::string>{"Merge data not found."});
    EXPECT_EQ(fileNamesInBinders(), kOriginalNames);
}

TEST_F(MergeCases, NewNameOfAnotherBindersFileIsRefused) {
    PublicationSetup setup;
    setup.fileNames = {"pub1H0012.pdf", "pub1H0013.pdf", "pub3H0012.pdf"};
    setup.mergeData = "(2)binder\r\n(1,1)delete\r\n";
    Create(setup);
    MergeRequest request = StartMerge();
    EXPECT_FALSE(RunMerge(request));
    EXPECT_EQ(notes(), std::vector<std::string>{
                           "Merge refused: binder 1 would be written as 'pub1H0013.pdf', the "
                           "file of binder 2. Nothing has been written."});
    EXPECT_EQ(fileNamesInBinders(),
              (std::vector<std::string>{"pub1H0012.pdf", "pub1H0013.pdf", "pub3H0012.pdf"}));
    ExpectOriginalsIntact();
}

// Updates: the publication has no merge data; files are written in place.

TEST_F(MergeCases, UpdateOfABinderChangesItsTagsInPlace) {
    Create(PublicationSetup{});
    ExpectedPageCounts()[2] = 10;
    MergeRequest request = UpdateRequest(
        "(2)binder\r\n(1,2,1)SetTabsheet\r\n(2,2,Salmon)SetColour\r\n(4,5,1)SetTabsheet\r\n"
        "(5,5,)SetColour\r\n");
    ASSERT_TRUE(RunMerge(request)) << ::testing::PrintToString(notes());
    EXPECT_TRUE(notes().empty());
    const std::string tab = " <<#TABSHEET=\"true\"#>>";
    const std::string tabColour = " <<#TABSHEET=\"true\" COLOUR=\"salmon\"#>>";
    const std::vector<std::string> expected = {
        "b2p01" + tab, "b2p02" + tab, "b2p03" + tabColour, "b2p04" + tabColour, "b2p05",
        "b2p06",       "b2p07" + tab, "b2p08" + tab,       "b2p09" + tab,       "b2p10" + tab};
    EXPECT_EQ(PageTexts(binder("pub2H0012.pdf")), expected);
    EXPECT_EQ(fileNamesInBinders(), kOriginalNames);

    const std::vector<BinderDocRecord> records = registeredBinders(publicationId);
    ASSERT_EQ(records.size(), 3u);
    std::string data;
    for (const std::string& text : expected) {
        data += text + "\r\n";
    }
    for (const BinderDocRecord& record : records) {
        if (record.Binder_number == 2) {
            EXPECT_EQ(record.Annotation_data, data);
            EXPECT_EQ(record.Doc_file, "pub2H0012.pdf");
        }
    }
}

TEST_F(MergeCases, UpdateOfTheSupplement) {
    Create(PublicationSetup{});
    MergeRequest request = UpdateRequest("(0)binder\r\n(2,2,1)SetTabsheet\r\n");
    ASSERT_TRUE(RunMerge(request)) << ::testing::PrintToString(notes());
    const std::string tab = " <<#TABSHEET=\"true\"#>>";
    EXPECT_EQ(PageTexts(supplements / supplementFile),
              (std::vector<std::string>{"s01", "s02", "s03" + tab, "s04" + tab, "s05", "s06", "s07",
                                        "s08"}));
    WSListResult<SupplementRecord> supplement;
    ASSERT_TRUE(CWSClient().SupplementList({producer, supplementId, 0, 0, 1, 0}, supplement));
    ASSERT_EQ(supplement.Count, 1);
    EXPECT_EQ(supplement.Records[0].Annotation_data,
              "s01\r\ns02\r\ns03" + tab + "\r\ns04" + tab + "\r\ns05\r\ns06\r\ns07\r\ns08\r\n");
}

TEST_F(MergeCases, UpdateStoppedByAPageWithoutAnnotationLeavesTheFileAlone) {
    Create(PublicationSetup{});
    fixtures::PdfBuilder builder;
    builder.pages(10);
    for (int page = 0; page < 10; ++page) {
        if (page != 2) {
            builder.dataAnnotation(
                page, "b2p" + std::string(page < 9 ? "0" : "") + std::to_string(page + 1));
        }
    }
    builder.write(binder("pub2H0012.pdf"));
    const std::string before = Bytes(binder("pub2H0012.pdf"));
    MergeRequest request = UpdateRequest("(2)binder\r\n(1,2,1)SetTabsheet\r\n");
    EXPECT_FALSE(RunMerge(request));
    EXPECT_EQ(notes(), (std::vector<std::string>{"Annotations missing.",
                                                 "Error: command 1 ('(1,2,1)SetTabsheet')"}));
    EXPECT_EQ(Bytes(binder("pub2H0012.pdf")), before);
}

TEST_F(MergeCases, UpdateBeyondTheFilesLastPairIsRefused) {
    Create(PublicationSetup{});
    // The file holds four pairs although its record says five.
    fixtures::PdfBuilder()
        .pages(8)
        .dataAnnotations(Pairs(2, {1, 2, 3, 4}))
        .write(binder("pub2H0012.pdf"));
    const std::string before = Bytes(binder("pub2H0012.pdf"));
    MergeRequest request = UpdateRequest("(2)binder\r\n(5,5,Salmon)SetColour\r\n");
    EXPECT_FALSE(RunMerge(request));
    EXPECT_EQ(notes(), (std::vector<std::string>{"Invalid SetColour parameters.",
                                                 "Error: command 1 ('(5,5,Salmon)SetColour')"}));
    EXPECT_EQ(Bytes(binder("pub2H0012.pdf")), before);
}

}  // namespace
}  // namespace lumar::testing
