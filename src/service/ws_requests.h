#pragma once

// The request structures of the service operations. Each holds the
// operation's parameters in the order they are sent, as protocol/operations.h
// declares them (its members are sent by position, checked at compile time);
// operations whose parameter lists coincide share one structure. Identifiers
// left at 0 do not restrict a list.

#include <cstdint>
#include <string>

namespace lumar {

// "Logon". Password is already scrambled.
struct LogonRequest {
    std::string Login;
    std::string Password;
};

// "Logoff".
struct LogoffRequest {
    std::int32_t User_ID = 0;
};

// "Log".
struct LogRequest {
    std::int32_t Severity = 0;
    std::string Message;
};

// "PublicationInsert".
struct PublicationInsertRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Publication_status_ID = 0;
    std::int32_t Language_ID = 0;
    std::string NIMBA_code;
    std::string Lumar_code;
    std::string SAP_code;
    std::string Abbreviation;
    std::string Description;
    std::string Remarks;
    bool Colour_print = false;
    bool Tab_sheets = false;
    std::int32_t Max_page_count_per_binder = 0;
    std::int32_t Binder_type_ID = 0;
    std::int32_t Printing_ID = 0;
    std::int32_t Administrator_ID = 0;
};

// "PublicationUpdate".
struct PublicationUpdateRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Publication_status_ID = 0;
    std::int32_t Language_ID = 0;
    std::string NIMBA_code;
    std::string Lumar_code;
    std::string SAP_code;
    std::string Abbreviation;
    std::string Description;
    std::string Remarks;
    bool Colour_print = false;
    bool Tab_sheets = false;
    std::int32_t Max_page_count_per_binder = 0;
    std::int32_t Binder_type_ID = 0;
    std::int32_t Printing_ID = 0;
    std::int32_t Administrator_ID = 0;
};

// "PublicationReset", "PublicationDelete", "PublicationLock",
// "PublicationUnlock", "PublicationMerge", "PublicationRevert".
struct PublicationRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Publication_ID = 0;
};

// "PublicationInfoList" and "PublicationLastInfoList".
struct PublicationInfoListRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Publication_status_ID = 0;
    std::int32_t Language_ID = 0;
    std::int32_t Binder_type_ID = 0;
    std::int32_t Printing_ID = 0;
    std::int32_t Administrator_ID = 0;
    std::int32_t Update_user_ID = 0;
    std::int32_t Update_status_ID = 0;
    std::int32_t Merge_status_ID = 0;
};

// "BinderDocInsert". Publication_update asks the service to update the
// publication's figures with the new document.
struct BinderDocInsertRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Binder_number = 0;
    std::int32_t Page_count = 0;
    std::string Doc_file;
    std::string Annotation_data;
    std::string Pdf_version;
    std::int32_t Pdf_font_error_count = 0;
    bool Pdf_OK = false;
    bool Publication_update = false;
};

// "BinderDocUpdate".
struct BinderDocUpdateRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t BinderDoc_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Binder_number = 0;
    std::int32_t Page_count = 0;
    std::string Doc_file;
    std::string Annotation_data;
    std::string Pdf_version;
    std::int32_t Pdf_font_error_count = 0;
    bool Pdf_OK = false;
};

// "BinderDocDelete".
struct BinderDocDeleteRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t BinderDoc_ID = 0;
};

// "BinderDocList". Annotation_dataGet is 1 to receive Annotation_data.
struct BinderDocListRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t BinderDoc_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Binder_number = 0;
    std::int32_t Annotation_dataGet = 0;
    std::int32_t User_ID = 0;
};

// "SupplementInsert".
struct SupplementInsertRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Supplement_number = 0;
    std::int32_t Page_count = 0;
    std::string Doc_file;
    std::string Annotation_data;
    std::string Pdf_version;
    std::int32_t Pdf_font_error_count = 0;
    bool Pdf_OK = false;
};

// "SupplementUpdate".
struct SupplementUpdateRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Supplement_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Supplement_number = 0;
    std::int32_t Page_count = 0;
    std::string Doc_file;
    std::string Annotation_data;
    std::string Pdf_version;
    std::int32_t Pdf_font_error_count = 0;
    bool Pdf_OK = false;
};

// "SupplementDelete".
struct SupplementDeleteRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Supplement_ID = 0;
};

// "SupplementList". Annotation_dataGet is 1 to receive Annotation_data.
struct SupplementListRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Supplement_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Supplement_number = 0;
    std::int32_t Annotation_dataGet = 0;
    std::int32_t User_ID = 0;
};

// "MergeInsert".
struct MergeInsertRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Supplement_ID = 0;
    std::string Merge_data;
    std::int32_t Merge_status_ID = 0;
};

// "MergeUpdate".
struct MergeUpdateRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Merge_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Supplement_ID = 0;
    std::string Merge_data;
    std::int32_t Merge_status_ID = 0;
};

// "MergeDelete".
struct MergeDeleteRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Merge_ID = 0;
};

// "MergeList". Merge_dataGet is 1 to receive Merge_data.
struct MergeListRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Merge_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Supplement_ID = 0;
    std::int32_t Merge_dataGet = 0;
    std::int32_t Merge_status_ID = 0;
    std::int32_t User_ID = 0;
};

// "UserInfoList".
struct UserInfoListRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t User_ID = 0;
    std::int32_t Authorisation_ID = 0;
    std::int32_t Administrator_ID = 0;
};

// "PublicationStatusList", "LanguageList", "BinderTypeList", "PrintingList".
struct LookupListRequest {
    std::int32_t LogUser_ID = 0;
};

// "ColourList". Colour_ID 0 lists every colour.
struct ColourListRequest {
    std::int32_t LogUser_ID = 0;
    std::int32_t Colour_ID = 0;
};

}  // namespace lumar
