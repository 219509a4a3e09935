// The service operations of CWSClient: each sends its request's fields in
// the service's order and sorts the answer's items into its result.

#include "service/ws_client.h"
#include "service/ws_list_reader.h"
#include "service/ws_values.h"

namespace lumar {

template <typename Record>
bool CWSClient::RunList(std::string_view method, std::function<void(Parameters&)> parameters,
                        WSListResult<Record>& result) {
    ListReader<Record> reader(result);
    return Run(
        {method, std::move(parameters),
         [&](const std::string& name, const std::string& value) { reader.Read(name, value); },
         [&](std::string& heading, std::string& detail) {
             return reader.CheckCount(heading, detail);
         }},
        result);
}

bool CWSClient::Logon(const LogonRequest& request, LogonResult& result) {
    return Run({"Logon",
                [&](Parameters& p) {
                    p.Add("Login", request.Login);
                    p.Add("Password", request.Password);
                },
                [&](const std::string& name, const std::string& value) {
                    if (name == "Result User_ID") {
                        result.User_ID = LongFromText(value);
                    } else if (name == "Result Name") {
                        result.Name = value;
                    } else if (name == "Result Authorisation_ID") {
                        result.Authorisation_ID = LongFromText(value);
                    } else if (name == "Result Administrator_ID") {
                        result.Administrator_ID = LongFromText(value);
                    } else if (name == "Result UserDescription") {
                        result.UserDescription = value;
                    }
                },
                {}},
               result);
}

bool CWSClient::Logoff(const LogoffRequest& request, WSIdResult& result) {
    return RunId(
        "Logoff", [&](Parameters& p) { p.Add("User_ID", request.User_ID); }, "Result User_ID",
        result);
}

bool CWSClient::Log(const LogRequest& request, LogResult& result) {
    return Run({"Log",
                [&](Parameters& p) {
                    p.Add("Severity", request.Severity);
                    p.Add("Message", request.Message);
                },
                [&](const std::string& name, const std::string& value) {
                    if (name == "Result LogData") {
                        result.LogData = value;
                    }
                },
                {}},
               result);
}

namespace {

// The fields that "PublicationInsert" and "PublicationUpdate" share, from
// Publication_status_ID to Administrator_ID.
template <typename Parameters, typename Request>
void AddPublicationFields(Parameters& p, const Request& r) {
    p.Add("Publication_status_ID", r.Publication_status_ID);
    p.Add("Language_ID", r.Language_ID);
    p.Add("NIMBA_code", r.NIMBA_code);
    p.Add("Lumar_code", r.Lumar_code);
    p.Add("SAP_code", r.SAP_code);
    p.Add("Abbreviation", r.Abbreviation);
    p.Add("Description", r.Description);
    p.Add("Remarks", r.Remarks);
    p.Add("Colour_print", r.Colour_print);
    p.Add("Tab_sheets", r.Tab_sheets);
    p.Add("Max_page_count_per_binder", r.Max_page_count_per_binder);
    p.Add("Binder_type_ID", r.Binder_type_ID);
    p.Add("Printing_ID", r.Printing_ID);
    p.Add("Administrator_ID", r.Administrator_ID);
}

template <typename Parameters>
void AddPublicationFilter(Parameters& p, const PublicationInfoListRequest& r) {
    p.Add("LogUser_ID", r.LogUser_ID);
    p.Add("Publication_ID", r.Publication_ID);
    p.Add("Publication_status_ID", r.Publication_status_ID);
    p.Add("Language_ID", r.Language_ID);
    p.Add("Binder_type_ID", r.Binder_type_ID);
    p.Add("Printing_ID", r.Printing_ID);
    p.Add("Administrator_ID", r.Administrator_ID);
    p.Add("Update_user_ID", r.Update_user_ID);
    p.Add("Update_status_ID", r.Update_status_ID);
    p.Add("Merge_status_ID", r.Merge_status_ID);
}

// The document fields that binder documents and supplements share, from
// Page_count to Pdf_OK.
template <typename Parameters, typename Request>
void AddDocumentFields(Parameters& p, const Request& r) {
    p.Add("Page_count", r.Page_count);
    p.Add("Doc_file", r.Doc_file);
    p.Add("Annotation_data", r.Annotation_data);
    p.Add("Pdf_version", r.Pdf_version);
    p.Add("Pdf_font_error_count", r.Pdf_font_error_count);
    p.Add("Pdf_OK", r.Pdf_OK);
}

}  // namespace

bool CWSClient::PublicationInsert(const PublicationInsertRequest& request, WSIdResult& result) {
    return RunId(
        "PublicationInsert",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            AddPublicationFields(p, request);
        },
        "Result Publication_ID", result);
}

bool CWSClient::PublicationUpdate(const PublicationUpdateRequest& request, WSIdResult& result) {
    return RunId(
        "PublicationUpdate",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Publication_ID", request.Publication_ID);
            AddPublicationFields(p, request);
        },
        "Result Publication_ID", result);
}

namespace {

template <typename Parameters>
std::function<void(Parameters&)> PublicationParameters(const PublicationRequest& request) {
    return [&request](Parameters& p) {
        p.Add("LogUser_ID", request.LogUser_ID);
        p.Add("Publication_ID", request.Publication_ID);
    };
}

}  // namespace

bool CWSClient::PublicationReset(const PublicationRequest& request, WSIdResult& result) {
    return RunId("PublicationReset", PublicationParameters<Parameters>(request),
                 "Result Publication_ID", result);
}

bool CWSClient::PublicationDelete(const PublicationRequest& request, WSIdResult& result) {
    return RunId("PublicationDelete", PublicationParameters<Parameters>(request),
                 "Result Publication_ID", result);
}

bool CWSClient::PublicationLock(const PublicationRequest& request, WSIdResult& result) {
    return RunId("PublicationLock", PublicationParameters<Parameters>(request),
                 "Result Publication_ID", result);
}

bool CWSClient::PublicationUnlock(const PublicationRequest& request, WSIdResult& result) {
    return RunId("PublicationUnlock", PublicationParameters<Parameters>(request),
                 "Result Publication_ID", result);
}

bool CWSClient::PublicationMerge(const PublicationRequest& request, WSIdResult& result) {
    return RunId("PublicationMerge", PublicationParameters<Parameters>(request),
                 "Result Publication_ID", result);
}

bool CWSClient::PublicationRevert(const PublicationRequest& request, WSIdResult& result) {
    return RunId("PublicationRevert", PublicationParameters<Parameters>(request),
                 "Result Publication_ID", result);
}

bool CWSClient::PublicationInfoList(const PublicationInfoListRequest& request,
                                    WSListResult<PublicationInfoRecord>& result) {
    return RunList(
        "PublicationInfoList", [&](Parameters& p) { AddPublicationFilter(p, request); }, result);
}

bool CWSClient::PublicationLastInfoList(const PublicationInfoListRequest& request,
                                        WSListResult<PublicationLastInfoRecord>& result) {
    return RunList(
        "PublicationLastInfoList", [&](Parameters& p) { AddPublicationFilter(p, request); },
        result);
}

bool CWSClient::BinderDocInsert(const BinderDocInsertRequest& request, WSIdResult& result) {
    return RunId(
        "BinderDocInsert",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Publication_ID", request.Publication_ID);
            p.Add("Binder_number", request.Binder_number);
            AddDocumentFields(p, request);
            p.Add("Publication_update", request.Publication_update);
        },
        "Result BinderDoc_ID", result);
}

bool CWSClient::BinderDocUpdate(const BinderDocUpdateRequest& request, WSIdResult& result) {
    return RunId(
        "BinderDocUpdate",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("BinderDoc_ID", request.BinderDoc_ID);
            p.Add("Publication_ID", request.Publication_ID);
            p.Add("Binder_number", request.Binder_number);
            AddDocumentFields(p, request);
        },
        "Result BinderDoc_ID", result);
}

bool CWSClient::BinderDocDelete(const BinderDocDeleteRequest& request, WSIdResult& result) {
    return RunId(
        "BinderDocDelete",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("BinderDoc_ID", request.BinderDoc_ID);
        },
        "Result BinderDoc_ID", result);
}

bool CWSClient::BinderDocList(const BinderDocListRequest& request,
                              WSListResult<BinderDocRecord>& result) {
    return RunList(
        "BinderDocList",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("BinderDoc_ID", request.BinderDoc_ID);
            p.Add("Publication_ID", request.Publication_ID);
            p.Add("Binder_number", request.Binder_number);
            p.Add("Annotation_dataGet", request.Annotation_dataGet);
            p.Add("User_ID", request.User_ID);
        },
        result);
}

bool CWSClient::SupplementInsert(const SupplementInsertRequest& request, WSIdResult& result) {
    return RunId(
        "SupplementInsert",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Publication_ID", request.Publication_ID);
            p.Add("Supplement_number", request.Supplement_number);
            AddDocumentFields(p, request);
        },
        "Result Supplement_ID", result);
}

bool CWSClient::SupplementUpdate(const SupplementUpdateRequest& request, WSIdResult& result) {
    return RunId(
        "SupplementUpdate",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Supplement_ID", request.Supplement_ID);
            p.Add("Publication_ID", request.Publication_ID);
            p.Add("Supplement_number", request.Supplement_number);
            AddDocumentFields(p, request);
        },
        "Result Supplement_ID", result);
}

bool CWSClient::SupplementDelete(const SupplementDeleteRequest& request, WSIdResult& result) {
    return RunId(
        "SupplementDelete",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Supplement_ID", request.Supplement_ID);
        },
        "Result Supplement_ID", result);
}

bool CWSClient::SupplementList(const SupplementListRequest& request,
                               WSListResult<SupplementRecord>& result) {
    return RunList(
        "SupplementList",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Supplement_ID", request.Supplement_ID);
            p.Add("Publication_ID", request.Publication_ID);
            p.Add("Supplement_number", request.Supplement_number);
            p.Add("Annotation_dataGet", request.Annotation_dataGet);
            p.Add("User_ID", request.User_ID);
        },
        result);
}

bool CWSClient::MergeInsert(const MergeInsertRequest& request, WSIdResult& result) {
    return RunId(
        "MergeInsert",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Publication_ID", request.Publication_ID);
            p.Add("Supplement_ID", request.Supplement_ID);
            p.Add("Merge_data", request.Merge_data);
            p.Add("Merge_status_ID", request.Merge_status_ID);
        },
        "Result Merge_ID", result);
}

bool CWSClient::MergeUpdate(const MergeUpdateRequest& request, WSIdResult& result) {
    return RunId(
        "MergeUpdate",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Merge_ID", request.Merge_ID);
            p.Add("Publication_ID", request.Publication_ID);
            p.Add("Supplement_ID", request.Supplement_ID);
            p.Add("Merge_data", request.Merge_data);
            p.Add("Merge_status_ID", request.Merge_status_ID);
        },
        "Result Merge_ID", result);
}

bool CWSClient::MergeDelete(const MergeDeleteRequest& request, WSIdResult& result) {
    return RunId(
        "MergeDelete",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Merge_ID", request.Merge_ID);
        },
        "Result Merge_ID", result);
}

bool CWSClient::MergeList(const MergeListRequest& request, WSListResult<MergeRecord>& result) {
    return RunList(
        "MergeList",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Merge_ID", request.Merge_ID);
            p.Add("Publication_ID", request.Publication_ID);
            p.Add("Supplement_ID", request.Supplement_ID);
            p.Add("Merge_dataGet", request.Merge_dataGet);
            p.Add("Merge_status_ID", request.Merge_status_ID);
            p.Add("User_ID", request.User_ID);
        },
        result);
}

bool CWSClient::UserInfoList(const UserInfoListRequest& request,
                             WSListResult<UserInfoRecord>& result) {
    return RunList(
        "UserInfoList",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("User_ID", request.User_ID);
            p.Add("Authorisation_ID", request.Authorisation_ID);
            p.Add("Administrator_ID", request.Administrator_ID);
        },
        result);
}

bool CWSClient::PublicationStatusList(const LookupListRequest& request,
                                      WSListResult<PublicationStatusRecord>& result) {
    return RunList(
        "PublicationStatusList", [&](Parameters& p) { p.Add("LogUser_ID", request.LogUser_ID); },
        result);
}

bool CWSClient::LanguageList(const LookupListRequest& request,
                             WSListResult<LanguageRecord>& result) {
    return RunList(
        "LanguageList", [&](Parameters& p) { p.Add("LogUser_ID", request.LogUser_ID); }, result);
}

bool CWSClient::BinderTypeList(const LookupListRequest& request,
                               WSListResult<BinderTypeRecord>& result) {
    return RunList(
        "BinderTypeList", [&](Parameters& p) { p.Add("LogUser_ID", request.LogUser_ID); }, result);
}

bool CWSClient::PrintingList(const LookupListRequest& request,
                             WSListResult<PrintingRecord>& result) {
    return RunList(
        "PrintingList", [&](Parameters& p) { p.Add("LogUser_ID", request.LogUser_ID); }, result);
}

bool CWSClient::ColourList(const ColourListRequest& request, WSListResult<ColourRecord>& result) {
    return RunList(
        "ColourList",
        [&](Parameters& p) {
            p.Add("LogUser_ID", request.LogUser_ID);
            p.Add("Colour_ID", request.Colour_ID);
        },
        result);
}

}  // namespace lumar
