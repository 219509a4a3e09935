// Binder documents: insert (including the loads and merges they complete),
// update, delete and list.

#include <set>

#include "lumar-service/document_fields.h"
#include "lumar-service/operations.h"
#include "lumar-service/publication_store.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app::ops {

namespace {

constexpr std::int32_t kMaxBinders = 35;

OperationResult IdResult(std::int64_t id) {
    OperationResult result;
    result.items = {WireLong(id)};
    return result;
}

std::set<std::int32_t> BinderNumbers(Connection& db, std::int32_t publicationId) {
    Statement query(db, "SELECT Binder_number FROM binder_docs WHERE Publication_ID = ?");
    query.Bind(1, std::int64_t{publicationId});
    std::set<std::int32_t> numbers;
    while (query.Step()) {
        numbers.insert(query.Int32(0));
    }
    return numbers;
}

// The first binder number from `from` on that is missing from a run that
// should reach `last`, or 0.
std::int32_t FirstGap(const std::set<std::int32_t>& numbers, std::int32_t from, std::int32_t last) {
    for (std::int32_t n = from; n <= last; ++n) {
        if (!numbers.contains(n)) {
            return n;
        }
    }
    return 0;
}

std::string PublicationText(std::int32_t id) {
    return "publication " + std::to_string(id);
}

// Binder 1 closes a load: binders 2.. n must all be there.
void CompleteLoad(OperationContext& context, const PublicationState& publication) {
    const auto numbers = BinderNumbers(context.db(), publication.Publication_ID);
    const std::int32_t last = numbers.empty() ? 1 : *numbers.rbegin();
    if (const std::int32_t gap = FirstGap(numbers, 2, last)) {
        throw ServiceError(
            ErrorCode::WrongState,
            "Binder " + std::to_string(gap) + " of " + PublicationText(publication.Publication_ID) +
                " is missing; binder 1 completes a load of binders 1 to " + std::to_string(last));
    }
}

// Binder 0 closes a merge: binders 1 to n are all there, at least as many as
// the previous version had. The version is then the publication's newest,
// locked for supplement work by the user who merged.
void CompleteMerge(OperationContext& context, const PublicationState& publication) {
    Connection& db = context.db();
    const auto numbers = BinderNumbers(db, publication.Publication_ID);
    const PublicationState previous = LoadPublicationState(db, publication.Publication_ID_previous);
    const std::int32_t last =
        std::max(previous.Binder_count, numbers.empty() ? 1 : *numbers.rbegin());
    if (const std::int32_t gap = FirstGap(numbers, 1, last)) {
        throw ServiceError(ErrorCode::WrongState, "Binder " + std::to_string(gap) + " of " +
                                                      PublicationText(publication.Publication_ID) +
                                                      " is missing; the merge is not complete");
    }
    SetUpdateStatus(db, publication.Publication_ID, kLockedForSupplement, context.caller().User_ID,
                    context.now());
    Statement merged(db, "UPDATE merges SET Merge_status_ID = 3 WHERE Merge_ID = ?");
    merged.Bind(1, std::int64_t{publication.Merge_ID_done}).Run();
}

}  // namespace

OperationResult BinderDocInsert(OperationContext& context, const RequestParams& params) {
    const std::int32_t publicationId = params.NonNegative("Publication_ID");
    const std::int32_t binder = params.Long("Binder_number");
    if (binder < 0 || binder > kMaxBinders) {
        throw ServiceError(ErrorCode::InvalidParameter, "Binder_number must be between 1 and 35");
    }
    Connection& db = context.db();
    const PublicationState publication = LoadPublicationState(db, publicationId);
    const BinderInsert kind = CheckBinderDocInsert(publication, context.caller(), binder,
                                                   params.Bool("Publication_update"));
    if (kind == BinderInsert::CompleteMerge) {
        CompleteMerge(context, publication);
        return IdResult(0);
    }

    const DocumentFields fields = ReadDocumentFields(params);
    Statement existing(db,
                       "SELECT BinderDoc_ID FROM binder_docs WHERE Publication_ID = ? AND "
                       "Binder_number = ?");
    existing.Bind(1, std::int64_t{publicationId}).Bind(2, std::int64_t{binder});
    if (existing.Step()) {
        throw ServiceError(ErrorCode::Conflict, "Binder " + std::to_string(binder) + " of " +
                                                    PublicationText(publicationId) +
                                                    " is registered already (document " +
                                                    std::to_string(existing.Int(0)) + ")");
    }
    if (kind == BinderInsert::CompleteLoad) {
        CompleteLoad(context, publication);
    }
    Statement insert(db, R"sql(
INSERT INTO binder_docs (Publication_ID, Binder_number, Page_count, Doc_file, Annotation_data,
    Pdf_version, Pdf_font_error_count, Pdf_OK, User_ID)
VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?))sql");
    insert.Bind(1, std::int64_t{publicationId})
        .Bind(2, std::int64_t{binder})
        .Bind(3, std::int64_t{fields.Page_count})
        .Bind(4, fields.Doc_file)
        .Bind(5, fields.Annotation_data)
        .Bind(6, fields.Pdf_version)
        .Bind(7, std::int64_t{fields.Pdf_font_error_count})
        .BindBool(8, fields.Pdf_OK)
        .Bind(9, std::int64_t{context.caller().User_ID})
        .Run();
    const std::int64_t id = db.LastInsertId();
    if (kind == BinderInsert::CompleteLoad) {
        SetUpdateStatus(db, publicationId, kLockedForSupplement, context.caller().User_ID,
                        context.now());
    }
    return IdResult(id);
}

OperationResult BinderDocUpdate(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("BinderDoc_ID");
    const std::int32_t publicationId = params.NonNegative("Publication_ID");
    const std::int32_t binder = params.Long("Binder_number");
    Connection& db = context.db();
    Statement stored(
        db, "SELECT Publication_ID, Binder_number FROM binder_docs WHERE BinderDoc_ID = ?");
    stored.Bind(1, std::int64_t{id});
    if (!stored.Step()) {
        throw ServiceError(ErrorCode::UnknownId,
                           "Binder document " + std::to_string(id) + " does not exist");
    }
    const std::int32_t owner = stored.Int32(0);
    const std::int32_t storedBinder = stored.Int32(1);
    CheckBinderDocUpdate(LoadPublicationState(db, owner), context.caller());
    if (publicationId != owner) {
        throw ServiceError(ErrorCode::InvalidParameter, "Binder document " + std::to_string(id) +
                                                            " belongs to " +
                                                            PublicationText(owner) + ", not to " +
                                                            PublicationText(publicationId));
    }
    if (binder != storedBinder) {
        throw ServiceError(ErrorCode::InvalidParameter,
                           "Binder document " + std::to_string(id) + " is binder " +
                               std::to_string(storedBinder) + "; its number cannot change");
    }
    const DocumentFields fields = ReadDocumentFields(params);
    Statement update(db, R"sql(
UPDATE binder_docs SET Page_count = ?, Doc_file = ?, Annotation_data = ?, Pdf_version = ?,
    Pdf_font_error_count = ?, Pdf_OK = ?, User_ID = ?
WHERE BinderDoc_ID = ?)sql");
    update.Bind(1, std::int64_t{fields.Page_count})
        .Bind(2, fields.Doc_file)
        .Bind(3, fields.Annotation_data)
        .Bind(4, fields.Pdf_version)
        .Bind(5, std::int64_t{fields.Pdf_font_error_count})
        .BindBool(6, fields.Pdf_OK)
        .Bind(7, std::int64_t{context.caller().User_ID})
        .Bind(8, std::int64_t{id})
        .Run();
    return IdResult(id);
}

OperationResult BinderDocDelete(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("BinderDoc_ID");
    Connection& db = context.db();
    CheckBinderDocDelete(LoadPublicationState(db, PublicationOfBinderDoc(db, id)),
                         context.caller());
    Statement remove(db, "DELETE FROM binder_docs WHERE BinderDoc_ID = ?");
    remove.Bind(1, std::int64_t{id}).Run();
    return IdResult(id);
}

OperationResult BinderDocList(OperationContext& context, const RequestParams& params) {
    const Caller& caller = context.caller();
    RequireLevel(caller, kReader, "Reading binder documents");
    const std::int32_t id = params.NonNegative("BinderDoc_ID");
    const std::int32_t publicationId = params.NonNegative("Publication_ID");
    const std::int32_t binder = params.NonNegative("Binder_number");
    const bool withAnnotations = ReadGetFlag(params, "Annotation_dataGet");
    const std::int32_t userId = params.NonNegative("User_ID");
    Connection& db = context.db();
    if (id != 0) {
        CheckRead(LoadPublicationState(db, PublicationOfBinderDoc(db, id)), caller);
    }
    if (publicationId != 0) {
        CheckRead(LoadPublicationState(db, publicationId), caller);
    }
    Statement query(db, R"sql(
SELECT b.BinderDoc_ID, b.Publication_ID, b.Binder_number, b.Page_count, b.Doc_file,
       CASE WHEN ?6 <> 0 THEN b.Annotation_data ELSE '' END, b.Pdf_version,
       b.Pdf_font_error_count, b.Pdf_OK, b.User_ID
FROM binder_docs b JOIN publications p ON p.Publication_ID = b.Publication_ID
WHERE (?1 = 0 OR b.BinderDoc_ID = ?1) AND (?2 = 0 OR b.Publication_ID = ?2)
  AND (?3 = 0 OR b.Binder_number = ?3) AND (?4 = 0 OR b.User_ID = ?4)
  AND (?5 = 0 OR p.Administrator_ID = ?5)
ORDER BY b.Publication_ID, b.Binder_number)sql");
    query.Bind(1, std::int64_t{id})
        .Bind(2, std::int64_t{publicationId})
        .Bind(3, std::int64_t{binder})
        .Bind(4, std::int64_t{userId})
        .Bind(5, std::int64_t{caller.level < kSupervisor ? caller.Administrator_ID : 0})
        .BindBool(6, withAnnotations);
    if (caller.level < kSupervisor && caller.Administrator_ID == 0) {
        return {};
    }
    OperationResult result;
    while (query.Step()) {
        result.records.push_back({WireLong(query.Int(0)), WireLong(query.Int(1)),
                                  WireLong(query.Int(2)), WireLong(query.Int(3)), query.Text(4),
                                  query.Text(5), query.Text(6), WireLong(query.Int(7)),
                                  WireBool(query.Int(8) != 0), WireLong(query.Int(9))});
    }
    return result;
}

}  // namespace lumar::service_app::ops
