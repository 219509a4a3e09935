#pragma once

// The service-side layout of every list record: its element name and its
// fields in the order the service sends them, each with the item name it
// arrives under and the member it fills. The list operations read their
// answers through these tables.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "service/date_time.h"
#include "service/ws_records.h"

namespace lumar {

template <typename Owner>
using RecordMember =
    std::variant<std::int32_t Owner::*, bool Owner::*, std::string Owner::*, DateTime Owner::*>;

template <typename Owner>
struct RecordField {
    std::string_view item;  // the field's element name ("Create_DT_Ticks" for Create_DT)
    RecordMember<Owner> member;
};

// Specialised for every record type: `Owner` (the struct whose members the
// fields point to), `kName` (the service's element name) and `kFields`.
template <typename Record>
struct RecordLayout;

template <>
struct RecordLayout<PublicationInfoRecord> {
    using Owner = PublicationInfoRecord;
    static constexpr std::string_view kName = "PublicationInfoRecord";
    static constexpr std::array<RecordField<Owner>, 40> kFields{{
        {"Publication_ID", &Owner::Publication_ID},
        {"Publication_status_ID", &Owner::Publication_status_ID},
        {"Publication_status_Name", &Owner::Publication_status_Name},
        {"Language_ID", &Owner::Language_ID},
        {"Language_Name", &Owner::Language_Name},
        {"NIMBA_code", &Owner::NIMBA_code},
        {"Lumar_code", &Owner::Lumar_code},
        {"SAP_code", &Owner::SAP_code},
        {"Abbreviation", &Owner::Abbreviation},
        {"Description", &Owner::Description},
        {"Remarks", &Owner::Remarks},
        {"Colour_print", &Owner::Colour_print},
        {"Tab_sheets", &Owner::Tab_sheets},
        {"Max_page_count_per_binder", &Owner::Max_page_count_per_binder},
        {"Binder_count", &Owner::Binder_count},
        {"Binder_count_OK", &Owner::Binder_count_OK},
        {"Page_count", &Owner::Page_count},
        {"Binder_type_ID", &Owner::Binder_type_ID},
        {"Binder_type_Name", &Owner::Binder_type_Name},
        {"Printing_ID", &Owner::Printing_ID},
        {"Printing_Name", &Owner::Printing_Name},
        {"Administrator_ID", &Owner::Administrator_ID},
        {"Administrator_Name", &Owner::Administrator_Name},
        {"Administrator_Manager", &Owner::Administrator_Manager},
        {"Update_user_ID", &Owner::Update_user_ID},
        {"Update_user_Name", &Owner::Update_user_Name},
        {"Update_status_ID", &Owner::Update_status_ID},
        {"Update_status_Name", &Owner::Update_status_Name},
        {"Update_status_DT_Ticks", &Owner::Update_status_DT},
        {"Create_DT_Ticks", &Owner::Create_DT},
        {"Publication_ID_previous", &Owner::Publication_ID_previous},
        {"Supplement_ID_done", &Owner::Supplement_ID_done},
        {"Supplement_number_done", &Owner::Supplement_number_done},
        {"Merge_ID_done", &Owner::Merge_ID_done},
        {"Publication_ID_next", &Owner::Publication_ID_next},
        {"Supplement_ID_next", &Owner::Supplement_ID_next},
        {"Supplement_number_next", &Owner::Supplement_number_next},
        {"Merge_ID_next", &Owner::Merge_ID_next},
        {"Merge_status_ID", &Owner::Merge_status_ID},
        {"Merge_status_Name", &Owner::Merge_status_Name},
    }};
};

template <>
struct RecordLayout<PublicationLastInfoRecord> {
    using Owner = PublicationInfoRecord;
    static constexpr std::string_view kName = "PublicationLastInfoRecord";
    static constexpr const auto& kFields = RecordLayout<PublicationInfoRecord>::kFields;
};

template <>
struct RecordLayout<BinderDocRecord> {
    using Owner = BinderDocRecord;
    static constexpr std::string_view kName = "BinderDocRecord";
    static constexpr std::array<RecordField<Owner>, 10> kFields{{
        {"BinderDoc_ID", &Owner::BinderDoc_ID},
        {"Publication_ID", &Owner::Publication_ID},
        {"Binder_number", &Owner::Binder_number},
        {"Page_count", &Owner::Page_count},
        {"Doc_file", &Owner::Doc_file},
        {"Annotation_data", &Owner::Annotation_data},
        {"Pdf_version", &Owner::Pdf_version},
        {"Pdf_font_error_count", &Owner::Pdf_font_error_count},
        {"Pdf_OK", &Owner::Pdf_OK},
        {"User_ID", &Owner::User_ID},
    }};
};

template <>
struct RecordLayout<SupplementRecord> {
    using Owner = SupplementRecord;
    static constexpr std::string_view kName = "SupplementRecord";
    static constexpr std::array<RecordField<Owner>, 10> kFields{{
        {"Supplement_ID", &Owner::Supplement_ID},
        {"Publication_ID", &Owner::Publication_ID},
        {"Supplement_number", &Owner::Supplement_number},
        {"Page_count", &Owner::Page_count},
        {"Doc_file", &Owner::Doc_file},
        {"Annotation_data", &Owner::Annotation_data},
        {"Pdf_version", &Owner::Pdf_version},
        {"Pdf_font_error_count", &Owner::Pdf_font_error_count},
        {"Pdf_OK", &Owner::Pdf_OK},
        {"User_ID", &Owner::User_ID},
    }};
};

template <>
struct RecordLayout<MergeRecord> {
    using Owner = MergeRecord;
    static constexpr std::string_view kName = "MergeRecord";
    static constexpr std::array<RecordField<Owner>, 7> kFields{{
        {"Merge_ID", &Owner::Merge_ID},
        {"Publication_ID", &Owner::Publication_ID},
        {"Supplement_ID", &Owner::Supplement_ID},
        {"Merge_data", &Owner::Merge_data},
        {"Merge_status_ID", &Owner::Merge_status_ID},
        {"User_ID", &Owner::User_ID},
        {"Create_DT_Ticks", &Owner::Create_DT},
    }};
};

template <>
struct RecordLayout<UserInfoRecord> {
    using Owner = UserInfoRecord;
    static constexpr std::string_view kName = "UserInfoRecord";
    static constexpr std::array<RecordField<Owner>, 7> kFields{{
        {"User_ID", &Owner::User_ID},
        {"Name", &Owner::Name},
        {"Authorisation_ID", &Owner::Authorisation_ID},
        {"Authorisation_Name", &Owner::Authorisation_Name},
        {"Administrator_ID", &Owner::Administrator_ID},
        {"Administrator_Name", &Owner::Administrator_Name},
        {"Administrator_Manager", &Owner::Administrator_Manager},
    }};
};

template <>
struct RecordLayout<PublicationStatusRecord> {
    using Owner = PublicationStatusRecord;
    static constexpr std::string_view kName = "PublicationStatusRecord";
    static constexpr std::array<RecordField<Owner>, 2> kFields{{
        {"Publication_status_ID", &Owner::Publication_status_ID},
        {"Name", &Owner::Name},
    }};
};

template <>
struct RecordLayout<LanguageRecord> {
    using Owner = LanguageRecord;
    static constexpr std::string_view kName = "LanguageRecord";
    static constexpr std::array<RecordField<Owner>, 2> kFields{{
        {"Language_ID", &Owner::Language_ID},
        {"Name", &Owner::Name},
    }};
};

template <>
struct RecordLayout<BinderTypeRecord> {
    using Owner = BinderTypeRecord;
    static constexpr std::string_view kName = "BinderTypeRecord";
    static constexpr std::array<RecordField<Owner>, 2> kFields{{
        {"Binder_type_ID", &Owner::Binder_type_ID},
        {"Name", &Owner::Name},
    }};
};

template <>
struct RecordLayout<PrintingRecord> {
    using Owner = PrintingRecord;
    static constexpr std::string_view kName = "PrintingRecord";
    static constexpr std::array<RecordField<Owner>, 2> kFields{{
        {"Printing_ID", &Owner::Printing_ID},
        {"Name", &Owner::Name},
    }};
};

template <>
struct RecordLayout<ColourRecord> {
    using Owner = ColourRecord;
    static constexpr std::string_view kName = "ColourRecord";
    static constexpr std::array<RecordField<Owner>, 5> kFields{{
        {"Colour_ID", &Owner::Colour_ID},
        {"Name", &Owner::Name},
        {"R", &Owner::R},
        {"G", &Owner::G},
        {"B", &Owner::B},
    }};
};

}  // namespace lumar
