#include "lumar-service/schema.h"

#include <string>

#include "lumar-service/service_error.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app {

namespace {

// Version 1: users and administrators, lookups, publications as versions,
// their binder documents, supplements and merge data. Identifiers are never
// reused (AUTOINCREMENT), so a stale identifier held by a client can only
// name the row it named before, or nothing. Texts are the Windows-1252 bytes
// the client sent, stored unchanged in TEXT columns.
constexpr const char* kVersion1 = R"sql(
CREATE TABLE authorisations (
    Authorisation_ID INTEGER PRIMARY KEY,
    Name TEXT NOT NULL
);
INSERT INTO authorisations VALUES
    (1, 'Guest'), (2, 'Reader'), (3, 'Editor'), (4, 'Producer'), (5, 'Supervisor');

CREATE TABLE administrators (
    Administrator_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL,
    Manager TEXT NOT NULL DEFAULT ''
);

CREATE TABLE users (
    User_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Login TEXT NOT NULL UNIQUE COLLATE NOCASE,
    Name TEXT NOT NULL,
    Description TEXT NOT NULL DEFAULT '',
    Authorisation_ID INTEGER NOT NULL REFERENCES authorisations,
    Administrator_ID INTEGER NOT NULL DEFAULT 0,
    Password_hash TEXT NOT NULL,
    Active INTEGER NOT NULL DEFAULT 1
);

CREATE TABLE logons (
    User_ID INTEGER PRIMARY KEY REFERENCES users ON DELETE CASCADE,
    Logon_time INTEGER NOT NULL
);

CREATE TABLE publication_statuses (Publication_status_ID INTEGER PRIMARY KEY, Name TEXT NOT NULL);
CREATE TABLE languages (Language_ID INTEGER PRIMARY KEY, Name TEXT NOT NULL);
CREATE TABLE binder_types (Binder_type_ID INTEGER PRIMARY KEY, Name TEXT NOT NULL);
CREATE TABLE printings (Printing_ID INTEGER PRIMARY KEY, Name TEXT NOT NULL);
CREATE TABLE colours (
    Colour_ID INTEGER PRIMARY KEY,
    Name TEXT NOT NULL,
    R INTEGER NOT NULL,
    G INTEGER NOT NULL,
    B INTEGER NOT NULL
);

CREATE TABLE update_statuses (Update_status_ID INTEGER PRIMARY KEY, Name TEXT NOT NULL);
INSERT INTO update_statuses VALUES
    (1, 'Released'), (2, 'Locked for supplement'), (3, 'Locked for binders'),
    (4, 'Merge in progress'), (5, 'Superseded');

CREATE TABLE merge_statuses (Merge_status_ID INTEGER PRIMARY KEY, Name TEXT NOT NULL);
INSERT INTO merge_statuses VALUES (1, 'Not ready'), (2, 'Ready'), (3, 'Merged');

CREATE TABLE publications (
    Publication_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Series_ID INTEGER NOT NULL DEFAULT 0,
    Publication_status_ID INTEGER NOT NULL DEFAULT 0,
    Language_ID INTEGER NOT NULL DEFAULT 0,
    NIMBA_code TEXT NOT NULL DEFAULT '',
    Lumar_code TEXT NOT NULL DEFAULT '',
    SAP_code TEXT NOT NULL DEFAULT '',
    Abbreviation TEXT NOT NULL DEFAULT '',
    Description TEXT NOT NULL DEFAULT '',
    Remarks TEXT NOT NULL DEFAULT '',
    Colour_print INTEGER NOT NULL DEFAULT 0,
    Tab_sheets INTEGER NOT NULL DEFAULT 0,
    Max_page_count_per_binder INTEGER NOT NULL DEFAULT 0,
    Binder_type_ID INTEGER NOT NULL DEFAULT 0,
    Printing_ID INTEGER NOT NULL DEFAULT 0,
    Administrator_ID INTEGER NOT NULL,
    Update_user_ID INTEGER NOT NULL DEFAULT 0,
    Update_status_ID INTEGER NOT NULL DEFAULT 1,
    Update_status_time INTEGER NOT NULL,
    Create_time INTEGER NOT NULL,
    Publication_ID_previous INTEGER NOT NULL DEFAULT 0,
    Publication_ID_next INTEGER NOT NULL DEFAULT 0,
    Supplement_ID_done INTEGER NOT NULL DEFAULT 0,
    Merge_ID_done INTEGER NOT NULL DEFAULT 0,
    Supplement_ID_next INTEGER NOT NULL DEFAULT 0,
    Merge_ID_next INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX publications_series ON publications (Series_ID);
CREATE INDEX publications_next ON publications (Publication_ID_next);

CREATE TABLE binder_docs (
    BinderDoc_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Publication_ID INTEGER NOT NULL,
    Binder_number INTEGER NOT NULL,
    Page_count INTEGER NOT NULL,
    Doc_file TEXT NOT NULL,
    Annotation_data TEXT NOT NULL,
    Pdf_version TEXT NOT NULL,
    Pdf_font_error_count INTEGER NOT NULL,
    Pdf_OK INTEGER NOT NULL,
    User_ID INTEGER NOT NULL
);
CREATE UNIQUE INDEX binder_docs_number ON binder_docs (Publication_ID, Binder_number);

CREATE TABLE supplements (
    Supplement_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Publication_ID INTEGER NOT NULL,
    Supplement_number INTEGER NOT NULL,
    Page_count INTEGER NOT NULL,
    Doc_file TEXT NOT NULL,
    Annotation_data TEXT NOT NULL,
    Pdf_version TEXT NOT NULL,
    Pdf_font_error_count INTEGER NOT NULL,
    Pdf_OK INTEGER NOT NULL,
    User_ID INTEGER NOT NULL
);
CREATE INDEX supplements_publication ON supplements (Publication_ID);

CREATE TABLE merges (
    Merge_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Publication_ID INTEGER NOT NULL,
    Supplement_ID INTEGER NOT NULL,
    Merge_data TEXT NOT NULL,
    Merge_status_ID INTEGER NOT NULL,
    User_ID INTEGER NOT NULL,
    Create_time INTEGER NOT NULL
);
CREATE INDEX merges_publication ON merges (Publication_ID);
)sql";

// Migration n brings the schema from version n - 1 to n.
constexpr const char* kMigrations[] = {kVersion1};
static_assert(std::size(kMigrations) == kSchemaVersion);

}  // namespace

int StoredSchemaVersion(Connection& connection) {
    Statement exists(connection,
                     "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' "
                     "AND name = 'schema_version'");
    exists.Step();
    if (exists.Int(0) == 0) {
        return 0;
    }
    Statement version(connection, "SELECT MAX(version) FROM schema_version");
    return version.Step() ? version.Int32(0) : 0;
}

void MigrateSchema(Connection& connection) {
    Transaction transaction(connection, Transaction::Kind::Write);
    connection.Execute("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
    const int stored = StoredSchemaVersion(connection);
    if (stored > kSchemaVersion) {
        throw ServiceError(ErrorCode::Internal, "The database has schema version " +
                                                    std::to_string(stored) +
                                                    "; this service knows versions up to " +
                                                    std::to_string(kSchemaVersion));
    }
    for (int version = stored + 1; version <= kSchemaVersion; ++version) {
        connection.Execute(kMigrations[version - 1]);
        Statement record(connection, "INSERT INTO schema_version (version) VALUES (?)");
        record.Bind(1, std::int64_t{version}).Run();
    }
    transaction.Commit();
}

}  // namespace lumar::service_app
