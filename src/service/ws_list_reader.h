#pragma once

// Sorts the result items of a list operation into a WSListResult.
//
// The service sends "Result <Record>Count" and then, for every record, its
// fields in declaration order under "Result <Record>s <Record> <field>". The
// reader keeps a record index and a field counter: a field is kept for the
// record at the index while the index is below Count, and a record is
// complete when its last field arrives as the counter reaches the number of
// fields. A record that lacks a field therefore never completes and the
// count check fails.
//
// A record joins the result when it completes, never up front from the
// announced Count, so a hostile count cannot exhaust memory.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "protocol/operations.h"
#include "service/ws_declared.h"
#include "service/ws_results.h"
#include "service/ws_values.h"

namespace lumar {

// Op is the index of the list operation in protocol::kOperations; Record's
// members are its record type's fields in order.
template <std::size_t Op, typename Record>
class ListReader {
public:
    using Members = DeclaredMembers<Op, DeclaredList::RecordFields>;
    static_assert(Members::template kMatch<Record>,
                  "the record's members must be the record type's fields in order");

    explicit ListReader(WSListResult<Record>& result) : result_(result) {}

    // Takes one decoded item. Returns false when the name is none of the
    // list's items (the caller then ignores it).
    bool Read(std::string_view name, std::string_view value) {
        const Names& names = ItemNames();
        if (name == names.count) {
            result_.Records.clear();
            result_.Count = LongFromText(value);
            // The record being read was among those just cleared.
            record_ = {};
            recordStarted_ = false;
            return true;
        }
        const auto found = names.fields.find(std::string(name));
        if (found == names.fields.end()) {
            return false;
        }
        ReadField(found->second, value);
        return true;
    }

    // The count check after the last item. When the completed records do not
    // match Count, or a completed record lost values because it arrived before
    // or beyond Count, the records are freed, Count becomes 0, heading and
    // detail say so and the result is false.
    bool CheckCount(std::string& heading, std::string& detail) {
        std::int64_t shown = recordIndex_;
        if (recordIndex_ == result_.Count) {
            if (incompleteRecords_ == 0) {
                return true;
            }
            shown = recordIndex_ - incompleteRecords_;
        }
        char text[96];
        std::snprintf(text, sizeof text, "Incorrect number of items (%lld != %ld)",
                      static_cast<long long>(shown), static_cast<long>(result_.Count));
        heading = "List Error";
        detail = text;
        result_.clear();
        return false;
    }

private:
    static constexpr const protocol::Record& kRecord = *protocol::kOperations[Op].record;
    static constexpr std::size_t kFieldCount = kRecord.fields.size();

    struct Names {
        std::string count;
        std::unordered_map<std::string, std::size_t> fields;  // item name -> field index
    };

    static const Names& ItemNames() {
        static const Names names = [] {
            Names n;
            n.count = "Result " + protocol::CountElement(kRecord);
            const std::string prefix =
                "Result " + protocol::ListElement(kRecord) + " " + std::string(kRecord.name) + " ";
            for (std::size_t i = 0; i < kFieldCount; ++i) {
                n.fields.emplace(prefix + std::string(kRecord.fields[i].name), i);
            }
            return n;
        }();
        return names;
    }

    void ReadField(std::size_t index, std::string_view value) {
        if (recordIndex_ < result_.Count) {
            AtIndex(record_, index, [&](auto& member) { StoreValue(member, value); });
            recordStarted_ = true;
        } else {
            valueDropped_ = true;
        }
        ++fieldCounter_;
        if (index == kFieldCount - 1 && fieldCounter_ == static_cast<std::int64_t>(kFieldCount)) {
            CompleteRecord();
        }
    }

    void CompleteRecord() {
        if (recordStarted_) {
            const auto at = static_cast<std::size_t>(recordIndex_);
            if (result_.Records.size() <= at) {
                result_.Records.resize(at + 1);
            }
            result_.Records[at] =
                std::apply([](auto&... members) { return Record{std::move(members)...}; }, record_);
        }
        record_ = {};
        recordStarted_ = false;
        ++recordIndex_;
        fieldCounter_ = 0;
        if (valueDropped_) {
            ++incompleteRecords_;
        }
        valueDropped_ = false;
    }

    WSListResult<Record>& result_;
    // The fields of the record being read; they become a Record when it completes.
    typename Members::Values record_{};
    bool recordStarted_ = false;    // a field of it arrived below Count
    std::int64_t recordIndex_ = 0;  // also the number of completed records
    std::int64_t fieldCounter_ = 0;
    std::int64_t incompleteRecords_ = 0;  // completed records with dropped values
    bool valueDropped_ = false;
};

}  // namespace lumar
