// A merge of a large publication: 34 binders of 600 pages (a Create makes
// the 35th), a 300-page supplement whose pages use an embedded TrueType
// font, and merge data that touches 10 binders with every command kind. The
// merge runs in a child process against the reference service (in this
// process); then the same page operations run through the qpdf command line,
// one process per written binder, and the unchanged binders are copied with
// cp. Prints both times, their ratio, the peak memory and the bytes written.
//
// Usage: merge_bench [binder pages [text bytes per page]]   (default 600, 64)
//
// The text bytes are random letters drawn on every binder page; they make
// the binders' content streams (and files) heavier. With MERGE_BENCH_TRACE
// set, the merge prints its resident memory before every command.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "lumar-service/password.h"
#include "merge/merge_data_parser.h"
#include "merge/merge_request.h"
#include "platform/pdf/document.h"
#include "plugin/plugin_harness.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using lumar::fixtures::PdfBuilder;
namespace fs = std::filesystem;

constexpr int kBinders = 34;
constexpr int kSupplementPages = 300;

const char* const kMergeData =
    "(1)binder\r\n(10,1,5)replace\r\n(290,6,10)insert\r\n"
    "(2)binder\r\n(0,11,20)insert\r\n(100,150)delete\r\n"
    "(3)binder\r\n(1,20)store\r\n"
    "(4)binder\r\n(0)restore\r\n(50,60,1)settabsheet\r\n"
    "(5)binder\r\n(61,70,salmon)setcolour\r\n(200,210)delete\r\n(100,21,40)insert\r\n"
    "(6)binder\r\n()create\r\n(7)binder\r\n(1,30)extract\r\n(35)binder\r\n(0,41,60)insert\r\n"
    "(8)binder\r\n(150,61,150)replace\r\n"
    "(9)binder\r\n(1,100,1)settabsheet\r\n"
    "(10)binder\r\n(1,10)delete\r\n(290,1,150)insert\r\n";

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

char BinderChar(int n) {
    return n <= 9 ? static_cast<char>('0' + n) : static_cast<char>('A' + n - 10);
}

std::string BinderFile(int n, int number) {
    char name[64];
    std::snprintf(name, sizeof name, "big%cH%04d.pdf", BinderChar(n), number);
    return name;
}

std::string Origin(int binder, int page) {
    char text[32];
    if (binder == 0) {
        std::snprintf(text, sizeof text, "s%03d", page);
    } else {
        std::snprintf(text, sizeof text, "b%dp%03d", binder, page);
    }
    return text;
}

std::vector<std::string> Origins(int binder, int pages) {
    std::vector<std::string> texts;
    for (int page = 1; page <= pages; ++page) {
        texts.push_back(Origin(binder, page));
    }
    return texts;
}

std::string AnnotationData(const std::vector<std::string>& texts) {
    std::string data;
    for (const std::string& text : texts) {
        data += text + "\r\n";
    }
    return data;
}

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

std::uintmax_t FileBytes(const fs::path& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    return error ? 0 : size;
}

// Runs a program and waits for it; returns its exit status and adds its peak
// resident memory (KiB) to `peakKiB` as a maximum.
int Run(const std::vector<std::string>& arguments, long& peakKiB) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    peakKiB = std::max(peakKiB, usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The data annotation contents of every page of a PDF.
std::vector<std::string> PageTexts(const fs::path& path) {
    std::vector<std::string> texts;
    lumar::pdf::Document document = lumar::pdf::Document::open(path, false);
    for (int i = 0; i < document.pageCount(); ++i) {
        const lumar::pdf::Page page = document.page(i);
        std::string text;
        for (int a = 0; a < page.annotationCount(); ++a) {
            const lumar::pdf::Annotation annotation = page.annotation(a);
            if (annotation.subtype() == "Text" && annotation.title() == "Index") {
                text = annotation.contents();
            }
        }
        texts.push_back(text.substr(0, text.find(' ')));
    }
    return texts;
}

// The qpdf --pages arguments that put together the pages named by `origins`
// from the original binder files and the supplement.
std::vector<std::string> PageSpec(const std::vector<std::string>& origins, const fs::path& binders,
                                  const fs::path& supplement) {
    std::vector<std::string> arguments;
    std::string file;
    int runStart = 0;
    int runEnd = 0;
    const auto flush = [&] {
        if (!file.empty()) {
            arguments.push_back(file);
            arguments.push_back(std::to_string(runStart) + "-" + std::to_string(runEnd));
        }
    };
    for (const std::string& origin : origins) {
        std::string source;
        int page = 0;
        if (origin[0] == 's') {
            source = supplement.string();
            page = std::atoi(origin.c_str() + 1);
        } else {
            const std::size_t p = origin.find('p');
            const int binder = std::atoi(origin.substr(1, p - 1).c_str());
            source = (binders / BinderFile(binder, 12)).string();
            page = std::atoi(origin.c_str() + p + 1);
        }
        if (source == file && page == runEnd + 1) {
            runEnd = page;
            continue;
        }
        flush();
        file = source;
        runStart = runEnd = page;
    }
    flush();
    return arguments;
}

std::int32_t LogOn(const std::string& login) {
    for (const auto& user : lumar::demo::kUsers) {
        if (user.login == login) {
            lumar::LogonResult result;
            lumar::CWSClient().Logon(
                {std::string(login), lumar::service_app::ScramblePassword(user.password)}, result);
            return result.User_ID;
        }
    }
    return 0;
}

bool Check(bool ok, const std::string& what) {
    if (!ok) {
        std::fprintf(stderr, "merge_bench: %s\n", what.c_str());
    }
    return ok;
}
// What the child running the merge reports back.
struct MergeOutcome {
    bool ok = false;
    double seconds = 0;
    long residentBeforeKiB = 0;
    long peakKiB = 0;
};

void WriteAll(int fd, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t put = write(fd, bytes, size);
        if (put <= 0) {
            return;
        }
        bytes += put;
        size -= static_cast<std::size_t>(put);
    }
}

bool ReadAll(int fd, void* data, std::size_t size) {
    char* bytes = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t got = read(fd, bytes, size);
        if (got <= 0) {
            return false;
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

// The request the merge data editor would hand over, fetched before the
// merge starts at the service; fills the expected page counts.
bool PrepareRequest(std::int32_t producer, std::int32_t publication, std::int32_t supplementId,
                    int binderPages, lumar::MergeRequest& request) {
    using namespace lumar;
    PublicationInfoListRequest which;
    which.LogUser_ID = producer;
    which.Publication_ID = publication;
    WSListResult<PublicationLastInfoRecord> latest;
    CWSClient().PublicationLastInfoList(which, latest);
    request.publication = latest.Records.at(0);
    WSListResult<SupplementRecord> supplements;
    CWSClient().SupplementList({producer, supplementId, 0, 0, 0, 0}, supplements);
    request.supplement = supplements.Records.at(0);
    WSListResult<BinderDocRecord> records;
    CWSClient().BinderDocList({producer, 0, publication, 0, 0, 0}, records);
    request.binderDocuments = records.Records;
    const MergeDataParse parse =
        ParseMergeData(kMergeData, MergeDataContext::ExecutorMerge,
                       {kBinders, request.binderDocuments, kSupplementPages, 0, nullptr});
    if (!Check(parse.success, "merge data: " + parse.alertText + parse.errorText)) {
        return false;
    }
    std::map<int, std::int64_t> pairs;
    for (int n = 1; n <= kBinders; ++n) {
        pairs[n] = binderPages / 2;
    }
    for (const MergeCommand& command : parse.commands) {
        switch (command.kind) {
        case CommandKind::Insert:
        case CommandKind::Restore:
            pairs[command.destinationBinder] += command.pairCount();
            break;
        case CommandKind::Extract:
            pairs[command.destinationBinder] += command.pairCount();
            pairs[command.sourceBinder] -= command.pairCount();
            break;
        case CommandKind::Delete:
        case CommandKind::Store:
            pairs[command.sourceBinder] -= command.pairCount();
            break;
        default:
            break;
        }
    }
    for (const auto& [n, count] : pairs) {
        ExpectedPageCounts()[n] = static_cast<std::int32_t>(2 * count);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace lumar;
    const int binderPages = argc > 1 ? std::atoi(argv[1]) : 600;
    const int textBytes = argc > 2 ? std::atoi(argv[2]) : 64;
    std::srand(12);

    fixtures::TempDir dir;
    const fs::path binders = dir / "binders";
    const fs::path supplements = dir / "supplements";
    const fs::path qpdfOut = dir / "qpdf";
    fs::create_directories(binders);
    fs::create_directories(supplements);
    fs::create_directories(qpdfOut);
    setenv("LUMAR_REGISTRY", (dir / "registry.reg").c_str(), 1);

    fixtures::ReferenceService service;
    testing::PluginHarness harness;
    WriteTextSetting("Uri", "Web_service", service.uri());
    WriteTextSetting("Uri", "Base_docs", binders.string());
    WriteTextSetting("Uri", "Supp_docs", supplements.string());
    const std::int32_t supervisor = LogOn("supervisor");
    const std::int32_t producer = LogOn("producer");
    TheLogonStore().user.User_ID = producer;
    TheLogonStore().user.Authorisation_ID = 4;
    CWSClient().ColourList({producer, 0}, TheLogonStore().colours);

    // The merge runs in a child made now, before the fixtures fill this
    // process's memory, so that its peak memory is the merge's own. It waits
    // for the publication, fetches its request, and runs when told.
    int toChild[2];
    int fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) {
        return 1;
    }
    const pid_t child = fork();
    if (child == 0) {
        std::int32_t ids[2] = {0, 0};
        MergeOutcome outcome;
        MergeRequest request;
        if (ReadAll(toChild[0], ids, sizeof ids) &&
            PrepareRequest(producer, ids[0], ids[1], binderPages, request)) {
            char ready = 1;
            WriteAll(fromChild[1], &ready, 1);
            char go = 0;
            if (ReadAll(toChild[0], &go, 1)) {
                outcome.residentBeforeKiB = ResidentKiB();
                if (std::getenv("MERGE_BENCH_TRACE") != nullptr) {
                    request.onCommand = [](std::size_t index) {
                        std::fprintf(stderr, "command %zu: %ld KiB\n", index, ResidentKiB());
                    };
                }
                const auto begin = Clock::now();
                outcome.ok = RunMerge(request);
                outcome.seconds = Seconds(begin);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                outcome.peakKiB = usage.ru_maxrss;
            }
        } else {
            char failed = 0;
            WriteAll(fromChild[1], &failed, 1);
        }
        for (const std::string& note : harness.responder.notes()) {
            std::fprintf(stderr, "merge: %s\n", note.c_str());
        }
        WriteAll(fromChild[1], &outcome, sizeof outcome);
        _exit(0);
    }

    // The publication: binders with a line of Helvetica text on every page,
    // a supplement with an embedded TrueType font on every page.
    auto start = Clock::now();
    PublicationInsertRequest insert;
    insert.LogUser_ID = supervisor;
    insert.Publication_status_ID = 2;
    insert.Language_ID = 1;
    insert.SAP_code = "BIG";
    insert.Binder_type_ID = 1;
    insert.Printing_ID = 1;
    insert.Administrator_ID = 1;
    WSIdResult created;
    if (!Check(CWSClient().PublicationInsert(insert, created), created.Message)) {
        return 1;
    }
    const std::int32_t publication = created.Id;
    WSIdResult done;
    CWSClient().PublicationLock({producer, publication}, done);
    for (int i = 1; i <= kBinders; ++i) {
        const int n = i == kBinders ? 1 : i + 1;
        const std::vector<std::string> texts = Origins(n, binderPages);
        PdfBuilder builder;
        builder.pages(binderPages).dataAnnotations(texts);
        for (int page = 0; page < binderPages; ++page) {
            builder.text(page, 72, 60, texts[page] + " footer text of the page");
            for (int line = 0; line * 2000 < textBytes; ++line) {
                std::string letters(
                    static_cast<std::size_t>(std::min(2000, textBytes - line * 2000)), ' ');
                for (char& letter : letters) {
                    letter = static_cast<char>('a' + std::rand() % 26);
                }
                builder.text(page, 72, 780 - 10 * (line % 70), letters, 0, 8);
            }
        }
        builder.write(binders / BinderFile(n, 12));
        BinderDocInsertRequest binder;
        binder.LogUser_ID = producer;
        binder.Publication_ID = publication;
        binder.Binder_number = n;
        binder.Page_count = binderPages;
        binder.Doc_file = BinderFile(n, 12);
        binder.Annotation_data = AnnotationData(texts);
        binder.Pdf_version = "1.3";
        binder.Pdf_OK = true;
        if (!Check(CWSClient().BinderDocInsert(binder, done), done.Message)) {
            return 1;
        }
    }
    const std::vector<std::string> supplementTexts = Origins(0, kSupplementPages);
    PdfBuilder supplementBuilder;
    supplementBuilder.pages(kSupplementPages).dataAnnotations(supplementTexts);
    fixtures::FontOptions trueType;
    trueType.kind = fixtures::FontKind::TrueType;
    const int font = supplementBuilder.addFont(trueType);
    for (int page = 0; page < kSupplementPages; ++page) {
        supplementBuilder.text(page, 72, 700, supplementTexts[page] + " new text", font);
    }
    const fs::path supplementPath = supplements / "bigS13.pdf";
    supplementBuilder.write(supplementPath);
    SupplementInsertRequest supplement{
        producer, publication, 13,  kSupplementPages, "bigS13.pdf", AnnotationData(supplementTexts),
        "1.3",    0,           true};
    WSIdResult added;
    if (!Check(CWSClient().SupplementInsert(supplement, added), added.Message)) {
        return 1;
    }
    WSIdResult merge;
    if (!Check(CWSClient().MergeInsert({producer, publication, added.Id, kMergeData, 2}, merge),
               merge.Message)) {
        return 1;
    }
    std::printf(
        "fixture: %d binders of %d pages, supplement of %d pages (%ju bytes), built "
        "in %.1f s\n",
        kBinders, binderPages, kSupplementPages,
        static_cast<std::uintmax_t>(FileBytes(supplementPath)), Seconds(start));

    const std::int32_t ids[2] = {publication, added.Id};
    WriteAll(toChild[1], ids, sizeof ids);
    char ready = 0;
    if (!Check(ReadAll(fromChild[0], &ready, 1) && ready == 1, "the merge request")) {
        return 1;
    }
    if (!Check(CWSClient().PublicationMerge({producer, publication}, done), done.Message)) {
        return 1;
    }
    const char go = 1;
    WriteAll(toChild[1], &go, 1);
    MergeOutcome outcome;
    ReadAll(fromChild[0], &outcome, sizeof outcome);
    waitpid(child, nullptr, 0);
    if (!Check(outcome.ok, "the merge failed")) {
        return 1;
    }
    const double mergeSeconds = outcome.seconds;
    const long mergePeakKiB = outcome.peakKiB;
    std::uintmax_t mergeBytes = 0;
    std::vector<std::pair<fs::path, std::vector<std::string>>> written;
    std::uintmax_t largestBinder = 0;
    for (const auto& entry : fs::directory_iterator(binders)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 9 && name.substr(name.size() - 9) == "H0013.pdf") {
            mergeBytes += FileBytes(entry.path());
        } else if (name.size() > 9 && name.substr(name.size() - 9) == "H0012.pdf") {
            largestBinder = std::max(largestBinder, FileBytes(entry.path()));
        }
    }

    // The same page operations with the qpdf command line: one run per binder
    // the merge changed, cp for the others.
    long qpdfPeakKiB = 0;
    std::uintmax_t qpdfBytes = 0;
    int changed = 0;
    int copied = 0;
    double qpdfSeconds = 0;
    bool sameResult = true;
    for (int n = 1; n <= 35; ++n) {
        const fs::path ours = binders / BinderFile(n, 13);
        const fs::path theirs = qpdfOut / BinderFile(n, 13);
        const std::vector<std::string> origins = PageTexts(ours);
        const bool unchanged = n <= kBinders && origins == Origins(n, binderPages);
        std::vector<std::string> command;
        if (unchanged) {
            command = {"cp", (binders / BinderFile(n, 12)).string(), theirs.string()};
            ++copied;
        } else {
            command = {"qpdf", "--empty", "--pages"};
            for (std::string& part : PageSpec(origins, binders, supplementPath)) {
                command.push_back(std::move(part));
            }
            command.insert(command.end(), {"--", "--force-version=1.3", theirs.string()});
            ++changed;
        }
        const auto begin = Clock::now();
        const int exit = Run(command, qpdfPeakKiB);
        qpdfSeconds += Seconds(begin);
        if (exit != 0 && !(exit == 3 && !unchanged)) {  // 3: qpdf warnings
            std::fprintf(stderr, "merge_bench: %s failed (%d)\n", command[0].c_str(), exit);
            return 1;
        }
        qpdfBytes += FileBytes(theirs);
        sameResult = sameResult && PageTexts(theirs) == origins;
    }

    std::printf(
        "merge:     %.2f s, peak memory %.1f MiB (%.1f MiB before the merge), %ju bytes "
        "written\n",
        mergeSeconds, mergePeakKiB / 1024.0, outcome.residentBeforeKiB / 1024.0, mergeBytes);
    std::printf(
        "qpdf CLI:  %.2f s (%d qpdf runs, %d cp), peak memory %.1f MiB, %ju bytes written\n",
        qpdfSeconds, changed, copied, qpdfPeakKiB / 1024.0, qpdfBytes);
    std::printf("ratio merge / qpdf CLI: %.2f; largest binder %.1f MiB; same pages: %s\n",
                mergeSeconds / qpdfSeconds, largestBinder / 1048576.0, sameResult ? "yes" : "no");
    return sameResult ? 0 : 1;
}
