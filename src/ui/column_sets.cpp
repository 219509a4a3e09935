#include "ui/column_sets.h"

#include <array>
#include <cstdio>
#include <tuple>
#include <variant>

namespace lumar {

namespace {

using enum ColumnAlignment;
using enum ColumnKind;

constexpr std::array<ColumnEntry, kPublicationSetSize> kPublicationSet = {{
    {"Publication ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Publication status ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Publication status", nullptr, kFitCells, Left, Text},
    {"Language ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Language", nullptr, kFitCells, Left, Text},
    {"NIMBA code", nullptr, kFitCells, Left, Text},
    {"Lumar code", nullptr, kFitCells, Left, Text},
    {"SAP code", nullptr, kFitCells, Left, Text},
    {"Abbreviation", nullptr, kFitCells, Left, Text},
    {"Description", nullptr, kThirdOfList, Left, Text},
    {"Remarks", nullptr, kFitCells, Left, Text},
    {"Colour print", nullptr, kFitTitleAndCells, Centred, Flag},
    {"Tab sheets", nullptr, kFitTitleAndCells, Centred, Flag},
    {"Max. page count per binder", nullptr, kFitTitleAndCells, Right, Number},
    {"# Binders", nullptr, kFitTitleAndCells, Right, Number},
    {"# Binders OK", nullptr, kFitTitleAndCells, Right, Number},
    {"# Pages", nullptr, kFitTitleAndCells, Right, Number},
    {"Binder type ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Binder type", nullptr, kFitCells, Left, Text},
    {"Printing ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Printing", nullptr, kFitCells, Left, Text},
    {"Administrator ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Administrator", nullptr, kFitCells, Left, Text},
    {"Administrator manager", nullptr, kFitCells, Left, Text},
    {"Update user ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Update user", nullptr, kFitCells, Left, Text},
    {"Update status ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Update status", nullptr, kFitTitleAndCells, Left, Text},
    {"Update status datetime", nullptr, kFitCells, Right, DateTime},
    {"Create datetime", nullptr, kFitCells, Right, DateTime},
    {"Previous publication ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Merged supplement ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Merged supplement", nullptr, kFitTitleAndCells, Right, Number},
    {"Merged data ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Next publication ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Next supplement ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Next supplement", nullptr, kFitTitleAndCells, Right, Number},
    {"Next merge data ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Merge data status ID", nullptr, kFitTitleAndCells, Right, Number},
    {"Merge data status", nullptr, kFitCells, Left, Text},
}};

constexpr std::array<ColumnEntry, kDocumentSetSize> kDocumentSet = {{
    {"Binder ID", "Supplement ID", kFitTitleAndCells, Right, Number},
    {"Publication ID", "Publication ID", kFitTitleAndCells, Right, Number},
    {"Binder number", "Supplement number", kFitTitleAndCells, Right, Number},
    {"# Pages", "# Pages", kFitTitleAndCells, Right, Number},
    {"File name", "File name", kFitCells, Left, Text},
    {"Annotations", "Annotations", kFitTitleAndCells, Left, Annotations},
    {"PDF version", "PDF version", kFitTitleAndCells, Right, Text},
    {"# PDF font errors", "# PDF font errors", kFitTitleAndCells, Right, Number},
    {"PDF OK", "PDF OK", kFitTitleAndCells, Centred, Flag},
    {"User ID", "User ID", kFitTitleAndCells, Right, Number},
}};

// Where a column's value lives in its record.
template <typename Record>
using Field = std::variant<std::int32_t Record::*, std::string Record::*, bool Record::*,
                           lumar::DateTime Record::*>;

using P = PublicationInfoRecord;
const std::array<Field<P>, kPublicationSetSize> kPublicationFields = {
    &P::Publication_ID,
    &P::Publication_status_ID,
    &P::Publication_status_Name,
    &P::Language_ID,
    &P::Language_Name,
    &P::NIMBA_code,
    &P::Lumar_code,
    &P::SAP_code,
    &P::Abbreviation,
    &P::Description,
    &P::Remarks,
    &P::Colour_print,
    &P::Tab_sheets,
    &P::Max_page_count_per_binder,
    &P::Binder_count,
    &P::Binder_count_OK,
    &P::Page_count,
    &P::Binder_type_ID,
    &P::Binder_type_Name,
    &P::Printing_ID,
    &P::Printing_Name,
    &P::Administrator_ID,
    &P::Administrator_Name,
    &P::Administrator_Manager,
    &P::Update_user_ID,
    &P::Update_user_Name,
    &P::Update_status_ID,
    &P::Update_status_Name,
    &P::Update_status_DT,
    &P::Create_DT,
    &P::Publication_ID_previous,
    &P::Supplement_ID_done,
    &P::Supplement_number_done,
    &P::Merge_ID_done,
    &P::Publication_ID_next,
    &P::Supplement_ID_next,
    &P::Supplement_number_next,
    &P::Merge_ID_next,
    &P::Merge_status_ID,
    &P::Merge_status_Name,
};

using B = BinderDocRecord;
const std::array<Field<B>, kDocumentSetSize> kBinderFields = {
    &B::BinderDoc_ID,    &B::Publication_ID, &B::Binder_number,        &B::Page_count, &B::Doc_file,
    &B::Annotation_data, &B::Pdf_version,    &B::Pdf_font_error_count, &B::Pdf_OK,     &B::User_ID,
};

using S = SupplementRecord;
const std::array<Field<S>, kDocumentSetSize> kSupplementFields = {
    &S::Supplement_ID,   &S::Publication_ID, &S::Supplement_number,    &S::Page_count, &S::Doc_file,
    &S::Annotation_data, &S::Pdf_version,    &S::Pdf_font_error_count, &S::Pdf_OK,     &S::User_ID,
};

struct ValueText {
    std::string operator()(std::int32_t number) const { return NumberCellText(number); }
    std::string operator()(const std::string& text) const { return text; }
    std::string operator()(bool flag) const { return FlagCellText(flag); }
    std::string operator()(const lumar::DateTime& value) const { return DateTimeCellText(value); }
};

template <typename Record, std::size_t N>
std::string TextOf(const Record& record, const std::array<Field<Record>, N>& fields,
                   std::span<const ColumnEntry> set, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        return {};
    }
    if (set[static_cast<std::size_t>(index)].kind == Annotations) {
        return "...";
    }
    return std::visit([&record](auto member) { return ValueText{}(record.*member); },
                      fields[static_cast<std::size_t>(index)]);
}

int Sign(double difference) {
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

struct ValueOrder {
    int operator()(std::int32_t a, std::int32_t b) const {
        return Sign(static_cast<double>(a) - static_cast<double>(b));
    }
    int operator()(const std::string& a, const std::string& b) const {
        // char_traits<char> compares as unsigned char: byte-wise, case-sensitive.
        const int order = a.compare(b);
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    int operator()(bool a, bool b) const { return static_cast<int>(a) - static_cast<int>(b); }
    int operator()(const lumar::DateTime& a, const lumar::DateTime& b) const {
        if (a.Valid != b.Valid) {
            return a.Valid ? 1 : -1;
        }
        const auto key = [](const lumar::DateTime& t) {
            return std::tie(t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second);
        };
        return key(a) < key(b) ? -1 : (key(b) < key(a) ? 1 : 0);
    }
};

template <typename Record, std::size_t N>
int OrderOf(const Record& a, const Record& b, const std::array<Field<Record>, N>& fields,
            std::span<const ColumnEntry> set, int index, bool ascending) {
    if (index < 0 || static_cast<std::size_t>(index) >= N ||
        set[static_cast<std::size_t>(index)].kind == Annotations) {
        return 0;
    }
    const int order =
        std::visit([&a, &b](auto member) { return ValueOrder{}(a.*member, b.*member); },
                   fields[static_cast<std::size_t>(index)]);
    return ascending ? order : -order;
}

}  // namespace

std::span<const ColumnEntry> PublicationColumnSet() {
    return kPublicationSet;
}

std::span<const ColumnEntry> DocumentColumnSet() {
    return kDocumentSet;
}

std::span<const ColumnEntry> ColumnSet(ColumnSetId set) {
    return set == ColumnSetId::Publications ? PublicationColumnSet() : DocumentColumnSet();
}

std::string ColumnTitle(ColumnSetId set, int index, int mode) {
    const std::span<const ColumnEntry> entries = ColumnSet(set);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) {
        return {};
    }
    const ColumnEntry& entry = entries[static_cast<std::size_t>(index)];
    return mode == kSupplementMode && entry.supplementTitle != nullptr ? entry.supplementTitle
                                                                       : entry.title;
}

std::string NumberCellText(std::int32_t number) {
    return number == 0 ? std::string() : std::to_string(number);
}

std::string FlagCellText(bool flag) {
    return flag ? "Yes" : "No";
}

std::string DateTimeCellText(const lumar::DateTime& value) {
    if (!value.Valid) {
        return "Invalid DateTime";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", value.Day, value.Month,
                  value.Year, value.Hour, value.Minute, value.Second);
    return text;
}

std::string CellText(const PublicationInfoRecord& record, int index) {
    return TextOf(record, kPublicationFields, kPublicationSet, index);
}

std::string CellText(const BinderDocRecord& record, int index) {
    return TextOf(record, kBinderFields, kDocumentSet, index);
}

std::string CellText(const SupplementRecord& record, int index) {
    return TextOf(record, kSupplementFields, kDocumentSet, index);
}

int CompareRecords(const PublicationInfoRecord& a, const PublicationInfoRecord& b, int index,
                   bool ascending) {
    return OrderOf(a, b, kPublicationFields, kPublicationSet, index, ascending);
}

int CompareRecords(const BinderDocRecord& a, const BinderDocRecord& b, int index, bool ascending) {
    return OrderOf(a, b, kBinderFields, kDocumentSet, index, ascending);
}

int CompareRecords(const SupplementRecord& a, const SupplementRecord& b, int index,
                   bool ascending) {
    return OrderOf(a, b, kSupplementFields, kDocumentSet, index, ascending);
}

}  // namespace lumar
