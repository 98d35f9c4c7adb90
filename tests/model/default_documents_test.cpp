#include "model/DefaultDocuments.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(DefaultDocuments, LiveFromStartUpToExitAsInitialDocuments)
{
    EXPECT_EQ(GetDefaultProgram(), nullptr);
    EXPECT_EQ(GetDefaultGlobal(), nullptr);

    CreateDefaultDocuments();
    CProgram* program = GetDefaultProgram();
    CGlobal* global = GetDefaultGlobal();
    ASSERT_NE(program, nullptr);
    ASSERT_NE(global, nullptr);

    CProgram initial;
    initial.Initialize();
    EXPECT_TRUE(program->GetRegion() == initial.GetRegion());
    EXPECT_FALSE(program->IsModified());
    CGlobal cleared;
    cleared.Initialize();
    EXPECT_EQ(std::memcmp(global->GetData(), cleared.GetData(), global->GetDataSize()), 0);

    // A second start-up call keeps the documents there are.
    CreateDefaultDocuments();
    EXPECT_EQ(GetDefaultProgram(), program);
    EXPECT_EQ(GetDefaultGlobal(), global);

    DeleteDefaultDocuments();
    EXPECT_EQ(GetDefaultProgram(), nullptr);
    EXPECT_EQ(GetDefaultGlobal(), nullptr);
}

}  // namespace
