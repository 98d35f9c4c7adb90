#pragma once
// The framework list bound to a parameter, with the skin's own cells: each
// cell inset by the list's margins and ruled in the grid colour, the
// selection in the list's selection colour.
#include "app/CustomControl.h"
#include "framework/ui/HfcCtrlList.h"

class CCustomList : public CHfcCtrlList, public CCustomControl
{
public:
    // The longest label drawn.
    static constexpr int kLabelLimit = 255;

    // The framework list's descriptor; its selection colour is the list's
    // until SetSelectionColor.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);
    int GetControlType() const override { return kList; }
    bool IsEnabled() const override { return CCustomControl::IsEnabled(); }

    void SetSelectionColor(ARGB color);
    // 0: no grid.
    void SetGridColor(ARGB color);
    // Pixels kept free on each side of a cell's content.
    void SetCellMargins(int x, int y);

    // Grid lines on the left and top of every cell, and on the right and
    // bottom of the last column and line; then the fill, the frame and the
    // label of the item inside the margins.
    void DrawItemContent(CHfcDrawContext* context, CHfcCtrlListItem* item, int width, int height) override;

private:
    ARGB m_selectionColor = 0;
    ARGB m_gridColor = 0;
    int m_marginX = 0;
    int m_marginY = 0;
};
