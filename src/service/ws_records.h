#pragma once

// The records that the service's list operations return. Plain data: public
// fields named as the service names its elements, in the order of the record
// types of protocol/records.h (they are filled by position, checked at
// compile time). A new record holds 0, false, empty texts and the zero
// date-time.

#include <cstdint>
#include <string>

#include "service/date_time.h"

namespace lumar {

// One publication version with the names of everything it refers to.
struct PublicationInfoRecord {
    std::int32_t Publication_ID = 0;
    std::int32_t Publication_status_ID = 0;
    std::string Publication_status_Name;
    std::int32_t Language_ID = 0;
    std::string Language_Name;
    std::string NIMBA_code;
    std::string Lumar_code;
    std::string SAP_code;
    std::string Abbreviation;
    std::string Description;
    std::string Remarks;
    bool Colour_print = false;
    bool Tab_sheets = false;
    std::int32_t Max_page_count_per_binder = 0;
    std::int32_t Binder_count = 0;
    std::int32_t Binder_count_OK = 0;
    std::int32_t Page_count = 0;
    std::int32_t Binder_type_ID = 0;
    std::string Binder_type_Name;
    std::int32_t Printing_ID = 0;
    std::string Printing_Name;
    std::int32_t Administrator_ID = 0;
    std::string Administrator_Name;
    std::string Administrator_Manager;
    std::int32_t Update_user_ID = 0;
    std::string Update_user_Name;
    std::int32_t Update_status_ID = 0;
    std::string Update_status_Name;
    DateTime Update_status_DT;  // from "Update_status_DT_Ticks"
    DateTime Create_DT;         // from "Create_DT_Ticks"
    std::int32_t Publication_ID_previous = 0;
    std::int32_t Supplement_ID_done = 0;
    std::int32_t Supplement_number_done = 0;
    std::int32_t Merge_ID_done = 0;
    std::int32_t Publication_ID_next = 0;
    std::int32_t Supplement_ID_next = 0;
    std::int32_t Supplement_number_next = 0;
    std::int32_t Merge_ID_next = 0;
    std::int32_t Merge_status_ID = 0;
    std::string Merge_status_Name;
};

// The same fields, as "PublicationLastInfoList" returns them (the latest
// version of each publication).
struct PublicationLastInfoRecord : PublicationInfoRecord {};

// One binder PDF of a publication.
struct BinderDocRecord {
    std::int32_t BinderDoc_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Binder_number = 0;
    std::int32_t Page_count = 0;
    std::string Doc_file;
    std::string Annotation_data;  // filled only when the request asks for it
    std::string Pdf_version;
    std::int32_t Pdf_font_error_count = 0;
    bool Pdf_OK = false;
    std::int32_t User_ID = 0;
};

// One supplement PDF.
struct SupplementRecord {
    std::int32_t Supplement_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Supplement_number = 0;
    std::int32_t Page_count = 0;
    std::string Doc_file;
    std::string Annotation_data;  // filled only when the request asks for it
    std::string Pdf_version;
    std::int32_t Pdf_font_error_count = 0;
    bool Pdf_OK = false;
    std::int32_t User_ID = 0;
};

// The merge data of a supplement for a publication.
struct MergeRecord {
    std::int32_t Merge_ID = 0;
    std::int32_t Publication_ID = 0;
    std::int32_t Supplement_ID = 0;
    std::string Merge_data;  // filled only when the request asks for it
    std::int32_t Merge_status_ID = 0;
    std::int32_t User_ID = 0;
    DateTime Create_DT;  // from "Create_DT_Ticks"
};

struct UserInfoRecord {
    std::int32_t User_ID = 0;
    std::string Name;
    std::int32_t Authorisation_ID = 0;
    std::string Authorisation_Name;
    std::int32_t Administrator_ID = 0;
    std::string Administrator_Name;
    std::string Administrator_Manager;
};

// Lookup records: an identifier and the name shown for it.
struct PublicationStatusRecord {
    std::int32_t Publication_status_ID = 0;
    std::string Name;
};

struct LanguageRecord {
    std::int32_t Language_ID = 0;
    std::string Name;
};

struct BinderTypeRecord {
    std::int32_t Binder_type_ID = 0;
    std::string Name;
};

struct PrintingRecord {
    std::int32_t Printing_ID = 0;
    std::string Name;
};

// A leaf colour. R, G and B hold what the service sends, unclamped; the
// colour's RGB value is R + G * 256 + B * 65536.
struct ColourRecord {
    std::int32_t Colour_ID = 0;
    std::string Name;
    std::int32_t R = 0;
    std::int32_t G = 0;
    std::int32_t B = 0;
};

}  // namespace lumar
