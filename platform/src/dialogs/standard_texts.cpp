#include "standard_texts.h"

#include <platform/locale.h>

namespace platform::dialogs {
namespace {

struct Row
{
    StandardText text;
    const char* english;
    const char* japanese;
};

// In the order of StandardText.
constexpr Row kTexts[] = {
    {StandardText::Ok, "OK", "OK"},
    {StandardText::Cancel, "Cancel", "キャンセル"},
    {StandardText::Yes, "&Yes", "はい(&Y)"},
    {StandardText::No, "&No", "いいえ(&N)"},
    {StandardText::LookIn, "Look &in:", "ファイルの場所(&I):"},
    {StandardText::SaveIn, "Save &in:", "保存する場所(&I):"},
    {StandardText::FileName, "File &name:", "ファイル名(&N):"},
    {StandardText::FilesOfType, "Files of &type:", "ファイルの種類(&T):"},
    {StandardText::OpenButton, "&Open", "開く(&O)"},
    {StandardText::SaveButton, "&Save", "保存(&S)"},
    {StandardText::OpenTitle, "Open", "開く"},
    {StandardText::SaveAsTitle, "Save As", "名前を付けて保存"},
};

constexpr bool InOrder()
{
    for (int i = 0; i < int(sizeof(kTexts) / sizeof(*kTexts)); ++i)
        if (int(kTexts[i].text) != i)
            return false;
    return int(StandardText::SaveAsTitle) + 1 == int(sizeof(kTexts) / sizeof(*kTexts));
}
static_assert(InOrder());

}  // namespace

const char* StandardTextOf(StandardText text)
{
    const Row& row = kTexts[int(text)];
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? row.japanese : row.english;
}

}  // namespace platform::dialogs
