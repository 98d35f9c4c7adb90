// The importers measure a file before they trust its sizes: a resource
// file, which seeks no further than its last byte, measures whole too.
#include "framework/services/HfcResourceFile.h"
#include "model/ImportChunk.h"
#include "services/ScratchFile.h"

#include <gtest/gtest.h>

namespace {

TEST(MeasureFileLength, ResourcesAndDiskFilesMeasureWholeAndKeepTheirPosition)
{
    CHfcResourceFile resource;
    ASSERT_TRUE(resource.OpenResource("TESTDATA", "TenBytes", 0));
    ASSERT_TRUE(resource.Seek(3, CHfcFile::kFromStart));
    EXPECT_EQ(MeasureFileLength(resource), 10);
    std::int32_t position = -1;
    ASSERT_TRUE(resource.GetPosition(position));
    EXPECT_EQ(position, 3);

    CHfcResourceFile empty;
    ASSERT_TRUE(empty.OpenResource("TESTDATA", "Empty", 0));
    EXPECT_EQ(MeasureFileLength(empty), 0);

    ScratchFolder folder;
    CHfcFile disk;
    ASSERT_TRUE(disk.Open(folder.WriteFile("ten.bin", std::vector<unsigned char>(10, 7)).c_str(),
                          CHfcFile::kRead | CHfcFile::kBinary));
    EXPECT_EQ(MeasureFileLength(disk), 10);
}

}  // namespace
