#pragma once

// The record types of the list operations, with their fields in the order
// the service sends them and the client reads them.

#include <array>

#include "protocol/declaration.h"

namespace lumar::protocol {

// What describes a publication, from NIMBA_code to Max_page_count_per_binder:
// part of its record, and sent by "PublicationInsert" and "PublicationUpdate".
inline constexpr std::array kPublicationDescriptionFields{
    Text("NIMBA_code"),   Text("Lumar_code"),  Text("SAP_code"),
    Text("Abbreviation"), Text("Description"), Text("Remarks"),
    Bool("Colour_print"), Bool("Tab_sheets"),  Long("Max_page_count_per_binder"),
};

// One publication version with the names of everything it refers to; both
// publication lists send it.
inline constexpr auto kPublicationInfoFields =
    Join(std::array{Long("Publication_ID"), Long("Publication_status_ID"),
                    Text("Publication_status_Name"), Long("Language_ID"), Text("Language_Name")},
         kPublicationDescriptionFields,
         std::array{
             Long("Binder_count"),
             Long("Binder_count_OK"),
             Long("Page_count"),
             Long("Binder_type_ID"),
             Text("Binder_type_Name"),
             Long("Printing_ID"),
             Text("Printing_Name"),
             Long("Administrator_ID"),
             Text("Administrator_Name"),
             Text("Administrator_Manager"),
             Long("Update_user_ID"),
             Text("Update_user_Name"),
             Long("Update_status_ID"),
             Text("Update_status_Name"),
             Ticks("Update_status_DT_Ticks"),
             Ticks("Create_DT_Ticks"),
             Long("Publication_ID_previous"),
             Long("Supplement_ID_done"),
             Long("Supplement_number_done"),
             Long("Merge_ID_done"),
             Long("Publication_ID_next"),
             Long("Supplement_ID_next"),
             Long("Supplement_number_next"),
             Long("Merge_ID_next"),
             Long("Merge_status_ID"),
             Text("Merge_status_Name"),
         });
inline constexpr Record kPublicationInfoRecord{"PublicationInfoRecord", kPublicationInfoFields};
inline constexpr Record kPublicationLastInfoRecord{"PublicationLastInfoRecord",
                                                   kPublicationInfoFields};

// The fields of a document file, from Page_count to Pdf_OK, that binder
// documents and supplements share.
inline constexpr std::array kDocumentFileFields{
    Long("Page_count"),           Text("Doc_file"), Text("Annotation_data"), Text("Pdf_version"),
    Long("Pdf_font_error_count"), Bool("Pdf_OK"),
};
inline constexpr auto kBinderDocFields =
    Join(std::array{Long("BinderDoc_ID"), Long("Publication_ID"), Long("Binder_number")},
         kDocumentFileFields, std::array{Long("User_ID")});
inline constexpr Record kBinderDocRecord{"BinderDocRecord", kBinderDocFields};

inline constexpr auto kSupplementFields =
    Join(std::array{Long("Supplement_ID"), Long("Publication_ID"), Long("Supplement_number")},
         kDocumentFileFields, std::array{Long("User_ID")});
inline constexpr Record kSupplementRecord{"SupplementRecord", kSupplementFields};

inline constexpr std::array kMergeFields{
    Long("Merge_ID"),        Long("Publication_ID"), Long("Supplement_ID"),    Text("Merge_data"),
    Long("Merge_status_ID"), Long("User_ID"),        Ticks("Create_DT_Ticks"),
};
inline constexpr Record kMergeRecord{"MergeRecord", kMergeFields};

inline constexpr std::array kUserInfoFields{
    Long("User_ID"),
    Text("Name"),
    Long("Authorisation_ID"),
    Text("Authorisation_Name"),
    Long("Administrator_ID"),
    Text("Administrator_Name"),
    Text("Administrator_Manager"),
};
inline constexpr Record kUserInfoRecord{"UserInfoRecord", kUserInfoFields};

// Lookup records: an identifier and the name shown for it.
inline constexpr std::array kPublicationStatusFields{Long("Publication_status_ID"), Text("Name")};
inline constexpr Record kPublicationStatusRecord{"PublicationStatusRecord",
                                                 kPublicationStatusFields};
inline constexpr std::array kLanguageFields{Long("Language_ID"), Text("Name")};
inline constexpr Record kLanguageRecord{"LanguageRecord", kLanguageFields};
inline constexpr std::array kBinderTypeFields{Long("Binder_type_ID"), Text("Name")};
inline constexpr Record kBinderTypeRecord{"BinderTypeRecord", kBinderTypeFields};
inline constexpr std::array kPrintingFields{Long("Printing_ID"), Text("Name")};
inline constexpr Record kPrintingRecord{"PrintingRecord", kPrintingFields};

inline constexpr std::array kColourFields{Long("Colour_ID"), Text("Name"), Long("R"), Long("G"),
                                          Long("B")};
inline constexpr Record kColourRecord{"ColourRecord", kColourFields};

}  // namespace lumar::protocol
