// The data model's shared objects come and go with start-up and exit.
#include "framework/services/EfStringTable.h"
#include "framework/services/ServiceSlots.h"
#include "model/DataModelInstances.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(DataModelInstances, StartUpBuildsThemAndExitReleasesThem)
{
    ASSERT_EQ(GetStringTable(), nullptr);
    CreateDataModelInstances();
    ASSERT_NE(GetStringTable(), nullptr);
    EXPECT_STREQ(GetStringTable()->GetString("OnOff", 1), "On");
    EXPECT_STREQ(GetStringTable()->GetString("MfxType", 17), "Grain Shifter");
    EXPECT_NE(CQ3917ProgramAccessor::PeekInstance(), nullptr);

    ReleaseDataModelInstances();
    EXPECT_EQ(GetStringTable(), nullptr);
    EXPECT_EQ(CQ3917ProgramAccessor::PeekInstance(), nullptr);
}

TEST(DataModelInstances, KeywordListsAreCountedPerUser)
{
    CQ3917StringTable* first = CQ3917StringTable::Acquire();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(CQ3917StringTable::Acquire(), first);
    CQ3917StringTable::Release();
    EXPECT_EQ(GetStringTable(), first);
    CQ3917StringTable::Release();
    EXPECT_EQ(GetStringTable(), nullptr);
    CQ3917StringTable::Release();
    EXPECT_EQ(GetStringTable(), nullptr);
}

}  // namespace
