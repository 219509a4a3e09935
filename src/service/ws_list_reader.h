#pragma once

// Sorts the result items of a list operation into a WSListResult.
//
// The service sends "Result <Record>Count" and then, for every record, its
// fields in declaration order under "Result <Record>s <Record> <field>". The
// reader keeps a record index and a field counter: a field is stored in the
// record at the index while the index is below Count, and a record is complete
// when its last field arrives as the counter reaches the number of fields. A
// record that lacks a field therefore never completes and the count check
// fails.
//
// Records are allocated as their fields arrive, never up front from the
// announced Count, so a hostile count cannot exhaust memory.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>

#include "service/ws_record_layouts.h"
#include "service/ws_results.h"
#include "service/ws_values.h"

namespace lumar {

template <typename Record>
class ListReader {
public:
    using Layout = RecordLayout<Record>;
    using Owner = typename Layout::Owner;

    explicit ListReader(WSListResult<Record>& result) : result_(result) {}

    // Takes one decoded item. Returns false when the name is none of the
    // list's items (the caller then ignores it).
    bool Read(std::string_view name, std::string_view value) {
        const Names& names = ItemNames();
        if (name == names.count) {
            result_.Records.clear();
            result_.Count = LongFromText(value);
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

    // The item names of this record type, for callers that build answers.
    static std::string CountItem() { return ItemNames().count; }
    static std::string FieldItem(std::string_view field) {
        return ItemPrefix() + std::string(field);
    }

private:
    struct Names {
        std::string count;
        std::unordered_map<std::string, std::size_t> fields;  // item name -> field index
    };

    static std::string ItemPrefix() {
        const std::string record(Layout::kName);
        return "Result " + record + "s " + record + " ";
    }

    static const Names& ItemNames() {
        static const Names names = [] {
            Names n;
            n.count = "Result " + std::string(Layout::kName) + "Count";
            const std::string prefix = ItemPrefix();
            for (std::size_t i = 0; i < Layout::kFields.size(); ++i) {
                n.fields.emplace(prefix + std::string(Layout::kFields[i].item), i);
            }
            return n;
        }();
        return names;
    }

    void ReadField(std::size_t index, std::string_view value) {
        if (recordIndex_ < result_.Count) {
            const auto at = static_cast<std::size_t>(recordIndex_);
            if (result_.Records.size() <= at) {
                result_.Records.resize(at + 1);
            }
            Owner& record = result_.Records[at];
            std::visit([&](auto member) { Store(record.*member, value); },
                       Layout::kFields[index].member);
        } else {
            valueDropped_ = true;
        }
        ++fieldCounter_;
        const std::size_t fieldCount = Layout::kFields.size();
        if (index == fieldCount - 1 && fieldCounter_ == static_cast<std::int64_t>(fieldCount)) {
            ++recordIndex_;
            fieldCounter_ = 0;
            if (valueDropped_) {
                ++incompleteRecords_;
            }
            valueDropped_ = false;
        }
    }

    static void Store(std::int32_t& field, std::string_view value) { field = LongFromText(value); }
    static void Store(bool& field, std::string_view value) { field = BoolFromText(value); }
    static void Store(std::string& field, std::string_view value) { field = value; }
    static void Store(DateTime& field, std::string_view value) { field = DateTimeFromTicks(value); }

    WSListResult<Record>& result_;
    std::int64_t recordIndex_ = 0;  // also the number of completed records
    std::int64_t fieldCounter_ = 0;
    std::int64_t incompleteRecords_ = 0;  // completed records with dropped values
    bool valueDropped_ = false;
};

}  // namespace lumar
