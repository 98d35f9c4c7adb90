#include "app/ProgramInfoDialog.h"

#include "app/FieldText.h"
#include "framework/services/FixedStrings.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* kCategoryNames[ProgramInfoRecord::kCategoryCount] = {
    "Synth Hard",   "Synth Soft", "Synth Brass", "Strings / Pad", "Motion", "Bass",        "Lead",    "Keyboard",
    "Bell / Decay", "Hit / Drum", "S.E",         "Arp / Seq",     "Split",  "Simple Wave", "Vocoder", "User",
};

constexpr int kNameLengthAfterOk = 256;

bool HasMultiByteCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > 127; });
}

// The text cut to the field's length, the rest of the field zero.
template <std::size_t Size>
void CopyTerminated(char (&field)[Size], const std::string& text)
{
    std::memset(field, 0, Size);
    text.copy(field, Size - 1);
}

}  // namespace

void CProgramInfoDialog::OnInitDialog(LPARAM parameter)
{
    const auto& record = *reinterpret_cast<const ProgramInfoRecord*>(parameter);
    if (!record.nameAndProgrammerFlag) {
        SetItemText(kIdName, FieldText(record.name));
        SetItemText(kIdProgrammer, FieldText(record.programmer));
    }
    for (const char* category : kCategoryNames)
        AddComboBoxText(kIdCategory, category);
    SetComboBoxSelection(kIdCategory, record.categoryFlag ? 0 : record.category);
    if (!record.commentFlag)
        SetItemText(kIdComment, FieldText(record.comment));
    SetItemFocus(kIdName);
}

void CProgramInfoDialog::OnCommand(int id, int /*notification*/, LPARAM parameter)
{
    if (id == kIdOk || id == kCommandOk) {
        Store(*reinterpret_cast<ProgramInfoRecord*>(parameter));
    } else if (id == kIdCancel || id == kCommandCancel) {
        EndDialog(-1);
    }
}

void CProgramInfoDialog::Store(ProgramInfoRecord& record)
{
    const std::string name = GetItemText(kIdName);
    const std::string programmer = GetItemText(kIdProgrammer);
    const std::string comment = GetItemText(kIdComment);
    if (HasMultiByteCharacter(name) || HasMultiByteCharacter(programmer) || HasMultiByteCharacter(comment)) {
        EndDialog(kResultMultiByte);
        return;
    }
    // Short names are padded with blanks, as the device shows them.
    CopyPaddedString(record.name, name.c_str(), ProgramInfoRecord::kNameLength);
    record.nameLength = kNameLengthAfterOk;
    CopyTerminated(record.programmer, programmer);
    CopyTerminated(record.comment, comment);
    if (const int category = GetComboBoxSelection(kIdCategory); category >= 0)
        record.category = category;
    record.categoryFlag = true;
    record.nameAndProgrammerFlag = true;
    record.commentFlag = true;
    EndDialog(1);
}
