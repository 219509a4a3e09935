#include "lumar-service/record_fields.h"

namespace lumar::service_app {

namespace {
constexpr ValueType L = ValueType::Long;
constexpr ValueType B = ValueType::Bool;
constexpr ValueType S = ValueType::Text;
constexpr ValueType T = ValueType::Ticks;
}  // namespace

const std::vector<FieldDeclaration>& PublicationRecordFields() {
    static const std::vector<FieldDeclaration> fields = {
        {"Publication_ID", L},
        {"Publication_status_ID", L},
        {"Publication_status_Name", S},
        {"Language_ID", L},
        {"Language_Name", S},
        {"NIMBA_code", S},
        {"Lumar_code", S},
        {"SAP_code", S},
        {"Abbreviation", S},
        {"Description", S},
        {"Remarks", S},
        {"Colour_print", B},
        {"Tab_sheets", B},
        {"Max_page_count_per_binder", L},
        {"Binder_count", L},
        {"Binder_count_OK", L},
        {"Page_count", L},
        {"Binder_type_ID", L},
        {"Binder_type_Name", S},
        {"Printing_ID", L},
        {"Printing_Name", S},
        {"Administrator_ID", L},
        {"Administrator_Name", S},
        {"Administrator_Manager", S},
        {"Update_user_ID", L},
        {"Update_user_Name", S},
        {"Update_status_ID", L},
        {"Update_status_Name", S},
        {"Update_status_DT_Ticks", T},
        {"Create_DT_Ticks", T},
        {"Publication_ID_previous", L},
        {"Supplement_ID_done", L},
        {"Supplement_number_done", L},
        {"Merge_ID_done", L},
        {"Publication_ID_next", L},
        {"Supplement_ID_next", L},
        {"Supplement_number_next", L},
        {"Merge_ID_next", L},
        {"Merge_status_ID", L},
        {"Merge_status_Name", S},
    };
    return fields;
}

const std::vector<FieldDeclaration>& BinderDocRecordFields() {
    static const std::vector<FieldDeclaration> fields = {
        {"BinderDoc_ID", L},  {"Publication_ID", L},
        {"Binder_number", L}, {"Page_count", L},
        {"Doc_file", S},      {"Annotation_data", S},
        {"Pdf_version", S},   {"Pdf_font_error_count", L},
        {"Pdf_OK", B},        {"User_ID", L},
    };
    return fields;
}

const std::vector<FieldDeclaration>& SupplementRecordFields() {
    static const std::vector<FieldDeclaration> fields = {
        {"Supplement_ID", L},
        {"Publication_ID", L},
        {"Supplement_number", L},
        {"Page_count", L},
        {"Doc_file", S},
        {"Annotation_data", S},
        {"Pdf_version", S},
        {"Pdf_font_error_count", L},
        {"Pdf_OK", B},
        {"User_ID", L},
    };
    return fields;
}

const std::vector<FieldDeclaration>& MergeRecordFields() {
    static const std::vector<FieldDeclaration> fields = {
        {"Merge_ID", L},        {"Publication_ID", L}, {"Supplement_ID", L},   {"Merge_data", S},
        {"Merge_status_ID", L}, {"User_ID", L},        {"Create_DT_Ticks", T},
    };
    return fields;
}

const std::vector<FieldDeclaration>& UserInfoRecordFields() {
    static const std::vector<FieldDeclaration> fields = {
        {"User_ID", L},
        {"Name", S},
        {"Authorisation_ID", L},
        {"Authorisation_Name", S},
        {"Administrator_ID", L},
        {"Administrator_Name", S},
        {"Administrator_Manager", S},
    };
    return fields;
}

const std::vector<FieldDeclaration>& ColourRecordFields() {
    static const std::vector<FieldDeclaration> fields = {
        {"Colour_ID", L}, {"Name", S}, {"R", L}, {"G", L}, {"B", L},
    };
    return fields;
}

std::vector<FieldDeclaration> LookupRecordFields(std::string_view idName) {
    return {{idName, L}, {"Name", S}};
}

}  // namespace lumar::service_app
