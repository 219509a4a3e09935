#include "service/logon_store.h"

#include <gtest/gtest.h>

namespace lumar {
namespace {

class LogonStoreTest : public testing::Test {
protected:
    void SetUp() override { TheLogonStore().clear(); }
    void TearDown() override { TheLogonStore().clear(); }

    static void FillStore() {
        LogonStore& store = TheLogonStore();
        store.user.User_ID = 7;
        store.user.Name = "jdoe";
        store.user.Authorisation_ID = 4;
        store.user.Administrator_ID = 3;
        store.user.UserDescription = "John Doe";
        store.user.Message = "kept";
        store.publicationStatuses.Count = 1;
        store.publicationStatuses.Records.push_back({1, "Released"});
        store.languages.Count = 1;
        store.languages.Records.push_back({2, "English"});
        store.binderTypes.Count = 1;
        store.binderTypes.Records.push_back({3, "Ring"});
        store.printings.Count = 1;
        store.printings.Records.push_back({4, "Offset"});
        store.colours.Count = 1;
        store.colours.Records.push_back({5, "Yellow", 255, 255, 0});
        store.colours.ErrorCode = 9;
        store.userChanged = false;
    }
};

TEST_F(LogonStoreTest, QueriesFollowTheStoredUser) {
    EXPECT_FALSE(IsLoggedOn());
    EXPECT_EQ(UserLevel(), 1);
    EXPECT_TRUE(HasUserLevel(1));
    EXPECT_FALSE(HasUserLevel(2));

    FillStore();
    EXPECT_TRUE(IsLoggedOn());
    EXPECT_EQ(LogUserID(), 7);
    EXPECT_EQ(UserLevel(), 4);
    EXPECT_TRUE(HasUserLevel(4));
    EXPECT_FALSE(HasUserLevel(5));

    // A non-positive User_ID counts as logged off whatever the level says.
    TheLogonStore().user.User_ID = 0;
    EXPECT_FALSE(IsLoggedOn());
    EXPECT_EQ(UserLevel(), 1);
}

TEST_F(LogonStoreTest, ClearForgetsUserAndListsButKeepsMessages) {
    FillStore();
    LogonStore& store = TheLogonStore();
    store.clear();

    EXPECT_EQ(store.user.User_ID, 0);
    EXPECT_EQ(store.user.Authorisation_ID, 0);
    EXPECT_EQ(store.user.Administrator_ID, 0);
    EXPECT_TRUE(store.user.Name.empty());
    EXPECT_TRUE(store.user.UserDescription.empty());
    EXPECT_EQ(store.user.Message, "kept");
    EXPECT_EQ(store.colours.ErrorCode, 9);
    EXPECT_EQ(store.publicationStatuses.Count, 0);
    EXPECT_TRUE(store.publicationStatuses.Records.empty());
    EXPECT_EQ(store.languages.Count, 0);
    EXPECT_TRUE(store.languages.Records.empty());
    EXPECT_EQ(store.binderTypes.Count, 0);
    EXPECT_TRUE(store.binderTypes.Records.empty());
    EXPECT_EQ(store.printings.Count, 0);
    EXPECT_TRUE(store.printings.Records.empty());
    EXPECT_EQ(store.colours.Count, 0);
    EXPECT_TRUE(store.colours.Records.empty());
    EXPECT_TRUE(store.userChanged);

    store.userChanged = false;
    store.clear();
    EXPECT_EQ(store.user.User_ID, 0);
    EXPECT_EQ(store.colours.Count, 0);
    EXPECT_TRUE(store.userChanged);
}

}  // namespace
}  // namespace lumar
