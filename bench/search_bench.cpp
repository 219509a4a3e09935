// The search over a large publication: 35 binders of 1000 pages, every page
// text about 120 bytes of words with a tag on some pages, registered on the
// reference service (in this process). Measures, in pages per second:
//   - the first search, which fetches every binder's annotation data from the
//     service ("BinderDocList" with the data) and then walks it;
//   - later searches over the data the records kept: without match case, with
//     match case, and a pattern with "?" and "*" inside (median of the runs).
//
// Usage: search_bench [runs]   (default 7)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "fixtures/service/reference_service.h"
#include "lumar-service/password.h"
#include "platform/settings/temp_settings.h"
#include "plugin/plugin_harness.h"
#include "search/document_search.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBinders = 35;
constexpr int kPages = 1000;

const char* const kWords[] = {"loose",   "leaf",       "binder",  "chapter",  "section",
                              "article", "paragraph",  "tax",     "income",   "rate",
                              "annex",   "table",      "amended", "repealed", "schedule",
                              "note",    "commentary", "ruling",  "decree",   "index"};

// A page text: the leaf's place and a dozen words; every 50th pair is a
// coloured tab sheet; page 777 of every binder holds "Xylophone".
std::string PageText(int binder, int page, unsigned& seed) {
    char head[64];
    std::snprintf(head, sizeof head, "B%02d p.%04d", binder, page);
    std::string text = head;
    for (int w = 0; w < 12; ++w) {
        seed = seed * 1103515245U + 12345U;
        text += ' ';
        text += kWords[(seed >> 16) % (sizeof kWords / sizeof kWords[0])];
    }
    if (page == 777) {
        text += " Xylophone";
    }
    if (((page + 1) / 2) % 50 == 0) {
        text += " <<#TABSHEET=true COLOUR=\"Blue\"#>>";
    }
    return text;
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

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

struct Run {
    double seconds = 0;
    std::size_t hits = 0;
};

Run Search(const std::string& text, bool matchCase, std::vector<lumar::BinderDocRecord>& records) {
    lumar::SearchScope scope = lumar::SearchScope::Binders(records);
    const auto start = Clock::now();
    const lumar::SearchOutcome outcome = lumar::SearchDocuments({text, matchCase}, scope);
    return {Seconds(Clock::now() - start), outcome.hits.size()};
}

Run Median(std::vector<Run> runs) {
    std::sort(runs.begin(), runs.end(),
              [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    return runs[runs.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    lumar::testing::TempSettings settings;
    lumar::fixtures::ReferenceService service;
    lumar::testing::PluginHarness harness;
    lumar::WriteTextSetting("Uri", "Web_service", service.uri());

    const std::int32_t supervisor = LogOn("supervisor");
    const std::int32_t producer = LogOn("producer");
    if (producer == 0 || supervisor == 0) {
        std::fprintf(stderr, "log-on failed\n");
        return 1;
    }
    lumar::LogonStore& store = lumar::TheLogonStore();
    store.user.User_ID = producer;
    store.user.Authorisation_ID = 4;

    lumar::PublicationInsertRequest insert;
    insert.LogUser_ID = supervisor;
    insert.Publication_status_ID = 2;
    insert.Language_ID = 1;
    insert.SAP_code = "BENCH";
    insert.Description = "Search benchmark";
    insert.Binder_type_ID = 1;
    insert.Printing_ID = 1;
    insert.Administrator_ID = 1;
    lumar::WSIdResult created;
    if (!lumar::CWSClient().PublicationInsert(insert, created)) {
        std::fprintf(stderr, "%s\n", created.Message.c_str());
        return 1;
    }
    lumar::WSIdResult locked;
    lumar::CWSClient().PublicationLock({producer, created.Id}, locked);

    std::size_t dataBytes = 0;
    unsigned seed = 7;
    for (int i = 1; i <= kBinders; ++i) {
        const int n = i == kBinders ? 1 : i + 1;  // binder 1 completes the load
        lumar::BinderDocInsertRequest binder;
        binder.LogUser_ID = producer;
        binder.Publication_ID = created.Id;
        binder.Binder_number = n;
        binder.Page_count = kPages;
        binder.Doc_file = "bench" + std::to_string(n) + ".pdf";
        for (int page = 1; page <= kPages; ++page) {
            binder.Annotation_data += PageText(n, page, seed) + "\r\n";
        }
        dataBytes += binder.Annotation_data.size();
        binder.Pdf_version = "1.3";
        binder.Pdf_OK = true;
        lumar::WSIdResult added;
        if (!lumar::CWSClient().BinderDocInsert(binder, added)) {
            std::fprintf(stderr, "binder %d: %s\n", n, added.Message.c_str());
            return 1;
        }
    }

    // The details dialog's list: the records without their annotation data.
    lumar::WSListResult<lumar::BinderDocRecord> list;
    lumar::CWSClient().BinderDocList({producer, 0, created.Id, 0, 0, 0}, list);
    std::vector<lumar::BinderDocRecord> records = list.Records;
    std::sort(records.begin(), records.end(),
              [](const auto& a, const auto& b) { return a.Binder_number < b.Binder_number; });
    const double pages = static_cast<double>(kBinders) * kPages;
    std::printf("%d binders x %d pages, %zu bytes of annotation data\n", kBinders, kPages,
                dataBytes);

    const Run first = Search("xylophone", false, records);
    std::printf("first search (fetches the data): %.3f s, %.0f pages/s, %zu hits\n", first.seconds,
                pages / first.seconds, first.hits);

    struct Case {
        const char* label;
        const char* text;
        bool matchCase;
    };
    const Case cases[] = {{"text, any case", "xylophone", false},
                          {"text, match case", "Xylophone", true},
                          {"pattern a?n*x", "a?n*x", false},
                          {"tab sheet", "TABSHEET=true", false}};
    for (const Case& c : cases) {
        std::vector<Run> all;
        for (int r = 0; r < runs; ++r) {
            all.push_back(Search(c.text, c.matchCase, records));
        }
        const Run median = Median(all);
        std::printf("%-18s median of %d: %.1f ms, %.0f pages/s, %zu hits\n", c.label, runs,
                    median.seconds * 1000, pages / median.seconds, median.hits);
    }
    return 0;
}
