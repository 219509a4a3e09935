// Who may do what: every operation × user level × owner of the publication,
// against the availability rules of the client's commands. The service must
// allow exactly those and deny everything else, and a denied request must
// leave the stored data untouched.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "fixtures/temp_dir.h"
#include "lumar-service/logger.h"
#include "lumar-service/service.h"
#include "lumar-service/sqlite_db.h"
#include "soap_test_client.h"

namespace lumar::service_test {
namespace {

using service_app::Connection;
using service_app::Statement;

// The states a publication is prepared in before the operation runs.
enum class Home {
    None,            // the operation is not about a publication
    Released,        // status 1, two binders
    ReleasedEmpty,   // status 1, no binders
    Supplement,      // status 2, two binders, nothing next
    WithSupplement,  // status 2, a next supplement
    WithMergeData,   // status 2, next supplement and ready merge data
    LoadingBinders,  // status 3, binder 2 loaded
    Merging,         // status 4: the version a merge is building
    Merged,          // status 2, the result of a finished merge
};

enum class Owner {
    Mine,        // the caller's administrator; a lock is the caller's
    OtherUser,   // the caller's administrator; locked by another user
    OtherAdmin,  // another administrator's publication; a lock is the caller's
};

constexpr std::int32_t kOtherUser = 10;

struct World {
    std::int32_t actor = 0;
    std::int32_t publication = 0;
    std::int32_t binderDoc = 0;
    std::int32_t supplement = 0;
    std::int32_t merge = 0;
};

void Exec(Connection& db, const std::string& sql) {
    db.Execute(sql);
}

std::int32_t Insert(Connection& db, const std::string& sql) {
    db.Execute(sql);
    return static_cast<std::int32_t>(db.LastInsertId());
}

std::string Id(std::int32_t id) {
    return std::to_string(id);
}

// Users 1..5 have levels 1..5 (administrator 1), user 10 is another
// level-5 user of administrator 1; all are logged on.
World Build(Connection& db, Home home, Owner owner, std::int32_t level) {
    World world;
    world.actor = level;
    service_app::Transaction transaction(db, service_app::Transaction::Kind::Write);
    Exec(db,
         "INSERT INTO administrators (Administrator_ID, Name) VALUES (1, 'A'), (2, 'B');"
         "INSERT INTO languages VALUES (1, 'English'); INSERT INTO colours VALUES (1, 'White', "
         "255, 255, 255);");
    for (int user : {1, 2, 3, 4, 5, kOtherUser}) {
        const int userLevel = user == kOtherUser ? 5 : user;
        Exec(db,
             "INSERT INTO users (User_ID, Login, Name, Authorisation_ID, Administrator_ID, "
             "Password_hash) VALUES (" +
                 Id(user) + ", 'u" + Id(user) + "', 'User " + Id(user) + "', " + Id(userLevel) +
                 ", 1, 'none'); INSERT INTO logons VALUES (" + Id(user) + ", 0);");
    }
    if (home == Home::None) {
        transaction.Commit();
        return world;
    }
    const int administrator = owner == Owner::OtherAdmin ? 2 : 1;
    const bool released = home == Home::Released || home == Home::ReleasedEmpty;
    int status = 2;
    if (home == Home::LoadingBinders) {
        status = 3;
    } else if (home == Home::Merging) {
        status = 4;
    }
    int holder = owner == Owner::OtherUser ? kOtherUser : world.actor;
    if (released) {
        // Another user's publication is one that user has locked.
        status = owner == Owner::OtherUser ? 2 : 1;
        holder = owner == Owner::OtherUser ? kOtherUser : 0;
    }
    std::int32_t previous = 0;
    const bool fromMerge = home == Home::Merging || home == Home::Merged;
    std::int32_t mergeDone = 0;
    if (fromMerge) {
        previous = Insert(db,
                          "INSERT INTO publications (Series_ID, Administrator_ID, "
                          "Update_status_ID, Update_status_time, Create_time) VALUES (1, " +
                              Id(administrator) + ", 5, 0, 0)");
        Exec(db,
             "INSERT INTO binder_docs (Publication_ID, Binder_number, Page_count, Doc_file, "
             "Annotation_data, Pdf_version, Pdf_font_error_count, Pdf_OK, User_ID) VALUES (" +
                 Id(previous) + ", 1, 4, 'P1H001.pdf', '', '1.3', 0, 1, 1)");
        const std::int32_t done = Insert(
            db,
            "INSERT INTO supplements (Publication_ID, Supplement_number, Page_count, Doc_file, "
            "Annotation_data, Pdf_version, Pdf_font_error_count, Pdf_OK, User_ID) VALUES (" +
                Id(previous) + ", 2, 2, 'S2.pdf', '', '1.3', 0, 1, 1)");
        mergeDone = Insert(db,
                           "INSERT INTO merges (Publication_ID, Supplement_ID, Merge_data, "
                           "Merge_status_ID, User_ID, Create_time) VALUES (0, " +
                               Id(done) + ", '(1)binder', " + (home == Home::Merged ? "3" : "2") +
                               ", 1, 0)");
    }
    world.publication =
        Insert(db,
               "INSERT INTO publications (Series_ID, Administrator_ID, Update_user_ID, "
               "Update_status_ID, Update_status_time, Create_time, Publication_ID_previous, "
               "Merge_ID_done) VALUES (1, " +
                   Id(administrator) + ", " + Id(holder) + ", " + Id(status) + ", 0, 0, " +
                   Id(previous) + ", " + Id(mergeDone) + ")");
    if (fromMerge) {
        Exec(db, "UPDATE publications SET Publication_ID_next = " + Id(world.publication) +
                     " WHERE Publication_ID = " + Id(previous) +
                     "; UPDATE merges SET "
                     "Publication_ID = " +
                     Id(world.publication) + " WHERE Merge_ID = " + Id(mergeDone));
    }
    const std::string docColumns =
        "(Publication_ID, Binder_number, Page_count, Doc_file, Annotation_data, Pdf_version, "
        "Pdf_font_error_count, Pdf_OK, User_ID)";
    const bool twoBinders =
        home != Home::ReleasedEmpty && home != Home::LoadingBinders && home != Home::Merging;
    if (twoBinders) {
        Exec(db, "INSERT INTO binder_docs " + docColumns + " VALUES (" + Id(world.publication) +
                     ", 1, 4, 'P1H002.pdf', 'a\r\nb\r\nc\r\nd\r\n', '1.3', 0, 1, 1)");
    }
    if (twoBinders || home == Home::LoadingBinders || home == Home::Merging) {
        world.binderDoc =
            Insert(db, "INSERT INTO binder_docs " + docColumns + " VALUES (" +
                           Id(world.publication) + ", 2, 4, 'P2H002.pdf', '', '1.3', 0, 1, 1)");
    }
    if (home == Home::WithSupplement || home == Home::WithMergeData) {
        world.supplement =
            Insert(db,
                   "INSERT INTO supplements (Publication_ID, Supplement_number, Page_count, "
                   "Doc_file, Annotation_data, Pdf_version, Pdf_font_error_count, Pdf_OK, User_ID) "
                   "VALUES (" +
                       Id(world.publication) + ", 3, 2, 'S3.pdf', '', '1.3', 0, 1, 1)");
        Exec(db, "UPDATE publications SET Supplement_ID_next = " + Id(world.supplement) +
                     " WHERE Publication_ID = " + Id(world.publication));
    }
    if (home == Home::WithMergeData) {
        world.merge = Insert(db,
                             "INSERT INTO merges (Publication_ID, Supplement_ID, Merge_data, "
                             "Merge_status_ID, User_ID, Create_time) VALUES (" +
                                 Id(world.publication) + ", " + Id(world.supplement) +
                                 ", '(1)binder', 2, 1, 0)");
        Exec(db, "UPDATE publications SET Merge_ID_next = " + Id(world.merge) +
                     " WHERE Publication_ID = " + Id(world.publication));
    }
    transaction.Commit();
    return world;
}

// Everything the operations may change, as one text.
std::string Snapshot(Connection& db) {
    std::string text;
    for (const char* table : {"publications", "binder_docs", "supplements", "merges"}) {
        Statement rows(db, std::string("SELECT * FROM ") + table + " ORDER BY 1");
        while (rows.Step()) {
            for (int column = 0; column < 26; ++column) {
                text += rows.Text(column) + "|";
            }
            text += "\n";
        }
    }
    return text;
}

enum class Kind {
    Free,      // not about a publication: only the level counts
    Read,      // reading a publication: level and administrator
    Released,  // needs a released publication of the caller's administrator
    Held,      // needs the caller's lock on a publication of the caller's administrator
};

struct Rule {
    const char* name;
    const char* method;
    Home home;
    Kind kind;
    std::int32_t level;  // the lowest level the client offers the command to
    std::function<Params(const World&)> params;
};

Params Doc(const World& w, std::int32_t binder, bool publicationUpdate) {
    return {{"LogUser_ID", Id(w.actor)},
            {"Publication_ID", Id(w.publication)},
            {"Binder_number", Id(binder)},
            {"Page_count", "4"},
            {"Doc_file", "New.pdf"},
            {"Annotation_data", ""},
            {"Pdf_version", "1.3"},
            {"Pdf_font_error_count", "0"},
            {"Pdf_OK", "1"},
            {"Publication_update", publicationUpdate ? "1" : "0"}};
}

Params PublicationOnly(const World& w) {
    return {{"LogUser_ID", Id(w.actor)}, {"Publication_ID", Id(w.publication)}};
}

Params InfoFilters(const World& w) {
    return {{"LogUser_ID", Id(w.actor)},    {"Publication_ID", Id(w.publication)},
            {"Publication_status_ID", "0"}, {"Language_ID", "0"},
            {"Binder_type_ID", "0"},        {"Printing_ID", "0"},
            {"Administrator_ID", "0"},      {"Update_user_ID", "0"},
            {"Update_status_ID", "0"},      {"Merge_status_ID", "0"}};
}

Params PublicationFields(const World& w, bool withId) {
    Params params = {{"LogUser_ID", Id(w.actor)}};
    if (withId) {
        params.emplace_back("Publication_ID", Id(w.publication));
    }
    const Params fields = {{"Publication_status_ID", "0"},
                           {"Language_ID", "1"},
                           {"NIMBA_code", "N"},
                           {"Lumar_code", "L"},
                           {"SAP_code", "S"},
                           {"Abbreviation", "A"},
                           {"Description", "D"},
                           {"Remarks", "R"},
                           {"Colour_print", "0"},
                           {"Tab_sheets", "0"},
                           {"Max_page_count_per_binder", "100"},
                           {"Binder_type_ID", "0"},
                           {"Printing_ID", "0"},
                           {"Administrator_ID", "1"}};
    params.insert(params.end(), fields.begin(), fields.end());
    return params;
}

Params SupplementFields(const World& w, bool withId) {
    Params params = {{"LogUser_ID", Id(w.actor)}};
    if (withId) {
        params.emplace_back("Supplement_ID", Id(w.supplement));
    }
    const Params fields = {{"Publication_ID", Id(w.publication)},
                           {"Supplement_number", "3"},
                           {"Page_count", "2"},
                           {"Doc_file", "S3b.pdf"},
                           {"Annotation_data", ""},
                           {"Pdf_version", "1.3"},
                           {"Pdf_font_error_count", "0"},
                           {"Pdf_OK", "1"}};
    params.insert(params.end(), fields.begin(), fields.end());
    return params;
}

const std::vector<Rule>& Rules() {
    static const std::vector<Rule> rules = {
        {"StatusList", "PublicationStatusList", Home::None, Kind::Free, 1,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}};
         }},
        {"LanguageList", "LanguageList", Home::None, Kind::Free, 1,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}};
         }},
        {"BinderTypeList", "BinderTypeList", Home::None, Kind::Free, 1,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}};
         }},
        {"PrintingList", "PrintingList", Home::None, Kind::Free, 1,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}};
         }},
        {"ColourList", "ColourList", Home::None, Kind::Free, 1,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}, {"Colour_ID", "0"}};
         }},
        {"OwnUserInfo", "UserInfoList", Home::None, Kind::Free, 1,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)},
                           {"User_ID", Id(w.actor)},
                           {"Authorisation_ID", "0"},
                           {"Administrator_ID", "0"}};
         }},
        {"OtherUserInfo", "UserInfoList", Home::None, Kind::Free, 5,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)},
                           {"User_ID", Id(kOtherUser)},
                           {"Authorisation_ID", "0"},
                           {"Administrator_ID", "0"}};
         }},
        {"PublicationInsert", "PublicationInsert", Home::None, Kind::Free, 5,
         [](const World& w) { return PublicationFields(w, false); }},
        {"LastInfoList", "PublicationLastInfoList", Home::Released, Kind::Read, 2, InfoFilters},
        {"InfoList", "PublicationInfoList", Home::Released, Kind::Read, 2, InfoFilters},
        {"BinderDocList", "BinderDocList", Home::Released, Kind::Read, 2,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}, {"BinderDoc_ID", Id(w.binderDoc)},
                           {"Publication_ID", "0"},     {"Binder_number", "0"},
                           {"Annotation_dataGet", "1"}, {"User_ID", "0"}};
         }},
        {"SupplementList", "SupplementList", Home::WithSupplement, Kind::Read, 2,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)},           {"Supplement_ID", "0"},
                           {"Publication_ID", Id(w.publication)}, {"Supplement_number", "0"},
                           {"Annotation_dataGet", "1"},           {"User_ID", "0"}};
         }},
        {"MergeList", "MergeList", Home::WithMergeData, Kind::Read, 2,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)},
                           {"Merge_ID", Id(w.merge)},
                           {"Publication_ID", "0"},
                           {"Supplement_ID", "0"},
                           {"Merge_dataGet", "1"},
                           {"Merge_status_ID", "0"},
                           {"User_ID", "0"}};
         }},
        {"LockWithBinders", "PublicationLock", Home::Released, Kind::Released, 3, PublicationOnly},
        {"LockWithoutBinders", "PublicationLock", Home::ReleasedEmpty, Kind::Released, 4,
         PublicationOnly},
        {"Delete", "PublicationDelete", Home::Released, Kind::Released, 5, PublicationOnly},
        {"Unlock", "PublicationUnlock", Home::Supplement, Kind::Held, 3, PublicationOnly},
        {"UpdateDetails", "PublicationUpdate", Home::Supplement, Kind::Held, 5,
         [](const World& w) { return PublicationFields(w, true); }},
        {"Reset", "PublicationReset", Home::LoadingBinders, Kind::Held, 4, PublicationOnly},
        {"Merge", "PublicationMerge", Home::WithMergeData, Kind::Held, 3, PublicationOnly},
        {"RevertMerged", "PublicationRevert", Home::Merged, Kind::Held, 4, PublicationOnly},
        {"RevertFailedMerge", "PublicationRevert", Home::Merging, Kind::Held, 3, PublicationOnly},
        {"LoadBinder", "BinderDocInsert", Home::LoadingBinders, Kind::Held, 4,
         [](const World& w) { return Doc(w, 3, false); }},
        {"MergeBinder", "BinderDocInsert", Home::Merging, Kind::Held, 3,
         [](const World& w) { return Doc(w, 1, false); }},
        {"BinderInPlace", "BinderDocInsert", Home::Supplement, Kind::Held, 4,
         [](const World& w) { return Doc(w, 3, true); }},
        {"BinderDocUpdate", "BinderDocUpdate", Home::Supplement, Kind::Held, 3,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)},
                           {"BinderDoc_ID", Id(w.binderDoc)},
                           {"Publication_ID", Id(w.publication)},
                           {"Binder_number", "2"},
                           {"Page_count", "6"},
                           {"Doc_file", "P2H002.pdf"},
                           {"Annotation_data", ""},
                           {"Pdf_version", "1.3"},
                           {"Pdf_font_error_count", "0"},
                           {"Pdf_OK", "0"}};
         }},
        {"BinderDocDeleteInLoad", "BinderDocDelete", Home::LoadingBinders, Kind::Held, 4,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}, {"BinderDoc_ID", Id(w.binderDoc)}};
         }},
        {"BinderDocDeleteInMerge", "BinderDocDelete", Home::Merging, Kind::Held, 3,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}, {"BinderDoc_ID", Id(w.binderDoc)}};
         }},
        {"SupplementInsert", "SupplementInsert", Home::Supplement, Kind::Held, 3,
         [](const World& w) { return SupplementFields(w, false); }},
        {"SupplementUpdate", "SupplementUpdate", Home::WithSupplement, Kind::Held, 3,
         [](const World& w) { return SupplementFields(w, true); }},
        {"SupplementDelete", "SupplementDelete", Home::WithSupplement, Kind::Held, 3,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}, {"Supplement_ID", Id(w.supplement)}};
         }},
        {"MergeInsert", "MergeInsert", Home::WithSupplement, Kind::Held, 3,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)},
                           {"Publication_ID", Id(w.publication)},
                           {"Supplement_ID", Id(w.supplement)},
                           {"Merge_data", "(1)binder"},
                           {"Merge_status_ID", "1"}};
         }},
        {"MergeUpdate", "MergeUpdate", Home::WithMergeData, Kind::Held, 3,
         [](const World& w) {
             return Params{
                 {"LogUser_ID", Id(w.actor)},           {"Merge_ID", Id(w.merge)},
                 {"Publication_ID", Id(w.publication)}, {"Supplement_ID", Id(w.supplement)},
                 {"Merge_data", "(2)binder"},           {"Merge_status_ID", "2"}};
         }},
        {"MergeDelete", "MergeDelete", Home::WithMergeData, Kind::Held, 3,
         [](const World& w) {
             return Params{{"LogUser_ID", Id(w.actor)}, {"Merge_ID", Id(w.merge)}};
         }},
    };
    return rules;
}

bool Expected(const Rule& rule, std::int32_t level, Owner owner) {
    if (level < rule.level) {
        return false;
    }
    switch (rule.kind) {
    case Kind::Free:
        return true;
    case Kind::Read:
        return owner != Owner::OtherAdmin || level == 5;
    case Kind::Released:
    case Kind::Held:
        if (owner == Owner::OtherUser) {
            return false;
        }
        return owner == Owner::Mine || level == 5;
    }
    return false;
}

struct Case {
    const Rule* rule;
    std::int32_t level;
    Owner owner;
};

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    const char* owners[] = {"Mine", "OtherUser", "OtherAdmin"};
    return std::string(info.param.rule->name) + "_Level" + std::to_string(info.param.level) + "_" +
           owners[static_cast<int>(info.param.owner)];
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const Rule& rule : Rules()) {
        for (std::int32_t level = 1; level <= 5; ++level) {
            for (Owner owner : {Owner::Mine, Owner::OtherUser, Owner::OtherAdmin}) {
                if (rule.kind == Kind::Free && owner != Owner::Mine) {
                    continue;
                }
                cases.push_back({&rule, level, owner});
            }
        }
    }
    return cases;
}

// Removes a database file with its WAL and shared-memory files.
struct RemoveDatabase {
    std::string path;
    ~RemoveDatabase() {
        for (const char* suffix : {"", "-wal", "-shm"}) {
            std::error_code ignored;
            std::filesystem::remove(path + suffix, ignored);
        }
    }
};

class Authorisation : public ::testing::TestWithParam<Case> {
protected:
    fixtures::TempDir folder;
};

TEST_P(Authorisation, AllowsExactlyWhatTheClientOffers) {
    const Case& c = GetParam();
    // 430 small databases: kept in memory-backed storage where there is one,
    // so that the run does not wait for the disk.
    const char* memory = "/dev/shm";
    const std::string path =
        std::filesystem::is_directory(memory)
            ? std::string(memory) + "/lumar-authorisation-" + std::to_string(::getpid()) + ".db"
            : (folder / "service.db").string();
    const RemoveDatabase removal{path};
    std::ostringstream log;
    service_app::Logger logger(log);
    service_app::Service service({path}, logger);
    Connection db(path, 5000);
    const World world = Build(db, c.rule->home, c.owner, c.level);
    const std::string before = Snapshot(db);

    const std::string method = c.rule->method;
    const std::string action = SoapTestClient::Action(method);
    const service_app::SoapAnswer answer =
        service.HandleSoap(SoapTestClient::Envelope(method, c.rule->params(world)), &action);
    ASSERT_EQ(answer.httpStatus, 200) << answer.body;

    const bool allowed = Expected(*c.rule, c.level, c.owner);
    if (allowed) {
        EXPECT_EQ(answer.errorCode, 0) << answer.body;
    } else {
        EXPECT_NE(answer.errorCode, 0) << "allowed although the client does not offer it";
        EXPECT_EQ(Snapshot(db), before) << "a refused request changed data";
    }
}

INSTANTIATE_TEST_SUITE_P(OperationsLevelsOwners, Authorisation, ::testing::ValuesIn(AllCases()),
                         CaseName);

}  // namespace
}  // namespace lumar::service_test
