#pragma once

// The two column sets of the record lists: the publication set (40 columns
// over PublicationLastInfoRecord, the manager's list) and the document set
// (10 columns over BinderDocRecord or SupplementRecord, the details dialog's
// list). An entry's index in its set is the column's identity everywhere:
// layout arrays, chooser commands, stored layout texts.
//
// Cell texts and the sort comparison follow each column's kind.

#include <span>
#include <string>

#include "service/ws_records.h"

namespace lumar {

// Width rules of a column entry; 0 or more is never a rule.
inline constexpr int kFitCells = -1;          // the widest cell text
inline constexpr int kFitTitleAndCells = -2;  // the wider of the title and the cells
inline constexpr int kThirdOfList = 0;        // one third of the list's client width

enum class ColumnAlignment { Left = 0, Right = 1, Centred = 2 };

// N, T, F, D, and the document set's "Annotations" (always "...").
enum class ColumnKind { Number, Text, Flag, DateTime, Annotations };

struct ColumnEntry {
    const char* title;
    // The title in a list of supplements; only the document set differs.
    const char* supplementTitle;
    int widthRule;
    ColumnAlignment alignment;
    ColumnKind kind;
};

enum class ColumnSetId { Publications, Documents };

// The document list's mode numbers.
inline constexpr int kBinderMode = 0;
inline constexpr int kSupplementMode = 1;

inline constexpr int kPublicationSetSize = 40;
inline constexpr int kDocumentSetSize = 10;

std::span<const ColumnEntry> PublicationColumnSet();
std::span<const ColumnEntry> DocumentColumnSet();
std::span<const ColumnEntry> ColumnSet(ColumnSetId set);

// The entry's title as a list in `mode` shows it (the mode matters for the
// document set only).
std::string ColumnTitle(ColumnSetId set, int index, int mode = kBinderMode);

// The text of column `index` for one record; empty for an index outside the
// set. Numbers print as "%ld" with 0 as an empty cell, flags as "Yes"/"No",
// date-times as "%d/%m/%Y %H:%M:%S" or "Invalid DateTime".
std::string CellText(const PublicationInfoRecord& record, int index);
std::string CellText(const BinderDocRecord& record, int index);
std::string CellText(const SupplementRecord& record, int index);

std::string NumberCellText(std::int32_t number);
std::string FlagCellText(bool flag);
std::string DateTimeCellText(const DateTime& value);

// The order of two records by column `index`: negative, 0 or positive.
// Numbers by their difference, texts byte-wise and case-sensitive, "No"
// before "Yes", date-times by time (an invalid one before any valid one);
// "Annotations" and indices outside the set compare equal. Descending order
// negates the result.
int CompareRecords(const PublicationInfoRecord& a, const PublicationInfoRecord& b, int index,
                   bool ascending);
int CompareRecords(const BinderDocRecord& a, const BinderDocRecord& b, int index, bool ascending);
int CompareRecords(const SupplementRecord& a, const SupplementRecord& b, int index, bool ascending);

}  // namespace lumar
