#include "lumar-service/operation_table.h"

#include "lumar-service/operations.h"
#include "lumar-service/record_fields.h"

namespace lumar::service_app {

namespace {

constexpr ValueType L = ValueType::Long;
constexpr ValueType B = ValueType::Bool;
constexpr ValueType S = ValueType::Text;

constexpr TransactionKind kRead = TransactionKind::Read;
constexpr TransactionKind kWrite = TransactionKind::Write;
constexpr TransactionKind kNone = TransactionKind::None;

OperationDeclaration IdOperation(std::string_view name, std::vector<ParamDeclaration> params,
                                 std::string_view idItem, TransactionKind transaction,
                                 OperationHandler handler) {
    return {name,   std::move(params), ResultShape::Items, {{idItem, L}}, {}, {}, transaction,
            handler};
}

OperationDeclaration ListOperation(std::string_view name, std::vector<ParamDeclaration> params,
                                   std::string_view recordName,
                                   std::vector<FieldDeclaration> fields, OperationHandler handler) {
    return {name,   std::move(params), ResultShape::List, {}, recordName, std::move(fields), kRead,
            handler};
}

// The fourteen publication fields that "PublicationInsert" sends after
// LogUser_ID and "PublicationUpdate" after Publication_ID.
std::vector<ParamDeclaration> WithPublicationFields(std::vector<ParamDeclaration> head) {
    const std::vector<ParamDeclaration> fields = {
        {"Publication_status_ID", L},
        {"Language_ID", L},
        {"NIMBA_code", S},
        {"Lumar_code", S},
        {"SAP_code", S},
        {"Abbreviation", S},
        {"Description", S},
        {"Remarks", S},
        {"Colour_print", B},
        {"Tab_sheets", B},
        {"Max_page_count_per_binder", L},
        {"Binder_type_ID", L},
        {"Printing_ID", L},
        {"Administrator_ID", L},
    };
    head.insert(head.end(), fields.begin(), fields.end());
    return head;
}

std::vector<ParamDeclaration> PublicationFilters() {
    return {
        {"LogUser_ID", L},       {"Publication_ID", L}, {"Publication_status_ID", L},
        {"Language_ID", L},      {"Binder_type_ID", L}, {"Printing_ID", L},
        {"Administrator_ID", L}, {"Update_user_ID", L}, {"Update_status_ID", L},
        {"Merge_status_ID", L},
    };
}

std::vector<OperationDeclaration> BuildOperations() {
    using namespace ops;
    const std::vector<ParamDeclaration> publicationOnly = {{"LogUser_ID", L},
                                                           {"Publication_ID", L}};
    std::vector<OperationDeclaration> list;

    list.push_back({"Logon",
                    {{"Login", S}, {"Password", S}},
                    ResultShape::Items,
                    {{"User_ID", L},
                     {"Name", S},
                     {"Authorisation_ID", L},
                     {"Administrator_ID", L},
                     {"UserDescription", S}},
                    {},
                    {},
                    kNone,
                    Logon});
    list.push_back(IdOperation("Logoff", {{"User_ID", L}}, "User_ID", kWrite, Logoff));
    list.push_back({"Log",
                    {{"Severity", L}, {"Message", S}},
                    ResultShape::Items,
                    {{"LogData", S}},
                    {},
                    {},
                    kNone,
                    Log});

    list.push_back(IdOperation("PublicationInsert", WithPublicationFields({{"LogUser_ID", L}}),
                               "Publication_ID", kWrite, PublicationInsert));
    list.push_back(IdOperation("PublicationUpdate",
                               WithPublicationFields({{"LogUser_ID", L}, {"Publication_ID", L}}),
                               "Publication_ID", kWrite, PublicationUpdate));
    list.push_back(IdOperation("PublicationReset", publicationOnly, "Publication_ID", kWrite,
                               PublicationReset));
    list.push_back(IdOperation("PublicationDelete", publicationOnly, "Publication_ID", kWrite,
                               PublicationDelete));
    list.push_back(
        IdOperation("PublicationLock", publicationOnly, "Publication_ID", kWrite, PublicationLock));
    list.push_back(IdOperation("PublicationUnlock", publicationOnly, "Publication_ID", kWrite,
                               PublicationUnlock));
    list.push_back(IdOperation("PublicationMerge", publicationOnly, "Publication_ID", kWrite,
                               PublicationMerge));
    list.push_back(IdOperation("PublicationRevert", publicationOnly, "Publication_ID", kWrite,
                               PublicationRevert));
    list.push_back(ListOperation("PublicationInfoList", PublicationFilters(),
                                 "PublicationInfoRecord", PublicationRecordFields(),
                                 PublicationInfoList));
    list.push_back(ListOperation("PublicationLastInfoList", PublicationFilters(),
                                 "PublicationLastInfoRecord", PublicationRecordFields(),
                                 PublicationLastInfoList));

    list.push_back(IdOperation("BinderDocInsert",
                               {{"LogUser_ID", L},
                                {"Publication_ID", L},
                                {"Binder_number", L},
                                {"Page_count", L},
                                {"Doc_file", S},
                                {"Annotation_data", S},
                                {"Pdf_version", S},
                                {"Pdf_font_error_count", L},
                                {"Pdf_OK", B},
                                {"Publication_update", B}},
                               "BinderDoc_ID", kWrite, BinderDocInsert));
    list.push_back(IdOperation("BinderDocUpdate",
                               {{"LogUser_ID", L},
                                {"BinderDoc_ID", L},
                                {"Publication_ID", L},
                                {"Binder_number", L},
                                {"Page_count", L},
                                {"Doc_file", S},
                                {"Annotation_data", S},
                                {"Pdf_version", S},
                                {"Pdf_font_error_count", L},
                                {"Pdf_OK", B}},
                               "BinderDoc_ID", kWrite, BinderDocUpdate));
    list.push_back(IdOperation("BinderDocDelete", {{"LogUser_ID", L}, {"BinderDoc_ID", L}},
                               "BinderDoc_ID", kWrite, BinderDocDelete));
    list.push_back(ListOperation("BinderDocList",
                                 {{"LogUser_ID", L},
                                  {"BinderDoc_ID", L},
                                  {"Publication_ID", L},
                                  {"Binder_number", L},
                                  {"Annotation_dataGet", L},
                                  {"User_ID", L}},
                                 "BinderDocRecord", BinderDocRecordFields(), BinderDocList));

    list.push_back(IdOperation("SupplementInsert",
                               {{"LogUser_ID", L},
                                {"Publication_ID", L},
                                {"Supplement_number", L},
                                {"Page_count", L},
                                {"Doc_file", S},
                                {"Annotation_data", S},
                                {"Pdf_version", S},
                                {"Pdf_font_error_count", L},
                                {"Pdf_OK", B}},
                               "Supplement_ID", kWrite, SupplementInsert));
    list.push_back(IdOperation("SupplementUpdate",
                               {{"LogUser_ID", L},
                                {"Supplement_ID", L},
                                {"Publication_ID", L},
                                {"Supplement_number", L},
                                {"Page_count", L},
                                {"Doc_file", S},
                                {"Annotation_data", S},
                                {"Pdf_version", S},
                                {"Pdf_font_error_count", L},
                                {"Pdf_OK", B}},
                               "Supplement_ID", kWrite, SupplementUpdate));
    list.push_back(IdOperation("SupplementDelete", {{"LogUser_ID", L}, {"Supplement_ID", L}},
                               "Supplement_ID", kWrite, SupplementDelete));
    list.push_back(ListOperation("SupplementList",
                                 {{"LogUser_ID", L},
                                  {"Supplement_ID", L},
                                  {"Publication_ID", L},
                                  {"Supplement_number", L},
                                  {"Annotation_dataGet", L},
                                  {"User_ID", L}},
                                 "SupplementRecord", SupplementRecordFields(), SupplementList));

    list.push_back(IdOperation("MergeInsert",
                               {{"LogUser_ID", L},
                                {"Publication_ID", L},
                                {"Supplement_ID", L},
                                {"Merge_data", S},
                                {"Merge_status_ID", L}},
                               "Merge_ID", kWrite, MergeInsert));
    list.push_back(IdOperation("MergeUpdate",
                               {{"LogUser_ID", L},
                                {"Merge_ID", L},
                                {"Publication_ID", L},
                                {"Supplement_ID", L},
                                {"Merge_data", S},
                                {"Merge_status_ID", L}},
                               "Merge_ID", kWrite, MergeUpdate));
    list.push_back(IdOperation("MergeDelete", {{"LogUser_ID", L}, {"Merge_ID", L}}, "Merge_ID",
                               kWrite, MergeDelete));
    list.push_back(ListOperation("MergeList",
                                 {{"LogUser_ID", L},
                                  {"Merge_ID", L},
                                  {"Publication_ID", L},
                                  {"Supplement_ID", L},
                                  {"Merge_dataGet", L},
                                  {"Merge_status_ID", L},
                                  {"User_ID", L}},
                                 "MergeRecord", MergeRecordFields(), MergeList));

    list.push_back(ListOperation(
        "UserInfoList",
        {{"LogUser_ID", L}, {"User_ID", L}, {"Authorisation_ID", L}, {"Administrator_ID", L}},
        "UserInfoRecord", UserInfoRecordFields(), UserInfoList));
    list.push_back(
        ListOperation("PublicationStatusList", {{"LogUser_ID", L}}, "PublicationStatusRecord",
                      LookupRecordFields("Publication_status_ID"), PublicationStatusList));
    list.push_back(ListOperation("LanguageList", {{"LogUser_ID", L}}, "LanguageRecord",
                                 LookupRecordFields("Language_ID"), LanguageList));
    list.push_back(ListOperation("BinderTypeList", {{"LogUser_ID", L}}, "BinderTypeRecord",
                                 LookupRecordFields("Binder_type_ID"), BinderTypeList));
    list.push_back(ListOperation("PrintingList", {{"LogUser_ID", L}}, "PrintingRecord",
                                 LookupRecordFields("Printing_ID"), PrintingList));
    list.push_back(ListOperation("ColourList", {{"LogUser_ID", L}, {"Colour_ID", L}},
                                 "ColourRecord", ColourRecordFields(), ColourList));
    return list;
}

}  // namespace

const std::vector<OperationDeclaration>& Operations() {
    static const std::vector<OperationDeclaration> operations = BuildOperations();
    return operations;
}

const OperationDeclaration* FindOperation(std::string_view name) {
    for (const OperationDeclaration& operation : Operations()) {
        if (operation.name == name) {
            return &operation;
        }
    }
    return nullptr;
}

}  // namespace lumar::service_app
