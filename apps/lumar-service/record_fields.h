#pragma once

// The fields of every record type the list operations return, in the order
// the client reads them. Date-times travel as "<name>_Ticks".

#include <vector>

#include "lumar-service/operation_spec.h"

namespace lumar::service_app {

const std::vector<FieldSpec>& PublicationRecordFields();  // 40 fields
const std::vector<FieldSpec>& BinderDocRecordFields();    // 10
const std::vector<FieldSpec>& SupplementRecordFields();   // 10
const std::vector<FieldSpec>& MergeRecordFields();        // 7
const std::vector<FieldSpec>& UserInfoRecordFields();     // 7
const std::vector<FieldSpec>& ColourRecordFields();       // 5
// A two-field lookup record: the identifier and Name.
std::vector<FieldSpec> LookupRecordFields(std::string_view idName);

}  // namespace lumar::service_app
