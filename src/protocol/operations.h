#pragma once

// The 31 operations of the publication administration service: the one
// declaration that the client writes its requests and reads its answers
// from, and that the reference service validates, dispatches and describes
// in its WSDL from. The order of kOperations is the order of the WSDL.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "protocol/declaration.h"
#include "protocol/records.h"

namespace lumar::protocol {

// Parameter lists, in sending order.
inline constexpr std::array kLogonParams{Text("Login"), Text("Password")};
inline constexpr std::array kLogoffParams{Long("User_ID")};
inline constexpr std::array kLogParams{Long("Severity"), Text("Message")};
inline constexpr std::array kLogUserParams{Long("LogUser_ID")};

// The fourteen publication fields that "PublicationInsert" sends after
// LogUser_ID and "PublicationUpdate" after Publication_ID.
inline constexpr auto kPublicationFields = Join(
    std::array{Long("Publication_status_ID"), Long("Language_ID")}, kPublicationDescriptionFields,
    std::array{Long("Binder_type_ID"), Long("Printing_ID"), Long("Administrator_ID")});
inline constexpr auto kPublicationParams = Join(kLogUserParams, std::array{Long("Publication_ID")});
inline constexpr auto kPublicationInsertParams = Join(kLogUserParams, kPublicationFields);
inline constexpr auto kPublicationUpdateParams = Join(kPublicationParams, kPublicationFields);
inline constexpr auto kPublicationFilterParams =
    Join(kPublicationParams,
         std::array{Long("Publication_status_ID"), Long("Language_ID"), Long("Binder_type_ID"),
                    Long("Printing_ID"), Long("Administrator_ID"), Long("Update_user_ID"),
                    Long("Update_status_ID"), Long("Merge_status_ID")});

inline constexpr auto kBinderDocInsertParams =
    Join(kPublicationParams, std::array{Long("Binder_number")}, kDocumentFileFields,
         std::array{Bool("Publication_update")});
inline constexpr auto kBinderDocUpdateParams = Join(
    kLogUserParams, std::array{Long("BinderDoc_ID"), Long("Publication_ID"), Long("Binder_number")},
    kDocumentFileFields);
inline constexpr auto kBinderDocDeleteParams =
    Join(kLogUserParams, std::array{Long("BinderDoc_ID")});
inline constexpr auto kBinderDocListParams = Join(
    kLogUserParams, std::array{Long("BinderDoc_ID"), Long("Publication_ID"), Long("Binder_number"),
                               Long("Annotation_dataGet"), Long("User_ID")});

inline constexpr auto kSupplementInsertParams =
    Join(kPublicationParams, std::array{Long("Supplement_number")}, kDocumentFileFields);
inline constexpr auto kSupplementUpdateParams =
    Join(kLogUserParams,
         std::array{Long("Supplement_ID"), Long("Publication_ID"), Long("Supplement_number")},
         kDocumentFileFields);
inline constexpr auto kSupplementDeleteParams =
    Join(kLogUserParams, std::array{Long("Supplement_ID")});
inline constexpr auto kSupplementListParams =
    Join(kLogUserParams,
         std::array{Long("Supplement_ID"), Long("Publication_ID"), Long("Supplement_number"),
                    Long("Annotation_dataGet"), Long("User_ID")});

inline constexpr auto kMergeInsertParams =
    Join(kPublicationParams,
         std::array{Long("Supplement_ID"), Text("Merge_data"), Long("Merge_status_ID")});
inline constexpr auto kMergeUpdateParams =
    Join(kLogUserParams, std::array{Long("Merge_ID"), Long("Publication_ID"), Long("Supplement_ID"),
                                    Text("Merge_data"), Long("Merge_status_ID")});
inline constexpr auto kMergeDeleteParams = Join(kLogUserParams, std::array{Long("Merge_ID")});
inline constexpr auto kMergeListParams = Join(
    kLogUserParams, std::array{Long("Merge_ID"), Long("Publication_ID"), Long("Supplement_ID"),
                               Long("Merge_dataGet"), Long("Merge_status_ID"), Long("User_ID")});

inline constexpr auto kUserInfoListParams =
    Join(kLogUserParams,
         std::array{Long("User_ID"), Long("Authorisation_ID"), Long("Administrator_ID")});
inline constexpr auto kColourListParams = Join(kLogUserParams, std::array{Long("Colour_ID")});

// Result items.
inline constexpr std::array kLogonItems{Long("User_ID"), Text("Name"), Long("Authorisation_ID"),
                                        Long("Administrator_ID"), Text("UserDescription")};
inline constexpr std::array kLogItems{Text("LogData")};
// The identifier an operation names: the one it made, changed or removed.
inline constexpr std::array kUserIdItem{Long("User_ID")};
inline constexpr std::array kPublicationIdItem{Long("Publication_ID")};
inline constexpr std::array kBinderDocIdItem{Long("BinderDoc_ID")};
inline constexpr std::array kSupplementIdItem{Long("Supplement_ID")};
inline constexpr std::array kMergeIdItem{Long("Merge_ID")};

inline constexpr std::array kOperations{
    Operation{"Logon", kLogonParams, kLogonItems},
    Operation{"Logoff", kLogoffParams, kUserIdItem},
    Operation{"Log", kLogParams, kLogItems},

    Operation{"PublicationInsert", kPublicationInsertParams, kPublicationIdItem},
    Operation{"PublicationUpdate", kPublicationUpdateParams, kPublicationIdItem},
    Operation{"PublicationReset", kPublicationParams, kPublicationIdItem},
    Operation{"PublicationDelete", kPublicationParams, kPublicationIdItem},
    Operation{"PublicationLock", kPublicationParams, kPublicationIdItem},
    Operation{"PublicationUnlock", kPublicationParams, kPublicationIdItem},
    Operation{"PublicationMerge", kPublicationParams, kPublicationIdItem},
    Operation{"PublicationRevert", kPublicationParams, kPublicationIdItem},
    Operation{"PublicationInfoList", kPublicationFilterParams, {}, &kPublicationInfoRecord},
    Operation{"PublicationLastInfoList", kPublicationFilterParams, {}, &kPublicationLastInfoRecord},

    Operation{"BinderDocInsert", kBinderDocInsertParams, kBinderDocIdItem},
    Operation{"BinderDocUpdate", kBinderDocUpdateParams, kBinderDocIdItem},
    Operation{"BinderDocDelete", kBinderDocDeleteParams, kBinderDocIdItem},
    Operation{"BinderDocList", kBinderDocListParams, {}, &kBinderDocRecord},

    Operation{"SupplementInsert", kSupplementInsertParams, kSupplementIdItem},
    Operation{"SupplementUpdate", kSupplementUpdateParams, kSupplementIdItem},
    Operation{"SupplementDelete", kSupplementDeleteParams, kSupplementIdItem},
    Operation{"SupplementList", kSupplementListParams, {}, &kSupplementRecord},

    Operation{"MergeInsert", kMergeInsertParams, kMergeIdItem},
    Operation{"MergeUpdate", kMergeUpdateParams, kMergeIdItem},
    Operation{"MergeDelete", kMergeDeleteParams, kMergeIdItem},
    Operation{"MergeList", kMergeListParams, {}, &kMergeRecord},

    Operation{"UserInfoList", kUserInfoListParams, {}, &kUserInfoRecord},
    Operation{"PublicationStatusList", kLogUserParams, {}, &kPublicationStatusRecord},
    Operation{"LanguageList", kLogUserParams, {}, &kLanguageRecord},
    Operation{"BinderTypeList", kLogUserParams, {}, &kBinderTypeRecord},
    Operation{"PrintingList", kLogUserParams, {}, &kPrintingRecord},
    Operation{"ColourList", kColourListParams, {}, &kColourRecord},
};

// The position of the operation in kOperations, for code that binds to one
// operation at compile time; an unknown name does not compile.
consteval std::size_t IndexOf(std::string_view method) {
    for (std::size_t i = 0; i < kOperations.size(); ++i) {
        if (kOperations[i].method == method) {
            return i;
        }
    }
    throw "no operation of that name is declared";
}

// nullptr for an unknown name (names are case-sensitive, as the client sends them).
const Operation* FindOperation(std::string_view method);

// The element names around a list's records: <XCount> and <Xs><X>...</X></Xs>.
std::string CountElement(const Record& record);
std::string ListElement(const Record& record);

}  // namespace lumar::protocol
