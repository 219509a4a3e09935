#include "lumar-service/demo_seed.h"

#include <ctime>
#include <string>

#include "demo/demo_data.h"
#include "lumar-service/accounts.h"
#include "lumar-service/logger.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app {

namespace {

bool Empty(Connection& db, const char* table) {
    Statement count(db, std::string("SELECT COUNT(*) FROM ") + table);
    count.Step();
    return count.Int(0) == 0;
}

void FillLookup(Connection& db, const char* table,
                std::initializer_list<std::pair<int, const char*>> rows) {
    if (!Empty(db, table)) {
        return;
    }
    Statement insert(db, std::string("INSERT INTO ") + table + " VALUES (?, ?)");
    for (const auto& [id, name] : rows) {
        insert.Reset();
        insert.Bind(1, std::int64_t{id}).Bind(2, std::string_view(name)).Run();
    }
}

// One line per page, each ending in CR LF.
std::string AnnotationData(const std::string& document, int pages, int colouredPair) {
    std::string data;
    for (const std::string& text : demo::PageTexts(document, pages, colouredPair)) {
        data += text + "\r\n";
    }
    return data;
}

std::int32_t UserId(Connection& db, std::string_view login) {
    Statement query(db, "SELECT User_ID FROM users WHERE Login = ?");
    query.Bind(1, login);
    return query.Step() ? query.Int32(0) : 0;
}

void SeedUsers(Connection& db, int passwordIterations) {
    if (!Empty(db, "users")) {
        return;
    }
    const std::int32_t legal = AddAdministrator(db, "Legal publications", "Ilse Brandt");
    const std::int32_t tax = AddAdministrator(db, "Tax publications", "Paul Verhoef");
    const char* names[] = {"Grace Guest",    "Robin Reader",   "Eddie Editor",
                           "Petra Producer", "Sam Supervisor", "Tara Tax"};
    std::size_t index = 0;
    for (const demo::User& user : demo::kUsers) {
        // The supervisor works for no administrator of its own and sees them all.
        const std::int32_t administrator =
            user.login == "taxeditor" ? tax : (user.level == 5 ? 0 : legal);
        AddUser(db, user.login, names[index++], "", user.level, administrator, user.password,
                passwordIterations);
    }
}

void SeedPublication(Connection& db) {
    Statement exists(db, "SELECT 1 FROM publications WHERE SAP_code = ?");
    exists.Bind(1, demo::kSapCode);
    if (exists.Step()) {
        return;
    }
    Statement administrator(db, "SELECT Administrator_ID FROM administrators ORDER BY 1 LIMIT 1");
    const std::int64_t administratorId = administrator.Step() ? administrator.Int(0) : 0;
    if (administratorId == 0) {
        return;
    }
    const std::int32_t producer = UserId(db, "producer");
    const auto now = static_cast<std::int64_t>(std::time(nullptr));

    Statement publication(db, R"sql(
INSERT INTO publications (Publication_status_ID, Language_ID, NIMBA_code, Lumar_code, SAP_code,
    Abbreviation, Description, Remarks, Colour_print, Tab_sheets, Max_page_count_per_binder,
    Binder_type_ID, Printing_ID, Administrator_ID, Update_user_ID, Update_status_ID,
    Update_status_time, Create_time)
VALUES (1, 2, 'NIM-0001', 'LUM-DEMO', ?1, 'Demo', 'Demo publication',
    'Seeded by lumar-service --demo', 1, 1, 500, 1, 2, ?2, ?3, 1, ?4, ?4))sql");
    publication.Bind(1, demo::kSapCode)
        .Bind(2, administratorId)
        .Bind(3, std::int64_t{producer})
        .Bind(4, now)
        .Run();
    const std::int64_t publicationId = db.LastInsertId();
    Statement series(db,
                     "UPDATE publications SET Series_ID = Publication_ID WHERE Publication_ID = ?");
    series.Bind(1, publicationId).Run();

    Statement binder(db, R"sql(
INSERT INTO binder_docs (Publication_ID, Binder_number, Page_count, Doc_file, Annotation_data,
    Pdf_version, Pdf_font_error_count, Pdf_OK, User_ID)
VALUES (?, ?, ?, ?, ?, '1.3', 0, 1, ?))sql");
    int number = 0;
    for (std::string_view file : demo::kBinderFiles) {
        ++number;
        binder.Reset();
        binder.Bind(1, publicationId)
            .Bind(2, std::int64_t{number})
            .Bind(3, std::int64_t{demo::kPagesPerBinder})
            .Bind(4, file)
            .Bind(5, AnnotationData("Demo binder " + std::to_string(number), demo::kPagesPerBinder,
                                    demo::ColouredPairOfBinder(number)))
            .Bind(6, std::int64_t{producer})
            .Run();
    }

    Statement supplement(db, R"sql(
INSERT INTO supplements (Publication_ID, Supplement_number, Page_count, Doc_file, Annotation_data,
    Pdf_version, Pdf_font_error_count, Pdf_OK, User_ID)
VALUES (?, 4, ?, ?, ?, '1.3', 0, 1, ?))sql");
    supplement.Bind(1, publicationId)
        .Bind(2, std::int64_t{demo::kSupplementPages})
        .Bind(3, demo::kSupplementFile)
        .Bind(4, AnnotationData("Demo supplement 4", demo::kSupplementPages, 0))
        .Bind(5, std::int64_t{producer})
        .Run();
    const std::int64_t supplementId = db.LastInsertId();

    Statement merge(db, R"sql(
INSERT INTO merges (Publication_ID, Supplement_ID, Merge_data, Merge_status_ID, User_ID, Create_time)
VALUES (?, ?, ?, 2, ?, ?))sql");
    merge.Bind(1, publicationId)
        .Bind(2, supplementId)
        .Bind(3, demo::kMergeData)
        .Bind(4, std::int64_t{producer})
        .Bind(5, now)
        .Run();
    const std::int64_t mergeId = db.LastInsertId();

    Statement next(db,
                   "UPDATE publications SET Supplement_ID_next = ?, Merge_ID_next = ? "
                   "WHERE Publication_ID = ?");
    next.Bind(1, supplementId).Bind(2, mergeId).Bind(3, publicationId).Run();
}

}  // namespace

void SeedLookups(Connection& db) {
    FillLookup(db, "publication_statuses",
               {{1, "Active"}, {2, "In preparation"}, {3, "Discontinued"}});
    FillLookup(db, "languages", {{1, "Dutch"}, {2, "English"}, {3, "French"}, {4, "German"}});
    FillLookup(db, "binder_types",
               {{1, "4-ring binder"}, {2, "2-ring binder"}, {3, "Lever arch file"}});
    FillLookup(db, "printings", {{1, "Single-sided"}, {2, "Double-sided"}});
    if (Empty(db, "colours")) {
        struct Colour {
            int id;
            const char* name;
            int r, g, b;
        };
        const Colour colours[] = {
            {1, "White", 255, 255, 255}, {2, "Yellow", 255, 255, 153}, {3, "Blue", 153, 204, 255},
            {4, "Green", 153, 255, 153}, {5, "Pink", 255, 192, 203},   {6, "Salmon", 250, 128, 114},
            {7, "Grey", 192, 192, 192},
        };
        Statement insert(db, "INSERT INTO colours VALUES (?, ?, ?, ?, ?)");
        for (const Colour& colour : colours) {
            insert.Reset();
            insert.Bind(1, std::int64_t{colour.id})
                .Bind(2, std::string_view(colour.name))
                .Bind(3, std::int64_t{colour.r})
                .Bind(4, std::int64_t{colour.g})
                .Bind(5, std::int64_t{colour.b})
                .Run();
        }
    }
}

void SeedDemo(Connection& db, Logger& logger, int passwordIterations) {
    Transaction transaction(db, Transaction::Kind::Write);
    SeedLookups(db);
    SeedUsers(db, passwordIterations);
    SeedPublication(db);
    transaction.Commit();
    logger.Write(LogLevel::Info, "demo data present");
}

}  // namespace lumar::service_app
