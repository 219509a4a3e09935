// Requests per second and latency of "PublicationLastInfoList", with 1, 4
// and 16 clients calling at once, on two databases: 200 publications (two
// binders each; every answer holds all 200 records) and the demo data (a
// few publications per answer, the load of everyday use). Every call opens
// its own connection, as the Lumar client does. The service runs in this
// process on a free loopback port.
//
//   service_bench [seconds per step [publications]]     (default 3 s, 200)

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
#include "lumar-service/demo_seed.h"
#include "lumar-service/http_server.h"
#include "lumar-service/logger.h"
#include "lumar-service/service.h"
#include "lumar-service/soap_request.h"
#include "lumar-service/sqlite_db.h"

namespace {

using namespace lumar::service_app;
using Clock = std::chrono::steady_clock;

// The publications of the large database (second argument).
int gPublications = 200;

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
    for (int i = 0; i < gPublications; ++i) {
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

// The demo data with its supervisor logged on (it sees every publication).
// Returns the supervisor's User_ID.
std::int32_t SeedDemoData(Connection& db, Logger& logger) {
    SeedDemo(db, logger, 1000);
    Statement user(db, "SELECT User_ID FROM users WHERE Login = 'supervisor'");
    user.Step();
    const std::int32_t id = user.Int32(0);
    db.Execute("INSERT INTO logons VALUES (" + std::to_string(id) + ", 0)");
    return id;
}

int CountPublications(Connection& db) {
    Statement count(db, "SELECT COUNT(*) FROM publications");
    count.Step();
    return static_cast<int>(count.Int(0));
}

std::string Request(std::int32_t user) {
    std::string body =
        "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
        "<m:PublicationLastInfoList xmlns:m=\"";
    body += kServiceNamespace;
    body += "\">";
    for (const char* name : {"LogUser_ID", "Publication_ID", "Publication_status_ID", "Language_ID",
                             "Binder_type_ID", "Printing_ID", "Administrator_ID", "Update_user_ID",
                             "Update_status_ID", "Merge_status_ID"}) {
        const std::string value = std::string(name) == "LogUser_ID" ? std::to_string(user) : "0";
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

Step Run(int port, std::int32_t user, int publications, int clients, double seconds) {
    const std::string body = Request(user);
    const std::string expected =
        "<PublicationLastInfoRecordCount>" + std::to_string(publications) + "<";
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
                    result->body.find(expected) == std::string::npos) {
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

// The bytes of one answer on the wire, plain and for a client that accepts
// gzip, and the time until each has arrived.
void PrintAnswerSizes(int port, std::int32_t user) {
    const std::string body = Request(user);
    const std::string action = "\"" + std::string(kServiceNamespace) + "PublicationLastInfoList\"";
    for (const char* coding : {"identity", "gzip"}) {
        httplib::Client client("127.0.0.1", port);
        client.set_decompress(false);
        const auto begin = Clock::now();
        const auto result =
            client.Post("/WS/Lumar/2007/02/",
                        httplib::Headers{{"SOAPAction", action}, {"Accept-Encoding", coding}}, body,
                        "text/xml; charset=utf-8");
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        if (result) {
            std::printf("answer with Accept-Encoding %s: %zu bytes%s%s, %.1f ms\n", coding,
                        result->body.size(), result->has_header("Content-Encoding") ? " " : "",
                        result->get_header_value("Content-Encoding").c_str(), ms);
        }
    }
}

// One database: the three steps of 1, 4 and 16 clients. Returns whether
// every call succeeded.
bool Measure(const char* name, bool demo, double seconds) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("lumar-service-bench-" + std::to_string(::getpid()) + (demo ? "-demo" : ""));
    std::filesystem::create_directories(folder);
    const std::string database = (folder / "bench.db").string();
    std::ostringstream log;
    Logger logger(log, LogLevel::Warning);
    bool ok = true;
    {
        Service service({database}, logger);
        std::int32_t user = 1;
        int publications = gPublications;
        {
            Connection db(database, 5000);
            if (demo) {
                user = SeedDemoData(db, logger);
            } else {
                Seed(db);
            }
            publications = CountPublications(db);
        }
        ServerOptions options;
        HttpServer server(service, logger, options);
        const int port = server.Start();
        std::printf(
            "%s: PublicationLastInfoList, %d publications, %d server threads, %.1f s "
            "per step\n",
            name, publications, options.threads, seconds);
        std::printf("%8s %10s %10s %10s %10s %9s\n", "clients", "calls", "req/s", "p50 ms",
                    "p99 ms", "failures");
        PrintAnswerSizes(port, user);
        Run(port, user, publications, 1, 0.5);  // warm-up
        for (int clients : {1, 4, 16}) {
            const Step step = Run(port, user, publications, clients, seconds);
            std::printf("%8d %10ld %10.0f %10.2f %10.2f %9ld\n", step.clients, step.calls,
                        step.calls / step.seconds, step.p50, step.p99, step.failures);
            ok = ok && step.failures == 0;
        }
        server.Stop();
    }
    std::filesystem::remove_all(folder);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    if (argc > 2) {
        gPublications = std::max(1, std::atoi(argv[2]));
    }
    bool ok = Measure("demo data", true, seconds);
    ok = Measure("large database", false, seconds) && ok;
    return ok ? 0 : 1;
}
