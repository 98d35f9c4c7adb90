#pragma once
// The LCD-style box that shows, beside a control being operated, the value
// text of its parameter. It lies over an edit layer with the same
// rectangle and keeps one record per control of that layer.
#include "app/BaseLayer.h"

#include <platform/gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

// What was last drawn for one control.
struct ValueDisplayRecord
{
    static constexpr int kTextLength = 31;

    bool dirty;  // redraw the box on the next pass
    std::int32_t reserved;
    char text[kTextLength + 1];
    RECT box;  // empty while none is shown
};
static_assert(sizeof(ValueDisplayRecord) == 56);

class CValueDisplayLayer : public CBaseLayer
{
public:
    static constexpr int kBoxHeight = 11;
    static constexpr ARGB kFillColor = 0xCC000066;
    static constexpr ARGB kOutlineColor = 0xFFFFFFFF;

    // Where the box goes beside a control: the binding's placement code.
    enum Placement
    {
        kLeft = 1,
        kAboveLeft = 3,
        kBelowCentred = 4,
        kBelowCentredToo = 5,
        kBelowLeft = 6,
        kOnBottomEdge = 7,
    };

    CValueDisplayLayer() = default;
    ~CValueDisplayLayer() override;

    // Over the edit layer's rectangle, one record per control of it;
    // registers for broadcasts. False at once without an edit layer.
    bool Attach(CBaseLayer* editLayer, CHfcWindow* window);
    // Boxes for the pressed controls whose binding asks for them; the boxes
    // of released controls go.
    void Redraw();
    void MarkAllDirty();
    void MarkDirty(int index);

    int GetDataKind() override { return kValueDisplayKind; }
    bool OnCreate() override;
    bool OnDestroy() override;
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    CBaseLayer* GetEditLayer() const { return m_editLayer; }
    const std::vector<ValueDisplayRecord>& GetRecords() const { return m_records; }

    // The box for a text width beside the control rectangle.
    static RECT PlaceBox(const RECT& control, int width, int placement);
    static int BoxWidth(int characters) { return 6 * characters + 3; }

private:
    void DrawBox(ValueDisplayRecord& record, const RECT& control, int placement, const std::string& text);
    void EraseBox(ValueDisplayRecord& record);
    bool IsPressed(int index) const;

    CBaseLayer* m_editLayer = nullptr;
    std::vector<ValueDisplayRecord> m_records;
    bool m_registered = false;
};
