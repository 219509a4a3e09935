// The lookup lists and the user list.

#include "lumar-service/operations.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app::ops {

namespace {

OperationResult LookupList(OperationContext& context, const char* sql) {
    RequireLevel(context.caller(), kGuest, "Reading the lookup lists");
    Statement query(context.db(), sql);
    OperationResult result;
    while (query.Step()) {
        result.records.push_back({WireLong(query.Int(0)), query.Text(1)});
    }
    return result;
}

}  // namespace

OperationResult PublicationStatusList(OperationContext& context, const RequestParams& /*params*/) {
    return LookupList(context,
                      "SELECT Publication_status_ID, Name FROM publication_statuses "
                      "ORDER BY Publication_status_ID");
}

OperationResult LanguageList(OperationContext& context, const RequestParams& /*params*/) {
    return LookupList(context, "SELECT Language_ID, Name FROM languages ORDER BY Language_ID");
}

OperationResult BinderTypeList(OperationContext& context, const RequestParams& /*params*/) {
    return LookupList(context,
                      "SELECT Binder_type_ID, Name FROM binder_types ORDER BY Binder_type_ID");
}

OperationResult PrintingList(OperationContext& context, const RequestParams& /*params*/) {
    return LookupList(context, "SELECT Printing_ID, Name FROM printings ORDER BY Printing_ID");
}

OperationResult ColourList(OperationContext& context, const RequestParams& params) {
    RequireLevel(context.caller(), kGuest, "Reading the lookup lists");
    const std::int32_t colourId = params.NonNegative("Colour_ID");
    Statement query(context.db(),
                    "SELECT Colour_ID, Name, R, G, B FROM colours "
                    "WHERE (?1 = 0 OR Colour_ID = ?1) ORDER BY Colour_ID");
    query.Bind(1, std::int64_t{colourId});
    OperationResult result;
    while (query.Step()) {
        result.records.push_back({WireLong(query.Int(0)), query.Text(1), WireLong(query.Int(2)),
                                  WireLong(query.Int(3)), WireLong(query.Int(4))});
    }
    return result;
}

OperationResult UserInfoList(OperationContext& context, const RequestParams& params) {
    const Caller& caller = context.caller();
    std::int32_t userId = params.NonNegative("User_ID");
    const std::int32_t authorisationId = params.NonNegative("Authorisation_ID");
    const std::int32_t administratorId = params.NonNegative("Administrator_ID");
    // Below level 5 a user sees only the own record.
    if (caller.level < kSupervisor) {
        if (userId != 0 && userId != caller.User_ID) {
            RequireLevel(caller, kSupervisor, "Reading other users");
        }
        userId = caller.User_ID;
    }
    Statement query(context.db(), R"sql(
SELECT u.User_ID, u.Name, u.Authorisation_ID, COALESCE(a.Name, ''), u.Administrator_ID,
       COALESCE(ad.Name, ''), COALESCE(ad.Manager, '')
FROM users u
LEFT JOIN authorisations a ON a.Authorisation_ID = u.Authorisation_ID
LEFT JOIN administrators ad ON ad.Administrator_ID = u.Administrator_ID
WHERE (?1 = 0 OR u.User_ID = ?1) AND (?2 = 0 OR u.Authorisation_ID = ?2)
  AND (?3 = 0 OR u.Administrator_ID = ?3)
ORDER BY u.User_ID)sql");
    query.Bind(1, std::int64_t{userId})
        .Bind(2, std::int64_t{authorisationId})
        .Bind(3, std::int64_t{administratorId});
    OperationResult result;
    while (query.Step()) {
        result.records.push_back({WireLong(query.Int(0)), query.Text(1), WireLong(query.Int(2)),
                                  query.Text(3), WireLong(query.Int(4)), query.Text(5),
                                  query.Text(6)});
    }
    return result;
}

}  // namespace lumar::service_app::ops
