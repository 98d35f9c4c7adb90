// The program-list report: the header line, one line per program numbered
// A01 to M08 with its columns in the header's order, tabs inside texts made
// blanks, no zero bytes, and a failed write reported.
#include "model/ProgramListExport.h"

#include "framework/services/HfcMemoryStreams.h"
#include "model/DataModelInstances.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/VpException.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr char kHeader[] =
    "No.\tProgram Name\tCategory\tProgrammer Name\tPriority\tComment\tVoice Mode\tArp SW\tArp Assign\n";

class ProgramListExportTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CreateDataModelInstances();
        bank = library.AddItem(LibraryDataItem::kProgramBank)->bank.get();
        // Pin the value columns so every line is known.
        for (CProgram& program : *bank) {
            SetValue(program, {0, 35, 0}, 0);
            SetValue(program, {7, 1, 0}, 0);
            SetValue(program, {0, 36, 0}, 0);
        }
    }
    void TearDown() override { ReleaseDataModelInstances(); }

    static void SetValue(CProgram& program, const ParameterAddress& address, std::int32_t value)
    {
        CQ3917ProgramAccessor::PeekInstance()->SetValue(&program, address, value);
    }

    static std::string Export(const ProgramBank& exported)
    {
        CHfcMemoryOutputStream stream(4096, 4096);
        ExportProgramList(stream, exported);
        return std::string(reinterpret_cast<const char*>(stream.GetBuffer()), stream.GetDataSize());
    }

    LibraryData library;
    ProgramBank* bank = nullptr;
};

TEST_F(ProgramListExportTest, ASmallBankByteForByte)
{
    CProgram& first = (*bank)[0];
    SetProgramRecordName(first, "Big\tPad");
    std::strcpy(first.GetRegion().programmerName, "Ann\tLee");
    std::strcpy(first.GetRegion().comment, "warm\tand wide");
    first.GetRegion().priority = 9;   // past E
    first.GetRegion().category = -1;  // before the first
    SetValue(first, {0, 35, 0}, 3);
    SetValue(first, {7, 1, 0}, 1);
    SetValue(first, {0, 36, 0}, 2);

    CProgram& sixteenth = (*bank)[15];
    SetProgramRecordName(sixteenth, "Vox");
    sixteenth.GetRegion().priority = 2;
    sixteenth.GetRegion().category = 15;
    SetValue(sixteenth, {0, 35, 0}, 2);
    SetValue(sixteenth, {0, 36, 0}, 1);

    // A programmer field that a file left unterminated: read to its end only.
    CProgram& last = (*bank)[199];
    std::memset(last.GetRegion().programmerName, 'x', sizeof last.GetRegion().programmerName);

    std::string expected = kHeader;
    for (int index = 0; index < 200; ++index) {
        const char letter = static_cast<char>('A' + index / 16);
        const int number = index % 16 + 1;
        std::ostringstream line;
        line << letter << (number < 10 ? "0" : "") << number << '\t';
        if (index == 0)
            line << "Big Pad\tSynth Hard\tAnn Lee\tE\twarm and wide\tMulti\tOn\tTimbre 1+2\t";
        else if (index == 15)
            line << "Vox\tUser\t\tB\t\tSplit\tOff\tTimbre 2\t";
        else if (index == 199)
            line << "INITPROG\tSynth Hard\t" << std::string(24, 'x') << "\tOff\t\tSingle\tOff\tTimbre 1\t";
        else
            line << "INITPROG\tSynth Hard\t\tOff\t\tSingle\tOff\tTimbre 1\t";
        expected += line.str() + "\n";
    }
    EXPECT_EQ(Export(*bank), expected);
}

TEST_F(ProgramListExportTest, NumbersLinesAndColumns)
{
    const std::string text = Export(*bank);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\0'), 0) << "no zero bytes";

    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 201u);
    EXPECT_EQ(text.back(), '\n');

    const std::pair<int, const char*> numbers[] = {{0, "A01"}, {15, "A16"}, {16, "B01"}, {191, "L16"}, {199, "M08"}};
    for (const auto& [index, number] : numbers)
        EXPECT_EQ(lines[static_cast<std::size_t>(index) + 1].substr(0, 4), std::string(number) + "\t");

    // Nine columns under the header, each program line with its trailing tab.
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), '\t'), 8);
    for (std::size_t n = 1; n < lines.size(); ++n)
        ASSERT_EQ(std::count(lines[n].begin(), lines[n].end(), '\t'), 9) << lines[n];
}

// Accepts a fixed number of bytes, then refuses.
class ShortStream final : public CHfcOutputStream
{
public:
    explicit ShortStream(std::int64_t room) : m_room(room) {}
    std::int64_t GetSize() const override { return m_written; }
    std::int64_t GetPosition() const override { return m_written; }
    bool SetPosition(std::int64_t) override { return false; }
    bool Write(const void*, int count) override
    {
        if (m_written + count > m_room)
            return false;
        m_written += count;
        return true;
    }

private:
    std::int64_t m_room;
    std::int64_t m_written = 0;
};

TEST_F(ProgramListExportTest, AFailedWriteIsReportedAsAWriteError)
{
    const std::size_t full = Export(*bank).size();
    for (std::int64_t room :
         {std::int64_t{0}, std::int64_t{sizeof kHeader + 10}, static_cast<std::int64_t>(full) - 1}) {
        SCOPED_TRACE(room);
        ShortStream stream(room);
        try {
            ExportProgramList(stream, *bank);
            ADD_FAILURE() << "the failure went unreported";
        } catch (const CVpFileException& exception) {
            EXPECT_EQ(exception.GetCode(), CVpFileException::WriteData);
            EXPECT_STREQ(exception.GetMessage(), "FileErrorWriteData");
        }
    }
    ShortStream roomy(static_cast<std::int64_t>(full));
    EXPECT_NO_THROW(ExportProgramList(roomy, *bank));
}

}  // namespace
