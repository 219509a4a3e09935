#include "lumar-service/publication_store.h"

#include "lumar-service/operation_handler.h"
#include "lumar-service/service_error.h"
#include "lumar-service/sqlite_db.h"
#include "lumar-service/ticks.h"
#include "protocol/records.h"

namespace lumar::service_app {

namespace {

std::int32_t OwnerOf(Connection& db, const char* sql, std::int32_t id, const char* what) {
    Statement query(db, sql);
    query.Bind(1, std::int64_t{id});
    if (!query.Step()) {
        throw ServiceError(ErrorCode::UnknownId,
                           std::string(what) + " " + std::to_string(id) + " does not exist");
    }
    return query.Int32(0);
}

// The 40 fields in record order. Date-times are Unix seconds here and become
// ticks when the record is written.
constexpr const char* kRecordQuery = R"sql(
SELECT p.Publication_ID, p.Publication_status_ID, COALESCE(ps.Name, ''),
       p.Language_ID, COALESCE(la.Name, ''),
       p.NIMBA_code, p.Lumar_code, p.SAP_code, p.Abbreviation, p.Description, p.Remarks,
       p.Colour_print, p.Tab_sheets, p.Max_page_count_per_binder,
       (SELECT COUNT(*) FROM binder_docs b WHERE b.Publication_ID = p.Publication_ID),
       (SELECT COUNT(*) FROM binder_docs b WHERE b.Publication_ID = p.Publication_ID
            AND b.Pdf_OK <> 0),
       (SELECT COALESCE(SUM(b.Page_count), 0) FROM binder_docs b
            WHERE b.Publication_ID = p.Publication_ID),
       p.Binder_type_ID, COALESCE(bt.Name, ''), p.Printing_ID, COALESCE(pr.Name, ''),
       p.Administrator_ID, COALESCE(ad.Name, ''), COALESCE(ad.Manager, ''),
       p.Update_user_ID, COALESCE(uu.Name, ''), p.Update_status_ID, COALESCE(us.Name, ''),
       p.Update_status_time, p.Create_time,
       p.Publication_ID_previous, p.Supplement_ID_done, COALESCE(sd.Supplement_number, 0),
       p.Merge_ID_done, p.Publication_ID_next, p.Supplement_ID_next,
       COALESCE(sn.Supplement_number, 0), p.Merge_ID_next,
       COALESCE(mn.Merge_status_ID, 0), COALESCE(ms.Name, '')
FROM publications p
LEFT JOIN publication_statuses ps ON ps.Publication_status_ID = p.Publication_status_ID
LEFT JOIN languages la ON la.Language_ID = p.Language_ID
LEFT JOIN binder_types bt ON bt.Binder_type_ID = p.Binder_type_ID
LEFT JOIN printings pr ON pr.Printing_ID = p.Printing_ID
LEFT JOIN administrators ad ON ad.Administrator_ID = p.Administrator_ID
LEFT JOIN users uu ON uu.User_ID = p.Update_user_ID
LEFT JOIN update_statuses us ON us.Update_status_ID = p.Update_status_ID
LEFT JOIN supplements sd ON sd.Supplement_ID = p.Supplement_ID_done
LEFT JOIN supplements sn ON sn.Supplement_ID = p.Supplement_ID_next
LEFT JOIN merges mn ON mn.Merge_ID = p.Merge_ID_next
LEFT JOIN merge_statuses ms ON ms.Merge_status_ID = mn.Merge_status_ID
WHERE (?10 = 0 OR p.Publication_ID_next = 0)
  AND (?1 = 0
       OR (?10 <> 0 AND p.Series_ID =
               (SELECT s.Series_ID FROM publications s WHERE s.Publication_ID = ?1))
       OR (?10 = 0 AND p.Publication_ID = ?1))
  AND (?2 = 0 OR p.Publication_status_ID = ?2)
  AND (?3 = 0 OR p.Language_ID = ?3)
  AND (?4 = 0 OR p.Binder_type_ID = ?4)
  AND (?5 = 0 OR p.Printing_ID = ?5)
  AND (?6 = 0 OR p.Administrator_ID = ?6)
  AND (?7 = 0 OR p.Update_user_ID = ?7)
  AND (?8 = 0 OR p.Update_status_ID = ?8)
  AND (?9 = 0 OR COALESCE(mn.Merge_status_ID, 0) = ?9)
ORDER BY p.Publication_ID
)sql";

}  // namespace

PublicationState LoadPublicationState(Connection& db, std::int32_t publicationId) {
    Statement query(db, R"sql(
SELECT p.Publication_ID, p.Administrator_ID, p.Update_user_ID, p.Update_status_ID,
       (SELECT COUNT(*) FROM binder_docs b WHERE b.Publication_ID = p.Publication_ID),
       p.Publication_ID_previous, p.Publication_ID_next, p.Supplement_ID_next,
       COALESCE((SELECT s.Supplement_number FROM supplements s
                 WHERE s.Supplement_ID = p.Supplement_ID_done), 0),
       p.Merge_ID_next, p.Merge_ID_done,
       COALESCE((SELECT m.Merge_status_ID FROM merges m WHERE m.Merge_ID = p.Merge_ID_next), 0)
FROM publications p WHERE p.Publication_ID = ?)sql");
    query.Bind(1, std::int64_t{publicationId});
    if (!query.Step()) {
        throw ServiceError(ErrorCode::UnknownId,
                           "Publication " + std::to_string(publicationId) + " does not exist");
    }
    PublicationState state;
    state.Publication_ID = query.Int32(0);
    state.Administrator_ID = query.Int32(1);
    state.Update_user_ID = query.Int32(2);
    state.Update_status_ID = query.Int32(3);
    state.Binder_count = query.Int32(4);
    state.Publication_ID_previous = query.Int32(5);
    state.Publication_ID_next = query.Int32(6);
    state.Supplement_ID_next = query.Int32(7);
    state.Supplement_number_done = query.Int32(8);
    state.Merge_ID_next = query.Int32(9);
    state.Merge_ID_done = query.Int32(10);
    state.Merge_status_next = query.Int32(11);
    return state;
}

std::int32_t PublicationOfBinderDoc(Connection& db, std::int32_t binderDocId) {
    return OwnerOf(db, "SELECT Publication_ID FROM binder_docs WHERE BinderDoc_ID = ?", binderDocId,
                   "Binder document");
}

std::int32_t PublicationOfSupplement(Connection& db, std::int32_t supplementId) {
    return OwnerOf(db, "SELECT Publication_ID FROM supplements WHERE Supplement_ID = ?",
                   supplementId, "Supplement");
}

std::int32_t PublicationOfMerge(Connection& db, std::int32_t mergeId) {
    return OwnerOf(db, "SELECT Publication_ID FROM merges WHERE Merge_ID = ?", mergeId,
                   "Merge data");
}

std::vector<std::vector<std::string>> QueryPublicationRecords(Connection& db,
                                                              const PublicationFilter& filter,
                                                              bool newestOnly) {
    Statement query(db, kRecordQuery);
    query.Bind(1, std::int64_t{filter.Publication_ID});
    query.Bind(2, std::int64_t{filter.Publication_status_ID});
    query.Bind(3, std::int64_t{filter.Language_ID});
    query.Bind(4, std::int64_t{filter.Binder_type_ID});
    query.Bind(5, std::int64_t{filter.Printing_ID});
    query.Bind(6, std::int64_t{filter.Administrator_ID});
    query.Bind(7, std::int64_t{filter.Update_user_ID});
    query.Bind(8, std::int64_t{filter.Update_status_ID});
    query.Bind(9, std::int64_t{filter.Merge_status_ID});
    query.Bind(10, std::int64_t{newestOnly ? 1 : 0});

    const auto& fields = protocol::kPublicationInfoFields;
    std::vector<std::vector<std::string>> records;
    while (query.Step()) {
        std::vector<std::string> values;
        values.reserve(fields.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const int column = static_cast<int>(i);
            switch (fields[i].kind) {
            case protocol::Kind::Text:
                values.push_back(query.Text(column));
                break;
            case protocol::Kind::Bool:
                values.push_back(WireBool(query.Int(column) != 0));
                break;
            case protocol::Kind::Ticks:
                values.push_back(WireLong(ClientTicks(query.Int(column))));
                break;
            case protocol::Kind::Long:
                values.push_back(WireLong(query.Int(column)));
                break;
            }
        }
        records.push_back(std::move(values));
    }
    return records;
}

void SetUpdateStatus(Connection& db, std::int32_t publicationId, std::int32_t status,
                     std::int32_t updateUserId, std::time_t now) {
    Statement update(db,
                     "UPDATE publications SET Update_status_ID = ?, Update_user_ID = ?, "
                     "Update_status_time = ? WHERE Publication_ID = ?");
    update.Bind(1, std::int64_t{status})
        .Bind(2, std::int64_t{updateUserId})
        .Bind(3, static_cast<std::int64_t>(now))
        .Bind(4, std::int64_t{publicationId})
        .Run();
}

}  // namespace lumar::service_app
