// How the program page draws its rows, favourite cells, page tabs and the
// selected program's header.
#include "editor/ProgramListInfo.h"
#include "editor/ProgramListLayer.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlCharStaticText.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "model/ListValueText.h"
#include "model/Q3917GlobalAccessor.h"
#include "model/Q3917ProgramAccessor.h"

#include <cstdio>
#include <cstring>
#include <string>

using namespace program_list;

namespace {

constexpr ARGB kFrameColour = 0xFF444444;
constexpr ARGB kHighlightColour = 0x55B0B0B0;
constexpr ARGB kDropColour = 0xAAFF0000;
constexpr ARGB kSelectedColour = 0xFF999999;
constexpr ARGB kNumberColour = 0xAAAAAAAA;
constexpr ARGB kRuleColour = 0xFF777777;
constexpr int kCellHeight = 13;
constexpr int kCharWidth = 6;
constexpr int kTextInsetY = 3;
constexpr int kNumberWidth = 20;
constexpr int kNameX = 25;
constexpr int kNameLength = 8;
constexpr int kFavouriteTextX = 10;
constexpr int kTabLabelX = 16;
constexpr int kTabLabelY = 4;
constexpr ParameterAddress kCategory{0, 53, 0};

void DrawText(CHfcDrawContext& context, int x, int y, const std::string& text, CHfcBmp* font)
{
    if (font != nullptr)
        context.DrawBitmapText(x, y, text.c_str(), static_cast<int>(text.size()), font, 0, 0);
}

// An inner fill or frame of a cell: one pixel in from its frame.
void FillInside(CHfcDrawContext& context, int x, int y, int width, ARGB colour)
{
    context.SetFillColor(colour);
    context.FillRectangle(x + 1, y + 1, width - 1, kRowHeight - 1);
}

void SetText(CHfcCtrlCharStaticText* field, const std::string& text)
{
    if (field == nullptr)
        return;
    const char* shown = field->GetText();
    const auto columns = static_cast<std::size_t>(field->GetWord(kHfcStaticTextColumns));
    if (shown != nullptr && std::string(shown, strnlen(shown, columns)) == text)
        return;
    field->SetData(text.c_str(), true);
}

}  // namespace

void CProgramListLayer::RedrawAll()
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr)
        return;
    if (m_background != nullptr)
        context->DrawBitmap(0, 0, GetWidth(), GetHeight(), m_background, 0, 0);
    for (int program = 0; program < kProgramBankSize; ++program)
        DrawRow(program, true);
    for (int slot = 0; slot < kFavouriteCount; ++slot)
        DrawFavourite(slot, true);
    DrawPageTabs(false);
    UpdateHeaderFields();
    // The background covered the controls: the next tick draws them all.
    m_fullRepaint = true;
    Update(false);
}

void CProgramListLayer::DrawRow(int program, bool force)
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr || program < 0 || program >= kProgramBankSize || PageOf(m_geometry, program) != m_page)
        return;
    std::uint32_t& flags = m_programFlags[static_cast<std::size_t>(program)];
    if (!force && (flags & kNeedsRedraw) == 0)
        return;
    flags &= ~kNeedsRedraw;
    const POINT corner = RowCorner(m_geometry, program);
    const int width = m_geometry.columnWidth - 1;
    if (m_background != nullptr)
        context->DrawBitmap(corner.x, corner.y, width, kCellHeight, m_background, corner.x, corner.y);
    PaintRow(*context, corner.x, corner.y, program, flags);
    UpdateArea(corner.x, corner.y, width, kCellHeight, false);
}

void CProgramListLayer::DrawRows()
{
    for (int program = 0; program < kProgramBankSize; ++program)
        DrawRow(program, false);
}

void CProgramListLayer::PaintRow(CHfcDrawContext& context, int x, int y, int program, std::uint32_t flags)
{
    const int width = m_geometry.columnWidth - kRowGap;
    context.SetPenWidth(1.0f);
    context.SetPenColor(kFrameColour);
    // The frame spans x .. x + width, so the fills below lie just inside it.
    context.DrawRectangle(x, y, width + 1, kCellHeight);
    // A rule after every five programs.
    context.SetFillColor(kRuleColour);
    if (program % 5 == 0)
        context.FillRectangle(x + 1, y, width - 1, 1);
    if (program % 5 == 4)
        context.FillRectangle(x + 1, y + kRowHeight, width - 1, 1);
    if ((flags & kHighlighted) != 0)
        FillInside(context, x, y, width, kHighlightColour);
    if ((flags & kDropTarget) != 0) {
        context.SetPenColor(kDropColour);
        context.DrawRectangle(x + 1, y + 1, width - 1, kRowHeight - 1);
    }
    if ((flags & kSelected) != 0)
        FillInside(context, x, y, width, kSelectedColour);
    DrawRowText(context, x, y, program, flags);
}

void CProgramListLayer::DrawRowText(CHfcDrawContext& context, int x, int y, int program, std::uint32_t flags)
{
    const ProgramBank* bank = GetBank();
    if (bank == nullptr)
        return;
    const CProgram& record = (*bank)[static_cast<std::size_t>(program)];
    const int width = m_geometry.columnWidth - kRowGap;
    CHfcBmp* font = (flags & kSelected) != 0 ? m_darkFont : GetLcdFont(kLcdWhite);

    context.SetFillColor(kNumberColour);
    context.FillRectangle(x + 1, y + 1, kNumberWidth, kRowHeight - 1);
    char number[16];
    std::snprintf(number, sizeof number, "%03d", program + 1);
    DrawText(context, x + 2, y + kTextInsetY, number, m_darkFont);

    const ProgramRegion& region = record.GetRegion();
    std::string name(region.name, strnlen(region.name, kNameLength));
    name.resize(kNameLength, ' ');
    name.resize(
        std::min<std::size_t>(name.size(), static_cast<std::size_t>(std::max((width - kNameX) / kCharWidth, 0))));
    DrawText(context, x + kNameX, y + kTextInsetY, name, font);

    context.SetFillColor(kFrameColour);
    for (int column = 0; column < InfoColumnCount(m_listMode); ++column)
        context.FillRectangle(x + kInfoSeparatorX + kInfoPitch * column, y, 1, kRowHeight + 1);
    const int storedMode = m_library != nullptr ? m_library->GetViewWord(kViewListMode) : m_listMode;
    int shown = 0;
    for (int column : ShownInfoColumns(m_infoMask, m_listMode)) {
        DrawText(context, x + kInfoTextX + kInfoPitch * shown, y + kTextInsetY,
                 InfoColumnText(column, record, storedMode, m_listMode), font);
        ++shown;
    }
}

void CProgramListLayer::DrawFavourite(int slot, bool force)
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr || slot < 0 || slot >= kFavouriteCount)
        return;
    std::uint32_t& flags = m_favouriteFlags[static_cast<std::size_t>(slot)];
    if (!force && (flags & kNeedsRedraw) == 0)
        return;
    flags &= ~kNeedsRedraw;
    const POINT corner = FavouriteCorner(slot);
    if (m_background != nullptr)
        context->DrawBitmap(corner.x, corner.y, kFavouriteWidth + 1, kCellHeight, m_background, corner.x, corner.y);
    PaintFavourite(*context, corner.x, corner.y, slot, flags);
    UpdateArea(corner.x, corner.y, kFavouriteWidth + 1, kCellHeight, false);
}

void CProgramListLayer::DrawFavourites()
{
    for (int slot = 0; slot < kFavouriteCount; ++slot)
        DrawFavourite(slot, false);
}

void CProgramListLayer::PaintFavourite(CHfcDrawContext& context, int x, int y, int slot, std::uint32_t flags)
{
    context.SetPenWidth(1.0f);
    context.SetPenColor(kFrameColour);
    context.DrawRectangle(x, y, kFavouriteWidth + 1, kCellHeight);
    if ((flags & kDropTarget) != 0) {
        context.SetPenColor(kDropColour);
        context.DrawRectangle(x + 1, y + 1, kFavouriteWidth - 1, kRowHeight - 1);
    }
    CHfcBmp* font = GetLcdFont(kLcdWhite);
    if ((flags & kSelected) != 0) {
        context.SetFillColor(kSelectedColour);
        context.FillRectangle(x + 1, y + 1, kFavouriteWidth - 1, kRowHeight - 1);
        font = m_darkFont;
    }
    const CQ3917GlobalAccessor* accessor = CQ3917GlobalAccessor::PeekInstance();
    const std::int32_t program = accessor != nullptr && GetGlobalData() != nullptr
                                     ? accessor->GetValue(GetGlobalData(), {6, static_cast<std::uint32_t>(slot), 0})
                                     : 0;
    char number[16];
    std::snprintf(number, sizeof number, "%03d", program + 1);
    DrawText(context, x + kFavouriteTextX, y + kTextInsetY, number, font);
}

void CProgramListLayer::DrawPageTabs(bool flush)
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr)
        return;
    const int pages = PageCount(m_geometry);
    const int stripWidth = kTabPitch * PageCount(GeometryOf(0));
    if (m_background != nullptr)
        context->DrawBitmap(kTabX, kTabY, stripWidth, kTabHeight, m_background, kTabX, kTabY);
    if (pages > 1) {
        for (int page = 0; page < pages; ++page) {
            const int x = kTabX + kTabPitch * page;
            context->SetPenWidth(1.0f);
            context->SetPenColor(kFrameColour);
            context->DrawRectangle(x, kTabY, kTabWidth, kTabHeight);
            CHfcBmp* font = GetLcdFont(kLcdWhite);
            if (page == m_page) {
                context->SetFillColor(kSelectedColour);
                context->FillRectangle(x + 1, kTabY + 1, kTabWidth - 2, kTabHeight - 2);
                font = m_darkFont;
            }
            char label[16];
            std::snprintf(label, sizeof label, "Page %c", 'A' + page);
            DrawText(*context, x + kTabLabelX, kTabY + kTabLabelY, label, font);
        }
    }
    if (flush)
        UpdateArea(kTabX, kTabY, stripWidth, kTabHeight, false);
}

void CProgramListLayer::UpdateHeaderFields()
{
    const ProgramBank* bank = GetBank();
    if (bank == nullptr || SelectedCount() != 1) {
        SetText(m_categoryField.get(), "------");
        SetText(m_nameField.get(), "------------");
        return;
    }
    const int program = FirstSelected();
    const CProgram& record = (*bank)[static_cast<std::size_t>(program)];
    char category[64] = "";
    if (const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance())
        ListValueText("Category", accessor->GetValue(&record, kCategory), 0, category, sizeof category);
    SetText(m_categoryField.get(), category);
    char name[32];
    std::snprintf(name, sizeof name, "%03d:%.*s", program + 1, kNameLength, record.GetRegion().name);
    SetText(m_nameField.get(), name);
}
