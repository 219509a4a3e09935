#pragma once

// The database schema, created and migrated by the service itself. The table
// schema_version holds the version of the schema in the file; each start runs
// the migrations above it in one transaction.

namespace lumar::service_app {

class Connection;

inline constexpr int kSchemaVersion = 1;

// Brings the database up to kSchemaVersion. Throws ServiceError when the
// file belongs to a newer service (a version above kSchemaVersion).
void MigrateSchema(Connection& connection);

// The schema version stored in the file (0 for an empty database).
int StoredSchemaVersion(Connection& connection);

}  // namespace lumar::service_app
