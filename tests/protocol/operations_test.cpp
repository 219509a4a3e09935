#include "protocol/operations.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <string_view>

#include "protocol/wire_values.h"

namespace lumar::protocol {
namespace {

bool EndsWithTicks(std::string_view name) {
    return name.ends_with("_Ticks");
}

void ExpectUniqueNames(std::span<const Item> items, std::string_view where) {
    std::set<std::string_view> names;
    for (const Item& item : items) {
        EXPECT_TRUE(names.insert(item.name).second) << item.name << " twice in " << where;
        EXPECT_FALSE(item.name.empty()) << where;
    }
}

TEST(Declaration, DeclaresEveryOperationOnceWithUniqueNames) {
    std::set<std::string_view> methods;
    for (const Operation& operation : kOperations) {
        EXPECT_TRUE(methods.insert(operation.method).second) << operation.method;
        ExpectUniqueNames(operation.params, operation.method);
        ExpectUniqueNames(operation.items, operation.method);
        if (operation.IsList()) {
            ExpectUniqueNames(operation.record->fields, operation.record->name);
        }
    }
    EXPECT_EQ(methods.size(), 31u);
}

// The client reads either items or a list, never both; every operation
// answers something.
TEST(Declaration, AnOperationAnswersItemsOrAList) {
    for (const Operation& operation : kOperations) {
        EXPECT_EQ(operation.items.empty(), operation.IsList()) << operation.method;
        EXPECT_FALSE(operation.params.empty()) << operation.method;
    }
}

// Date-times travel in records only, as "<name>_Ticks".
TEST(Declaration, TicksAreRecordFieldsNamedSo) {
    for (const Operation& operation : kOperations) {
        for (std::span<const Item> items : {operation.params, operation.items}) {
            for (const Item& item : items) {
                EXPECT_NE(item.kind, Kind::Ticks) << operation.method << " " << item.name;
            }
        }
        if (operation.IsList()) {
            for (const Item& field : operation.record->fields) {
                EXPECT_EQ(field.kind == Kind::Ticks, EndsWithTicks(field.name)) << field.name;
            }
        }
    }
}

TEST(Declaration, FindsOperationsByTheirExactName) {
    for (const Operation& operation : kOperations) {
        EXPECT_EQ(FindOperation(operation.method), &operation);
    }
    EXPECT_EQ(FindOperation("logon"), nullptr);
    EXPECT_EQ(FindOperation("Logon "), nullptr);
    EXPECT_EQ(FindOperation(""), nullptr);
    static_assert(kOperations[IndexOf("ColourList")].method == "ColourList");
}

TEST(Declaration, JoinKeepsTheOrderOfItsParts) {
    constexpr auto joined = Join(std::array{Long("a")}, std::array{Text("b"), Bool("c")});
    ASSERT_EQ(joined.size(), 3u);
    EXPECT_EQ(joined[0].name, "a");
    EXPECT_EQ(joined[1].name, "b");
    EXPECT_EQ(joined[2].name, "c");
    EXPECT_EQ(joined[1].kind, Kind::Text);
    EXPECT_EQ(joined[2].kind, Kind::Bool);
}

TEST(Declaration, NamesTheElementsAroundARecordList) {
    EXPECT_EQ(CountElement(kColourRecord), "ColourRecordCount");
    EXPECT_EQ(ListElement(kColourRecord), "ColourRecords");
}

TEST(WireValues, WriteNumbersInDecimalAndFlagsAsOneOrZero) {
    EXPECT_EQ(WireLong(0), "0");
    EXPECT_EQ(WireLong(-42), "-42");
    EXPECT_EQ(WireLong(638448104960000000), "638448104960000000");
    EXPECT_EQ(WireBool(true), "1");
    EXPECT_EQ(WireBool(false), "0");
}

}  // namespace
}  // namespace lumar::protocol
