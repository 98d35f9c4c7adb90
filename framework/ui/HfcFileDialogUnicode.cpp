#include "framework/ui/HfcFileDialogUnicode.h"

#include "framework/ui/HfcFileDialogUnicodeListener.h"
#include "framework/ui/HfcWindow.h"

#include <platform/dialogs.h>

#include <algorithm>

namespace {

constexpr DWORD kBaseFlags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK;

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// The text as UTF-16, at most limit units; a pair the limit would split is
// left out whole.
std::u16string ToUtf16(const juce::String& text, std::size_t limit)
{
    std::u16string units;
    for (juce::CharPointer_UTF16::CharType* p = text.toUTF16().getAddress(); *p != 0; ++p)
        units.push_back(static_cast<char16_t>(*p));
    if (units.size() > limit) {
        units.resize(limit);
        if (!units.empty() && IsHighSurrogate(units.back()))
            units.pop_back();
    }
    return units;
}

// Copies at most size - 1 units and a NUL.
void CopyCut(const juce::String& text, char16_t* buffer, std::size_t size)
{
    const std::u16string units = ToUtf16(text, size - 1);
    std::copy(units.begin(), units.end(), buffer);
    buffer[units.size()] = 0;
}

std::size_t UnitLength(const char16_t* text, std::size_t limit)
{
    std::size_t length = 0;
    while (length < limit && text[length] != 0)
        ++length;
    return length;
}

}  // namespace

CHfcFileDialogUnicode::CHfcFileDialogUnicode() = default;

bool CHfcFileDialogUnicode::Setup(CHfcWindow* owner, CHfcFileDialogUnicodeListener* listener, int callerWord)
{
    m_pListener = listener;
    m_nCallerWord = callerWord;
    m_ofn = {};
    std::fill(std::begin(m_szFilter), std::end(m_szFilter), 0);
    std::fill(std::begin(m_szTitle), std::end(m_szTitle), 0);
    std::fill(std::begin(m_szFilePath), std::end(m_szFilePath), 0);
    std::fill(std::begin(m_szFileTitle), std::end(m_szFileTitle), 0);

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = owner != nullptr ? owner->GetHandle() : nullptr;
    m_ofn.lpstrFilter = m_szFilter;
    m_ofn.nFilterIndex = static_cast<DWORD>(m_nFilterIndex);
    m_ofn.lpstrFile = m_szFilePath;
    m_ofn.nMaxFile = kPathUnits;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = kPathUnits;
    m_ofn.lpstrTitle = m_szTitle;
    m_ofn.Flags = kBaseFlags;
    m_ofn.lpstrDefExt = DefaultExtension();
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    m_ofn.lpfnHook = &CHfcFileDialogUnicode::HookProc;
    return true;
}

bool CHfcFileDialogUnicode::DetachListener()
{
    m_pListener = nullptr;
    return false;
}

INT_PTR CHfcFileDialogUnicode::OnInitDialog(HWND, UINT, WPARAM, LPARAM)
{
    return 1;
}

INT_PTR CHfcFileDialogUnicode::OnNotify(HWND dialog, UINT message, WPARAM wParam, const NMHDR* header)
{
    if (header == nullptr)
        return 0;
    switch (header->code) {
    case CDN_SELCHANGE: return OnSelectionChange(dialog, message, wParam, header);
    case CDN_FOLDERCHANGE: return OnFolderChange(dialog, message, wParam, header);
    case CDN_TYPECHANGE: return OnTypeChange(dialog, message, wParam, header);
    default: return 0;
    }
}

INT_PTR CHfcFileDialogUnicode::OnFolderChange(HWND, UINT, WPARAM, const NMHDR*)
{
    return 0;
}

INT_PTR CHfcFileDialogUnicode::OnSelectionChange(HWND, UINT, WPARAM, const NMHDR*)
{
    return 0;
}

INT_PTR CHfcFileDialogUnicode::OnTypeChange(HWND, UINT, WPARAM, const NMHDR*)
{
    return 0;
}

bool CHfcFileDialogUnicode::SetTitle(const juce::String& title)
{
    // 254 units: one less than the buffer's room.
    CopyCut(title, m_szTitle, kTitleUnits - 1);
    return true;
}

void CHfcFileDialogUnicode::SetDefaultExtension(const juce::String& extension)
{
    CopyCut(extension, m_szDefaultExtension, kPathUnits);
}

bool CHfcFileDialogUnicode::AddFilter(const juce::String& description, const juce::String& pattern)
{
    // The list's end: the second NUL of the closing pair, or the first unit
    // of an empty list.
    std::size_t end = 0;
    while (end < kFilterUnits && m_szFilter[end] != 0)
        end += UnitLength(m_szFilter + end, kFilterUnits - end) + 1;
    const std::u16string first = ToUtf16(description, kFilterUnits);
    const std::u16string second = ToUtf16(pattern, kFilterUnits);
    if (end + first.size() + 1 + second.size() + 1 + 1 > kFilterUnits)
        return false;
    char16_t* out = std::copy(first.begin(), first.end(), m_szFilter + end);
    *out++ = 0;
    out = std::copy(second.begin(), second.end(), out);
    *out++ = 0;
    *out = 0;
    return true;
}

void CHfcFileDialogUnicode::SelectFirstFilter()
{
    m_nFilterIndex = 1;
}

juce::String CHfcFileDialogUnicode::GetFilePath() const
{
    static_assert(sizeof(juce::CharPointer_UTF16::CharType) == sizeof(char16_t));
    const auto* units = reinterpret_cast<const juce::CharPointer_UTF16::CharType*>(m_szFilePath);
    return juce::String(juce::CharPointer_UTF16(units), UnitLength(m_szFilePath, kPathUnits));
}

UINT_PTR CALLBACK CHfcFileDialogUnicode::HookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* structure = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        auto* self = structure != nullptr ? reinterpret_cast<CHfcFileDialogUnicode*>(structure->lCustData) : nullptr;
        if (self == nullptr)
            return 0;
        SetWindowLongW(dialog, GWL_USERDATA, reinterpret_cast<LONG_PTR>(self));
        return static_cast<UINT_PTR>(self->OnInitDialog(dialog, message, wParam, lParam));
    }
    if (message == WM_NOTIFY) {
        auto* self = reinterpret_cast<CHfcFileDialogUnicode*>(GetWindowLongW(dialog, GWL_USERDATA));
        if (self != nullptr)
            self->OnNotify(dialog, message, wParam, reinterpret_cast<const NMHDR*>(lParam));
    }
    return 0;
}

bool CHfcFileDialogUnicode::ReportOutcome(BOOL chosen, const char* failure)
{
    if (!chosen && CommDlgExtendedError() != 0)
        throw failure;
    const int callerWord = m_nCallerWord;
    if (chosen && m_pListener != nullptr)
        m_pListener->OnHfcFileDialogAction(this, 1, callerWord);
    if (m_pListener != nullptr)
        m_pListener->OnHfcFileDialogEnd(this, callerWord);
    return true;
}

LPCWSTR CHfcFileDialogUnicode::DefaultExtension() const
{
    return m_szDefaultExtension[0] != 0 ? m_szDefaultExtension : nullptr;
}

bool CHfcOpenFileDialogUnicode::Setup(CHfcWindow* owner, CHfcFileDialogUnicodeListener* listener, int callerWord)
{
    CHfcFileDialogUnicode::Setup(owner, listener, callerWord);
    m_ofn.Flags |= OFN_FILEMUSTEXIST;
    return true;
}

bool CHfcOpenFileDialogUnicode::GetOneFile()
{
    return ReportOutcome(GetOpenFileNameW(&m_ofn), "Failed to call GetOpenFileName().");
}

bool CHfcSaveFileDialogUnicode::Setup(CHfcWindow* owner, CHfcFileDialogUnicodeListener* listener, int callerWord)
{
    CHfcFileDialogUnicode::Setup(owner, listener, callerWord);
    m_ofn.Flags |= OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return true;
}

bool CHfcSaveFileDialogUnicode::GetOneFile()
{
    m_ofn.Flags |= OFN_OVERWRITEPROMPT;
    m_ofn.lpstrDefExt = DefaultExtension();
    return ReportOutcome(GetSaveFileNameW(&m_ofn), "Failed to call GetSaveFileName().");
}
