// Merge data: the next merge data of a publication version, for its next
// supplement.

#include "lumar-service/document_fields.h"
#include "lumar-service/operations.h"
#include "lumar-service/publication_store.h"
#include "lumar-service/sqlite_db.h"
#include "lumar-service/ticks.h"

namespace lumar::service_app::ops {

namespace {

OperationResult IdResult(std::int64_t id) {
    OperationResult result;
    result.items = {WireLong(id)};
    return result;
}

// Clients set merge data "not ready" (1) or "ready" (2); "merged" (3) is the
// service's own.
std::int32_t ReadMergeStatus(const RequestParams& params) {
    const std::int32_t status = params.Long("Merge_status_ID");
    if (status != kMergeNotReady && status != kMergeReady) {
        throw ServiceError(ErrorCode::InvalidParameter,
                           "Merge_status_ID must be 1 (not ready) or 2 (ready)");
    }
    return status;
}

}  // namespace

OperationResult MergeInsert(OperationContext& context, const RequestParams& params) {
    const std::int32_t publicationId = params.NonNegative("Publication_ID");
    const std::int32_t supplementId = params.NonNegative("Supplement_ID");
    Connection& db = context.db();
    CheckMergeInsert(LoadPublicationState(db, publicationId), context.caller(), supplementId);
    const std::string& data = params.Text("Merge_data");
    const std::int32_t status = ReadMergeStatus(params);
    Statement insert(db, R"sql(
INSERT INTO merges (Publication_ID, Supplement_ID, Merge_data, Merge_status_ID, User_ID, Create_time)
VALUES (?, ?, ?, ?, ?, ?))sql");
    insert.Bind(1, std::int64_t{publicationId})
        .Bind(2, std::int64_t{supplementId})
        .Bind(3, data)
        .Bind(4, std::int64_t{status})
        .Bind(5, std::int64_t{context.caller().User_ID})
        .Bind(6, static_cast<std::int64_t>(context.now()))
        .Run();
    const std::int64_t id = db.LastInsertId();
    Statement next(db, "UPDATE publications SET Merge_ID_next = ? WHERE Publication_ID = ?");
    next.Bind(1, id).Bind(2, std::int64_t{publicationId}).Run();
    return IdResult(id);
}

OperationResult MergeUpdate(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Merge_ID");
    const std::int32_t publicationId = params.NonNegative("Publication_ID");
    const std::int32_t supplementId = params.NonNegative("Supplement_ID");
    Connection& db = context.db();
    Statement stored(db, "SELECT Publication_ID, Supplement_ID FROM merges WHERE Merge_ID = ?");
    stored.Bind(1, std::int64_t{id});
    if (!stored.Step()) {
        throw ServiceError(ErrorCode::UnknownId,
                           "Merge data " + std::to_string(id) + " do not exist");
    }
    const std::int32_t owner = stored.Int32(0);
    const std::int32_t storedSupplement = stored.Int32(1);
    CheckMergeChange(LoadPublicationState(db, owner), context.caller(), id);
    if (publicationId != owner || supplementId != storedSupplement) {
        throw ServiceError(ErrorCode::InvalidParameter,
                           "Merge data " + std::to_string(id) + " belong to publication " +
                               std::to_string(owner) + " and supplement " +
                               std::to_string(storedSupplement));
    }
    const std::string& data = params.Text("Merge_data");
    const std::int32_t status = ReadMergeStatus(params);
    Statement update(db,
                     "UPDATE merges SET Merge_data = ?, Merge_status_ID = ?, User_ID = ? "
                     "WHERE Merge_ID = ?");
    update.Bind(1, data)
        .Bind(2, std::int64_t{status})
        .Bind(3, std::int64_t{context.caller().User_ID})
        .Bind(4, std::int64_t{id})
        .Run();
    return IdResult(id);
}

OperationResult MergeDelete(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Merge_ID");
    Connection& db = context.db();
    const std::int32_t owner = PublicationOfMerge(db, id);
    CheckMergeChange(LoadPublicationState(db, owner), context.caller(), id);
    Statement remove(db, "DELETE FROM merges WHERE Merge_ID = ?");
    remove.Bind(1, std::int64_t{id}).Run();
    Statement next(db, "UPDATE publications SET Merge_ID_next = 0 WHERE Publication_ID = ?");
    next.Bind(1, std::int64_t{owner}).Run();
    return IdResult(id);
}

OperationResult MergeList(OperationContext& context, const RequestParams& params) {
    const Caller& caller = context.caller();
    RequireLevel(caller, kReader, "Reading merge data");
    const std::int32_t id = params.NonNegative("Merge_ID");
    const std::int32_t publicationId = params.NonNegative("Publication_ID");
    const std::int32_t supplementId = params.NonNegative("Supplement_ID");
    const bool withData = ReadGetFlag(params, "Merge_dataGet");
    const std::int32_t status = params.NonNegative("Merge_status_ID");
    const std::int32_t userId = params.NonNegative("User_ID");
    Connection& db = context.db();
    if (id != 0) {
        CheckRead(LoadPublicationState(db, PublicationOfMerge(db, id)), caller);
    }
    if (publicationId != 0) {
        CheckRead(LoadPublicationState(db, publicationId), caller);
    }
    if (supplementId != 0) {
        CheckRead(LoadPublicationState(db, PublicationOfSupplement(db, supplementId)), caller);
    }
    if (caller.level < kSupervisor && caller.Administrator_ID == 0) {
        return {};
    }
    Statement query(db, R"sql(
SELECT m.Merge_ID, m.Publication_ID, m.Supplement_ID,
       CASE WHEN ?7 <> 0 THEN m.Merge_data ELSE '' END, m.Merge_status_ID, m.User_ID,
       m.Create_time
FROM merges m JOIN publications p ON p.Publication_ID = m.Publication_ID
WHERE (?1 = 0 OR m.Merge_ID = ?1) AND (?2 = 0 OR m.Publication_ID = ?2)
  AND (?3 = 0 OR m.Supplement_ID = ?3) AND (?4 = 0 OR m.Merge_status_ID = ?4)
  AND (?5 = 0 OR m.User_ID = ?5) AND (?6 = 0 OR p.Administrator_ID = ?6)
ORDER BY m.Merge_ID)sql");
    query.Bind(1, std::int64_t{id})
        .Bind(2, std::int64_t{publicationId})
        .Bind(3, std::int64_t{supplementId})
        .Bind(4, std::int64_t{status})
        .Bind(5, std::int64_t{userId})
        .Bind(6, std::int64_t{caller.level < kSupervisor ? caller.Administrator_ID : 0})
        .BindBool(7, withData);
    OperationResult result;
    while (query.Step()) {
        result.records.push_back({WireLong(query.Int(0)), WireLong(query.Int(1)),
                                  WireLong(query.Int(2)), query.Text(3), WireLong(query.Int(4)),
                                  WireLong(query.Int(5)), WireLong(ClientTicks(query.Int(6)))});
    }
    return result;
}

}  // namespace lumar::service_app::ops
