// Publication records: insert, update, delete and the two information lists.

#include "lumar-service/operations.h"
#include "lumar-service/publication_store.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app::ops {

namespace {

constexpr std::size_t kMaxCode = 50;
constexpr std::size_t kMaxDescription = 500;
constexpr std::int32_t kMaxPageCountPerBinder = 999'999;

// The fourteen editable fields of a publication, checked.
struct PublicationFields {
    std::int32_t statusId = 0;
    std::int32_t languageId = 0;
    std::string nimba;
    std::string lumar;
    std::string sap;
    std::string abbreviation;
    std::string description;
    std::string remarks;
    bool colourPrint = false;
    bool tabSheets = false;
    std::int32_t maxPages = 0;
    std::int32_t binderTypeId = 0;
    std::int32_t printingId = 0;
    std::int32_t administratorId = 0;
};

// An identifier of a lookup list; 0 means none.
std::int32_t LookupId(Connection& db, const RequestParams& params, std::string_view name,
                      const char* sql) {
    const std::int32_t id = params.NonNegative(name);
    if (id != 0) {
        Statement query(db, sql);
        query.Bind(1, std::int64_t{id});
        if (!query.Step()) {
            throw ServiceError(
                ErrorCode::InvalidParameter,
                std::string(name) + " " + std::to_string(id) + " is not in its lookup list");
        }
    }
    return id;
}

PublicationFields ReadFields(Connection& db, const RequestParams& params) {
    PublicationFields fields;
    fields.statusId =
        LookupId(db, params, "Publication_status_ID",
                 "SELECT 1 FROM publication_statuses WHERE Publication_status_ID = ?");
    fields.languageId =
        LookupId(db, params, "Language_ID", "SELECT 1 FROM languages WHERE Language_ID = ?");
    fields.nimba = params.Text("NIMBA_code", kMaxCode);
    fields.lumar = params.Text("Lumar_code", kMaxCode);
    fields.sap = params.Text("SAP_code", kMaxCode);
    fields.abbreviation = params.Text("Abbreviation", kMaxCode);
    fields.description = params.Text("Description", kMaxDescription);
    fields.remarks = params.Text("Remarks", kMaxDescription);
    fields.colourPrint = params.Bool("Colour_print");
    fields.tabSheets = params.Bool("Tab_sheets");
    fields.maxPages = params.NonNegative("Max_page_count_per_binder");
    if (fields.maxPages > kMaxPageCountPerBinder) {
        throw ServiceError(ErrorCode::InvalidParameter,
                           "Max_page_count_per_binder must be between 0 and 999999");
    }
    fields.binderTypeId = LookupId(db, params, "Binder_type_ID",
                                   "SELECT 1 FROM binder_types WHERE Binder_type_ID = ?");
    fields.printingId =
        LookupId(db, params, "Printing_ID", "SELECT 1 FROM printings WHERE Printing_ID = ?");
    fields.administratorId = LookupId(db, params, "Administrator_ID",
                                      "SELECT 1 FROM administrators WHERE Administrator_ID = ?");
    return fields;
}

// Binds the fields as parameters 1 to 14.
void BindFields(Statement& statement, const PublicationFields& fields) {
    statement.Bind(1, std::int64_t{fields.statusId})
        .Bind(2, std::int64_t{fields.languageId})
        .Bind(3, fields.nimba)
        .Bind(4, fields.lumar)
        .Bind(5, fields.sap)
        .Bind(6, fields.abbreviation)
        .Bind(7, fields.description)
        .Bind(8, fields.remarks)
        .BindBool(9, fields.colourPrint)
        .BindBool(10, fields.tabSheets)
        .Bind(11, std::int64_t{fields.maxPages})
        .Bind(12, std::int64_t{fields.binderTypeId})
        .Bind(13, std::int64_t{fields.printingId})
        .Bind(14, std::int64_t{fields.administratorId});
}

OperationResult IdResult(std::int32_t id) {
    OperationResult result;
    result.items = {WireLong(id)};
    return result;
}

OperationResult InfoList(OperationContext& context, const RequestParams& params, bool newestOnly) {
    const Caller& caller = context.caller();
    RequireLevel(caller, kReader, "Reading publications");
    PublicationFilter filter;
    filter.Publication_ID = params.NonNegative("Publication_ID");
    filter.Publication_status_ID = params.NonNegative("Publication_status_ID");
    filter.Language_ID = params.NonNegative("Language_ID");
    filter.Binder_type_ID = params.NonNegative("Binder_type_ID");
    filter.Printing_ID = params.NonNegative("Printing_ID");
    filter.Administrator_ID = params.NonNegative("Administrator_ID");
    filter.Update_user_ID = params.NonNegative("Update_user_ID");
    filter.Update_status_ID = params.NonNegative("Update_status_ID");
    filter.Merge_status_ID = params.NonNegative("Merge_status_ID");
    if (filter.Publication_ID != 0) {
        CheckRead(LoadPublicationState(context.db(), filter.Publication_ID), caller);
    }
    // Below level 5 a user sees the publications of the own administrator only.
    if (caller.level < kSupervisor) {
        if (filter.Administrator_ID != 0 && filter.Administrator_ID != caller.Administrator_ID) {
            throw ServiceError(ErrorCode::NotOwner, "Administrator " +
                                                        std::to_string(filter.Administrator_ID) +
                                                        " is not the user's administrator");
        }
        filter.Administrator_ID = caller.Administrator_ID;
        if (filter.Administrator_ID == 0) {
            return {};
        }
    }
    OperationResult result;
    result.records = QueryPublicationRecords(context.db(), filter, newestOnly);
    return result;
}

}  // namespace

OperationResult PublicationInsert(OperationContext& context, const RequestParams& params) {
    RequireLevel(context.caller(), kSupervisor, "Adding a publication");
    const PublicationFields fields = ReadFields(context.db(), params);
    if (fields.administratorId == 0) {
        throw ServiceError(ErrorCode::InvalidParameter, "A publication needs an Administrator_ID");
    }
    Statement insert(context.db(), R"sql(
INSERT INTO publications (Publication_status_ID, Language_ID, NIMBA_code, Lumar_code, SAP_code,
    Abbreviation, Description, Remarks, Colour_print, Tab_sheets, Max_page_count_per_binder,
    Binder_type_ID, Printing_ID, Administrator_ID, Update_status_ID, Update_status_time,
    Create_time)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, 1, ?15, ?15))sql");
    BindFields(insert, fields);
    insert.Bind(15, static_cast<std::int64_t>(context.now())).Run();
    const auto id = static_cast<std::int32_t>(context.db().LastInsertId());
    Statement series(context.db(),
                     "UPDATE publications SET Series_ID = Publication_ID WHERE Publication_ID = ?");
    series.Bind(1, std::int64_t{id}).Run();
    return IdResult(id);
}

OperationResult PublicationUpdate(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Publication_ID");
    const PublicationState state = LoadPublicationState(context.db(), id);
    CheckPublicationUpdate(state, context.caller());
    PublicationFields fields = ReadFields(context.db(), params);
    // The client sends its own administrator; 0 (a user without one) keeps
    // the publication's.
    if (fields.administratorId == 0) {
        fields.administratorId = state.Administrator_ID;
    }
    Statement update(context.db(), R"sql(
UPDATE publications SET Publication_status_ID = ?1, Language_ID = ?2, NIMBA_code = ?3,
    Lumar_code = ?4, SAP_code = ?5, Abbreviation = ?6, Description = ?7, Remarks = ?8,
    Colour_print = ?9, Tab_sheets = ?10, Max_page_count_per_binder = ?11, Binder_type_ID = ?12,
    Printing_ID = ?13, Administrator_ID = ?14
WHERE Publication_ID = ?15)sql");
    BindFields(update, fields);
    update.Bind(15, std::int64_t{id}).Run();
    return IdResult(id);
}

OperationResult PublicationDelete(OperationContext& context, const RequestParams& params) {
    const std::int32_t id = params.NonNegative("Publication_ID");
    CheckPublicationDelete(LoadPublicationState(context.db(), id), context.caller());
    // Every version of the publication goes, with its documents and merge data.
    const char* statements[] = {
        "DELETE FROM binder_docs WHERE Publication_ID IN (SELECT Publication_ID FROM "
        "publications WHERE Series_ID = (SELECT Series_ID FROM publications WHERE "
        "Publication_ID = ?1))",
        "DELETE FROM supplements WHERE Publication_ID IN (SELECT Publication_ID FROM "
        "publications WHERE Series_ID = (SELECT Series_ID FROM publications WHERE "
        "Publication_ID = ?1))",
        "DELETE FROM merges WHERE Publication_ID IN (SELECT Publication_ID FROM "
        "publications WHERE Series_ID = (SELECT Series_ID FROM publications WHERE "
        "Publication_ID = ?1))",
        "DELETE FROM publications WHERE Series_ID = (SELECT Series_ID FROM publications "
        "WHERE Publication_ID = ?1)",
    };
    for (const char* sql : statements) {
        Statement remove(context.db(), sql);
        remove.Bind(1, std::int64_t{id}).Run();
    }
    return IdResult(id);
}

OperationResult PublicationInfoList(OperationContext& context, const RequestParams& params) {
    return InfoList(context, params, false);
}

OperationResult PublicationLastInfoList(OperationContext& context, const RequestParams& params) {
    return InfoList(context, params, true);
}

}  // namespace lumar::service_app::ops
