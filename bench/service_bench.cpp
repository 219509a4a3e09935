// Requests per second and latency of "PublicationLastInfoList" on a
// database of 200 publications (two binders each), with 1, 4 and 16 clients
// calling at once. Every call opens its own connection, as the Lumar client
// does. The service runs in this process on a free loopback port.
//
//   service_bench [seconds per step]     (default 3)

#include <httplib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "lumar-service/accounts.h"
#include "lumar-service/http_server.h"
#include "lumar-service/logger.h"
#include "lumar-service/service.h"
#include "lumar-service/soap_request.h"
#include "lumar-service/sqlite_db.h"

namespace {

using namespace lumar::service_app;
using Clock = std::chrono::steady_clock;

constexpr int kPublications = 200;

void Seed(Connection& db) {
    Transaction transaction(db, Transaction::Kind::Write);
    const std::int32_t administrator = AddAdministrator(db, "Bench", "Manager");
    const std::int32_t user =
        AddUser(db, "bench", "Bench user", "", 5, administrator, "bench", 1000);
    db.Execute("INSERT INTO logons VALUES (" + std::to_string(user) + ", 0)");
    db.Execute(
        "INSERT INTO languages VALUES (1, 'English'); INSERT INTO printings VALUES (1, "
        "'Double-sided'); INSERT INTO binder_types VALUES (1, '4-ring binder'); INSERT "
        "INTO publication_statuses VALUES (1, 'Active')");
    Statement publication(db, R"sql(
INSERT INTO publications (Series_ID, Publication_status_ID, Language_ID, NIMBA_code, Lumar_code,
    SAP_code, Abbreviation, Description, Remarks, Max_page_count_per_binder, Binder_type_ID,
    Printing_ID, Administrator_ID, Update_status_time, Create_time)
VALUES (0, 1, 1, 'NIM', 'LUM', ?, 'Abbr', 'A publication of the benchmark', 'Remarks', 500, 1, 1,
    ?, 0, 0))sql");
    Statement binder(db, R"sql(
INSERT INTO binder_docs (Publication_ID, Binder_number, Page_count, Doc_file, Annotation_data,
    Pdf_version, Pdf_font_error_count, Pdf_OK, User_ID) VALUES (?, ?, 200, 'B.pdf', '', '1.3', 0,
    1, ?))sql");
    for (int i = 0; i < kPublications; ++i) {
        publication.Reset();
        publication.Bind(1, "SAP" + std::to_string(i)).Bind(2, std::int64_t{administrator}).Run();
        const std::int64_t id = db.LastInsertId();
        for (int number = 1; number <= 2; ++number) {
            binder.Reset();
            binder.Bind(1, id).Bind(2, std::int64_t{number}).Bind(3, std::int64_t{user}).Run();
        }
    }
    db.Execute("UPDATE publications SET Series_ID = Publication_ID");
    transaction.Commit();
}

std::string Request() {
    std::string body =
        "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
        "<m:PublicationLastInfoList xmlns:m=\"";
    body += kServiceNamespace;
    body += "\">";
    for (const char* name : {"LogUser_ID", "Publication_ID", "Publication_status_ID", "Language_ID",
                             "Binder_type_ID", "Printing_ID", "Administrator_ID", "Update_user_ID",
                             "Update_status_ID", "Merge_status_ID"}) {
        const std::string value = std::string(name) == "LogUser_ID" ? "1" : "0";
        body += std::string("<") + name + ">" + value + "</" + name + ">";
    }
    body += "</m:PublicationLastInfoList></soap:Body></soap:Envelope>";
    return body;
}

struct Step {
    int clients;
    long calls;
    long failures;
    double seconds;
    double p50;
    double p99;
};

Step Run(int port, int clients, double seconds) {
    const std::string body = Request();
    const std::string action = "\"" + std::string(kServiceNamespace) + "PublicationLastInfoList\"";
    std::vector<std::vector<double>> latencies(clients);
    std::atomic<long> failures{0};
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    std::vector<std::thread> threads;
    const auto start = Clock::now();
    for (int c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            while (Clock::now() < end) {
                const auto begin = Clock::now();
                httplib::Client client("127.0.0.1", port);
                client.set_tcp_nodelay(true);
                const auto result =
                    client.Post("/WS/Lumar/2007/02/", httplib::Headers{{"SOAPAction", action}},
                                body, "text/xml; charset=utf-8");
                if (!result || result->status != 200 ||
                    result->body.find("<PublicationLastInfoRecordCount>200<") ==
                        std::string::npos) {
                    ++failures;
                }
                latencies[c].push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    std::vector<double> all;
    for (const auto& list : latencies) {
        all.insert(all.end(), list.begin(), list.end());
    }
    std::sort(all.begin(), all.end());
    auto percentile = [&](double p) {
        return all.empty()
                   ? 0.0
                   : all[std::min(all.size() - 1, static_cast<std::size_t>(p * all.size()))];
    };
    return {clients,          static_cast<long>(all.size()),
            failures.load(),  elapsed,
            percentile(0.50), percentile(0.99)};
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("lumar-service-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string database = (folder / "bench.db").string();
    std::ostringstream log;
    Logger logger(log, LogLevel::Warning);
    int status = 0;
    {
        Service service({database}, logger);
        {
            Connection db(database, 5000);
            Seed(db);
        }
        ServerOptions options;
        HttpServer server(service, logger, options);
        const int port = server.Start();
        std::printf(
            "PublicationLastInfoList, %d publications, %d server threads, %.1f s per step\n",
            kPublications, options.threads, seconds);
        std::printf("%8s %10s %10s %10s %10s %9s\n", "clients", "calls", "req/s", "p50 ms",
                    "p99 ms", "failures");
        Run(port, 1, 0.5);  // warm-up
        for (int clients : {1, 4, 16}) {
            const Step step = Run(port, clients, seconds);
            std::printf("%8d %10ld %10.0f %10.2f %10.2f %9ld\n", step.clients, step.calls,
                        step.calls / step.seconds, step.p50, step.p99, step.failures);
            status |= step.failures != 0 ? 1 : 0;
        }
        server.Stop();
    }
    std::filesystem::remove_all(folder);
    return status;
}
