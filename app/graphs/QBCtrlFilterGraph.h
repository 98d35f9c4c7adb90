#pragma once
// The frequency response of a timbre's filter from its cutoff, resonance
// and type, over a background, with a handle the user drags (or moves with
// the arrow keys) to change cutoff (across) and resonance (up).
#include "framework/ui/HfcControl.h"

#include <array>
#include <cstdint>

struct QBFilterGraphDescriptor
{
    int x = 0;
    int y = 0;
    int width = 140;  // above 50 draws the large scale
    int height = 60;
    CHfcBmp* background = nullptr;
    CHfcBmp* overlay = nullptr;
    // Drawn in place of the square handle when given.
    CHfcBmp* handleBitmap = nullptr;
    ARGB lineColor = 0xFFFFFFFF;
    ARGB fillColor = 0x40FFFFFF;
    ARGB handleFill = 0xFFFFFFFF;
    ARGB handleFrame = 0xFF000000;
    ARGB markerColor = 0xFFBDFF00;
    int filterType = 0;
    // The range of both handle values.
    int minimum = 0;
    int maximum = 198;
    // An arrow key moves the cutoff by this minus 2.
    int keyStep = 4;
    int handleSize = 8;
};

// What SetData takes and the owner's OnControlEvent receives, by address:
// the handle, its resonance and its cutoff value.
struct QBFilterGraphValues
{
    int handle;
    int resonance;
    int cutoff;
};

class CQBCtrlFilterGraph : public CHfcControl
{
public:
    static constexpr int kNoHandle = -2;
    static constexpr int kFloor = -90;
    // The band shown under the response while a handle is dragged.
    static constexpr ARGB kActiveBandColor = 0x30A5ACB3;

    CQBCtrlFilterGraph() = default;
    ~CQBCtrlFilterGraph() override = default;

    // False without a descriptor or with an empty size. The rectangle is
    // the drawing area grown by 2 to the left and top and 4 to the right
    // and bottom.
    bool Create(const QBFilterGraphDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);
    void Destroy() override;
    void ResetParameters() override;
    void Draw(CHfcDrawContext* context) override;
    void DrawFocusFrame(CHfcDrawContext* context) override;
    // Takes QBFilterGraphValues: the first handle's values, the selected
    // handle and fresh positions.
    void SetData(const void* data, bool redraw) override;
    // 0-3 on this graph; the graph then shows one handle.
    void SetFilterType(int type, bool redraw);
    int GetFilterType() const { return m_descriptor.filterType; }
    // No mouse handling while set.
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    bool OnKeyDown(int key, int reserved, int modifiers) override;
    bool OnKeyRepeat(int key, int reserved, int modifiers) override;

    // The handle under a point of the control; kNoHandle for none.
    virtual int HitHandle(int x, int y) const;
    virtual void UpdateHandlePositions();
    // The coefficient row of a cutoff value; the model graphs keep it.
    virtual int CutoffToRow(int cutoff) const;

    const QBFilterGraphDescriptor& GetDescriptor() const { return m_descriptor; }
    POINT GetHandlePosition(int handle) const { return m_positions[static_cast<std::size_t>(handle)]; }
    int GetActiveHandle() const { return m_activeHandle; }

protected:
    // The response curve; the model graphs draw their own.
    virtual void DrawResponse(CHfcDrawContext* context, int row, int resonance, int type);
    // The first handle's resonance value less this gives the resonance.
    virtual int ResonanceOffset() const { return 99; }
    void DrawActiveBand(CHfcDrawContext* context);
    void DrawHandles(CHfcDrawContext* context);
    void DrawHandleMarker(CHfcDrawContext* context, int handle);
    // Colours at the control's opacity: the alpha times the dim factor,
    // truncated, while disabled.
    ARGB AtOpacity(ARGB color) const;

    // Joins the points of one sweep: a point below the floor leaves a gap,
    // the first point at or above it only starts the curve, and every later
    // one inside the area gets a fill line down to the bottom and a curve
    // line from the point before.
    class CPlotter
    {
    public:
        CPlotter(CQBCtrlFilterGraph& graph, CHfcDrawContext* context) : m_graph(graph), m_pContext(context) {}
        void Add(float x, float y, double level);

    private:
        CQBCtrlFilterGraph& m_graph;
        CHfcDrawContext* m_pContext;
        int m_iCount = 0;
        bool m_gap = false;
        float m_previousX = 0.0f;
        float m_previousY = 0.0f;
    };

    QBFilterGraphDescriptor m_descriptor;

private:
    // Moves the last active handle's values by the key's step.
    bool StepValues(int key);
    void SetHandleValues(int cutoff, int resonance);
    void ReportValues();

    struct Handle
    {
        int index = 0;
        int resonance = 0;
        int cutoff = 0;
    };
    std::array<Handle, 2> m_handles{};
    std::array<POINT, 2> m_positions{};
    int m_handleCount = 1;
    int m_selectedHandle = 0;
    int m_activeHandle = kNoHandle;
    int m_lastActiveHandle = 0;
    bool m_readOnly = false;
    float m_accumulatorX = 0.0f;
    float m_accumulatorY = 0.0f;
    POINT m_lastPoint{};
};
