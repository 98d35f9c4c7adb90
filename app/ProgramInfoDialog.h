#pragma once
// Edits a program's name, programmer, comment and category. The caller
// fills the record; OK fills every field and sets the three flags.
#include "app/ModalDialog.h"

#include <cstdint>

struct ProgramInfoRecord
{
    static constexpr int kNameLength = 8;
    static constexpr int kProgrammerLength = 24;
    static constexpr int kCommentLength = 64;
    static constexpr int kCategoryCount = 16;

    char name[kNameLength];   // padded with blanks, not terminated
    std::int32_t nameLength;  // 256 after OK
    std::int32_t category;    // 0 to 15
    bool categoryFlag;        // set on entry: start with the first category
    char programmer[kProgrammerLength + 1];
    bool nameAndProgrammerFlag;  // set on entry: name and programmer start empty
    char comment[kCommentLength + 1];
    bool commentFlag;  // set on entry: the comment starts empty
};

class CProgramInfoDialog : public CModalDialog
{
public:
    static constexpr int kIdProgrammer = 1017;
    static constexpr int kIdComment = 1019;
    static constexpr int kIdName = 1020;
    static constexpr int kIdCategory = 1021;
    // The result when a text holds a character above 127; the record is
    // then left as it was.
    static constexpr int kResultMultiByte = 2;

    // The record goes in as DoModal's parameter.
    int DoModal(HWND owner, ProgramInfoRecord& record)
    {
        return CModalDialog::DoModal(owner, reinterpret_cast<LPARAM>(&record));
    }

protected:
    const char* GetTemplateName() const override { return "DialogProgramInfo"; }
    void OnInitDialog(LPARAM parameter) override;
    void OnCommand(int id, int notification, LPARAM parameter) override;

private:
    void Store(ProgramInfoRecord& record);
};
