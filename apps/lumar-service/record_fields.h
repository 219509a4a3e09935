#pragma once

// The fields of every record type the list operations return, in the order
// the client reads them. Date-times travel as "<name>_Ticks".

#include <vector>

#include "lumar-service/operation_declaration.h"

namespace lumar::service_app {

const std::vector<FieldDeclaration>& PublicationRecordFields();  // 40 fields
const std::vector<FieldDeclaration>& BinderDocRecordFields();    // 10
const std::vector<FieldDeclaration>& SupplementRecordFields();   // 10
const std::vector<FieldDeclaration>& MergeRecordFields();        // 7
const std::vector<FieldDeclaration>& UserInfoRecordFields();     // 7
const std::vector<FieldDeclaration>& ColourRecordFields();       // 5
// A two-field lookup record: the identifier and Name.
std::vector<FieldDeclaration> LookupRecordFields(std::string_view idName);

}  // namespace lumar::service_app
