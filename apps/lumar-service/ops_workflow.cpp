// The publication workflow: lock, unlock, reset, merge and revert.

#include <initializer_list>

#include "lumar-service/operations.h"
#include "lumar-service/publication_store.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app::ops {

namespace {

OperationResult IdResult(std::int32_t id) {
    OperationResult result;
    result.items = {WireLong(id)};
    return result;
}

void Run(Connection& db, const char* sql, std::initializer_list<std::int64_t> values) {
    Statement statement(db, sql);
    int index = 0;
    for (std::int64_t value : values) {
        statement.Bind(++index, value);
    }
    statement.Run();
}

}  // namespace

OperationResult PublicationLock(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Publication_ID");
    const std::int32_t status = CheckLock(LoadPublicationState(context.db(), id), context.caller());
    SetUpdateStatus(context.db(), id, status, context.caller().User_ID, context.now());
    return IdResult(id);
}

OperationResult PublicationUnlock(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Publication_ID");
    CheckUnlock(LoadPublicationState(context.db(), id), context.caller());
    // The last update user stays recorded with the released publication.
    SetUpdateStatus(context.db(), id, kReleased, context.caller().User_ID, context.now());
    return IdResult(id);
}

OperationResult PublicationReset(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Publication_ID");
    CheckReset(LoadPublicationState(context.db(), id), context.caller());
    Run(context.db(), "DELETE FROM binder_docs WHERE Publication_ID = ?", {id});
    SetUpdateStatus(context.db(), id, kLockedForBinders, context.caller().User_ID, context.now());
    return IdResult(id);
}

OperationResult PublicationMerge(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Publication_ID");
    const PublicationState state = LoadPublicationState(context.db(), id);
    CheckMerge(state, context.caller());
    Connection& db = context.db();

    // The next version starts as a copy of this one's fields; it records the
    // supplement and merge data it is made of and is "merge in progress"
    // until the merge's closing binder-0 insert.
    Statement create(db, R"sql(
INSERT INTO publications (Series_ID, Publication_status_ID, Language_ID, NIMBA_code, Lumar_code,
    SAP_code, Abbreviation, Description, Remarks, Colour_print, Tab_sheets,
    Max_page_count_per_binder, Binder_type_ID, Printing_ID, Administrator_ID, Update_user_ID,
    Update_status_ID, Update_status_time, Create_time, Publication_ID_previous,
    Supplement_ID_done, Merge_ID_done)
SELECT Series_ID, Publication_status_ID, Language_ID, NIMBA_code, Lumar_code, SAP_code,
    Abbreviation, Description, Remarks, Colour_print, Tab_sheets, Max_page_count_per_binder,
    Binder_type_ID, Printing_ID, Administrator_ID, ?1, 4, ?2, ?2, Publication_ID,
    Supplement_ID_next, Merge_ID_next
FROM publications WHERE Publication_ID = ?3)sql");
    create.Bind(1, std::int64_t{context.caller().User_ID})
        .Bind(2, static_cast<std::int64_t>(context.now()))
        .Bind(3, std::int64_t{id})
        .Run();
    const auto next = static_cast<std::int32_t>(db.LastInsertId());

    Statement supersede(db,
                        "UPDATE publications SET Publication_ID_next = ?1, Update_status_ID = 5, "
                        "Update_status_time = ?2 WHERE Publication_ID = ?3");
    supersede.Bind(1, std::int64_t{next})
        .Bind(2, static_cast<std::int64_t>(context.now()))
        .Bind(3, std::int64_t{id})
        .Run();
    // The merge run registers its binders with the merge data's publication:
    // from now on that is the new version.
    Run(db, "UPDATE merges SET Publication_ID = ?1 WHERE Merge_ID = ?2",
        {next, state.Merge_ID_next});
    return IdResult(next);
}

OperationResult PublicationRevert(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Publication_ID");
    const PublicationState state = LoadPublicationState(context.db(), id);
    CheckRevert(state, context.caller());
    const std::int32_t previous = state.Publication_ID_previous;
    if (previous == 0) {
        throw ServiceError(ErrorCode::Internal,
                           "Publication " + std::to_string(id) + " has no previous version");
    }
    Connection& db = context.db();
    Run(db, "DELETE FROM binder_docs WHERE Publication_ID = ?", {id});
    Run(db, "DELETE FROM publications WHERE Publication_ID = ?", {id});
    Run(db,
        "UPDATE merges SET Publication_ID = ?1, Merge_status_ID = "
        "CASE WHEN Merge_status_ID = 3 THEN 2 ELSE Merge_status_ID END WHERE Merge_ID = ?2",
        {previous, state.Merge_ID_done});
    Run(db, "UPDATE publications SET Publication_ID_next = 0 WHERE Publication_ID = ?", {previous});
    SetUpdateStatus(db, previous, kLockedForSupplement, context.caller().User_ID, context.now());
    return IdResult(previous);
}

}  // namespace lumar::service_app::ops
