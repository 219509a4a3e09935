// Supplements: a publication version has at most one next supplement, added,
// replaced and discarded while the version is locked for supplement work.

#include "lumar-service/document_fields.h"
#include "lumar-service/operations.h"
#include "lumar-service/publication_store.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app::ops {

namespace {

OperationResult IdResult(std::int64_t id) {
    OperationResult result;
    result.items = {WireLong(id)};
    return result;
}

}  // namespace

OperationResult SupplementInsert(OperationContext& context, const RequestParams& params) {
    const std::int32_t publicationId = params.NonNegative("Publication_ID");
    const std::int32_t number = params.Long("Supplement_number");
    Connection& db = context.db();
    CheckSupplementInsert(LoadPublicationState(db, publicationId), context.caller(), number);
    const DocumentFields fields = ReadDocumentFields(params);
    Statement insert(db, R"sql(
INSERT INTO supplements (Publication_ID, Supplement_number, Page_count, Doc_file, Annotation_data,
    Pdf_version, Pdf_font_error_count, Pdf_OK, User_ID)
VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?))sql");
    insert.Bind(1, std::int64_t{publicationId})
        .Bind(2, std::int64_t{number})
        .Bind(3, std::int64_t{fields.Page_count})
        .Bind(4, fields.Doc_file)
        .Bind(5, fields.Annotation_data)
        .Bind(6, fields.Pdf_version)
        .Bind(7, std::int64_t{fields.Pdf_font_error_count})
        .BindBool(8, fields.Pdf_OK)
        .Bind(9, std::int64_t{context.caller().User_ID})
        .Run();
    const std::int64_t id = db.LastInsertId();
    Statement next(db, "UPDATE publications SET Supplement_ID_next = ? WHERE Publication_ID = ?");
    next.Bind(1, id).Bind(2, std::int64_t{publicationId}).Run();
    return IdResult(id);
}

OperationResult SupplementUpdate(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Supplement_ID");
    const std::int32_t publicationId = params.NonNegative("Publication_ID");
    const std::int32_t number = params.Long("Supplement_number");
    Connection& db = context.db();
    const std::int32_t owner = PublicationOfSupplement(db, id);
    const PublicationState publication = LoadPublicationState(db, owner);
    CheckSupplementChange(publication, context.caller(), id);
    if (publicationId != owner) {
        throw ServiceError(ErrorCode::InvalidParameter, "Supplement " + std::to_string(id) +
                                                            " belongs to publication " +
                                                            std::to_string(owner));
    }
    if (number < 1 || number < publication.Supplement_number_done) {
        throw ServiceError(ErrorCode::InvalidParameter,
                           "Supplement_number " + std::to_string(number) +
                               " is below the merged supplement's number " +
                               std::to_string(publication.Supplement_number_done) +
                               " (or below 1)");
    }
    const DocumentFields fields = ReadDocumentFields(params);
    Statement update(db, R"sql(
UPDATE supplements SET Supplement_number = ?, Page_count = ?, Doc_file = ?, Annotation_data = ?,
    Pdf_version = ?, Pdf_font_error_count = ?, Pdf_OK = ?, User_ID = ?
WHERE Supplement_ID = ?)sql");
    update.Bind(1, std::int64_t{number})
        .Bind(2, std::int64_t{fields.Page_count})
        .Bind(3, fields.Doc_file)
        .Bind(4, fields.Annotation_data)
        .Bind(5, fields.Pdf_version)
        .Bind(6, std::int64_t{fields.Pdf_font_error_count})
        .BindBool(7, fields.Pdf_OK)
        .Bind(8, std::int64_t{context.caller().User_ID})
        .Bind(9, std::int64_t{id})
        .Run();
    return IdResult(id);
}

OperationResult SupplementDelete(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Supplement_ID");
    Connection& db = context.db();
    const std::int32_t owner = PublicationOfSupplement(db, id);
    CheckSupplementChange(LoadPublicationState(db, owner), context.caller(), id);
    Statement remove(db, "DELETE FROM supplements WHERE Supplement_ID = ?");
    remove.Bind(1, std::int64_t{id}).Run();
    Statement next(db, "UPDATE publications SET Supplement_ID_next = 0 WHERE Publication_ID = ?");
    next.Bind(1, std::int64_t{owner}).Run();
    return IdResult(id);
}

OperationResult SupplementList(OperationContext& context, const RequestParams& params) {
    const Caller& caller = context.caller();
    RequireLevel(caller, kReader, "Reading supplements");
    const std::int32_t id = params.NonNegative("Supplement_ID");
    const std::int32_t publicationId = params.NonNegative("Publication_ID");
    const std::int32_t number = params.NonNegative("Supplement_number");
    const bool withAnnotations = ReadGetFlag(params, "Annotation_dataGet");
    const std::int32_t userId = params.NonNegative("User_ID");
    Connection& db = context.db();
    if (id != 0) {
        CheckRead(LoadPublicationState(db, PublicationOfSupplement(db, id)), caller);
    }
    if (publicationId != 0) {
        CheckRead(LoadPublicationState(db, publicationId), caller);
    }
    if (caller.level < kSupervisor && caller.Administrator_ID == 0) {
        return {};
    }
    Statement query(db, R"sql(
SELECT s.Supplement_ID, s.Publication_ID, s.Supplement_number, s.Page_count, s.Doc_file,
       CASE WHEN ?6 <> 0 THEN s.Annotation_data ELSE '' END, s.Pdf_version,
       s.Pdf_font_error_count, s.Pdf_OK, s.User_ID
FROM supplements s JOIN publications p ON p.Publication_ID = s.Publication_ID
WHERE (?1 = 0 OR s.Supplement_ID = ?1) AND (?2 = 0 OR s.Publication_ID = ?2)
  AND (?3 = 0 OR s.Supplement_number = ?3) AND (?4 = 0 OR s.User_ID = ?4)
  AND (?5 = 0 OR p.Administrator_ID = ?5)
ORDER BY s.Publication_ID, s.Supplement_ID)sql");
    query.Bind(1, std::int64_t{id})
        .Bind(2, std::int64_t{publicationId})
        .Bind(3, std::int64_t{number})
        .Bind(4, std::int64_t{userId})
        .Bind(5, std::int64_t{caller.level < kSupervisor ? caller.Administrator_ID : 0})
        .BindBool(6, withAnnotations);
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
