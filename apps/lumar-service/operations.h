#pragma once

// The handlers of the 31 operations, grouped by the files that hold them.
// Each takes the context and the checked parameters and returns the result
// items; refusals are thrown as ServiceError.

#include "lumar-service/operation_context.h"
#include "lumar-service/operation_handler.h"
#include "lumar-service/request_params.h"

namespace lumar::service_app::ops {

// ops_session.cpp
OperationResult Logon(OperationContext& context, const RequestParams& params);
OperationResult Logoff(OperationContext& context, const RequestParams& params);
OperationResult Log(OperationContext& context, const RequestParams& params);

// ops_lookup.cpp
OperationResult PublicationStatusList(OperationContext& context, const RequestParams& params);
OperationResult LanguageList(OperationContext& context, const RequestParams& params);
OperationResult BinderTypeList(OperationContext& context, const RequestParams& params);
OperationResult PrintingList(OperationContext& context, const RequestParams& params);
OperationResult ColourList(OperationContext& context, const RequestParams& params);
OperationResult UserInfoList(OperationContext& context, const RequestParams& params);

// ops_publication.cpp
OperationResult PublicationInsert(OperationContext& context, const RequestParams& params);
OperationResult PublicationUpdate(OperationContext& context, const RequestParams& params);
OperationResult PublicationDelete(OperationContext& context, const RequestParams& params);
OperationResult PublicationInfoList(OperationContext& context, const RequestParams& params);
OperationResult PublicationLastInfoList(OperationContext& context, const RequestParams& params);

// ops_workflow.cpp
OperationResult PublicationLock(OperationContext& context, const RequestParams& params);
OperationResult PublicationUnlock(OperationContext& context, const RequestParams& params);
OperationResult PublicationReset(OperationContext& context, const RequestParams& params);
OperationResult PublicationMerge(OperationContext& context, const RequestParams& params);
OperationResult PublicationRevert(OperationContext& context, const RequestParams& params);

// ops_binder_doc.cpp
OperationResult BinderDocInsert(OperationContext& context, const RequestParams& params);
OperationResult BinderDocUpdate(OperationContext& context, const RequestParams& params);
OperationResult BinderDocDelete(OperationContext& context, const RequestParams& params);
OperationResult BinderDocList(OperationContext& context, const RequestParams& params);

// ops_supplement.cpp
OperationResult SupplementInsert(OperationContext& context, const RequestParams& params);
OperationResult SupplementUpdate(OperationContext& context, const RequestParams& params);
OperationResult SupplementDelete(OperationContext& context, const RequestParams& params);
OperationResult SupplementList(OperationContext& context, const RequestParams& params);

// ops_merge.cpp
OperationResult MergeInsert(OperationContext& context, const RequestParams& params);
OperationResult MergeUpdate(OperationContext& context, const RequestParams& params);
OperationResult MergeDelete(OperationContext& context, const RequestParams& params);
OperationResult MergeList(OperationContext& context, const RequestParams& params);

}  // namespace lumar::service_app::ops
