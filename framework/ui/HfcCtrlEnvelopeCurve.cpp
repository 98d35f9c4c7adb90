#include "framework/ui/HfcCtrlEnvelopeCurve.h"

#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcEnvelopeShape.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcMouse.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

constexpr HfcWord kDefaultWords[kHfcEnvelopeWords] = {
    0, 0, 250, 100, 0, 0, 0, 0, 5, 0, 127, 0xFF000000, 0xFFFF0000, 0xFF000000, 0xFF000000, 0xFF000000};
// The handle's hit box reaches this far beyond its square on every side.
constexpr int kHitSlack = 3;

int Word(const HfcWord* words, int index)
{
    return static_cast<int>(words[index]);
}

ARGB Color(const HfcWord* words, int index)
{
    return static_cast<ARGB>(words[index]);
}

// The spans the points are laid out on; all divide the point values.
struct Scale
{
    int handle;  // m
    int height;  // H, the height below the handle's margin
    int step;    // the width of one full-scale time
    int maximum;
};

Scale ScaleOf(const HfcWord* words, int points)
{
    const int handle = Word(words, kHfcEnvelopeHandleSize);
    const int width = Word(words, kHfcEnvelopeWidth) - handle;
    return {handle, Word(words, kHfcEnvelopeHeight) - handle, points > 1 ? width / (points - 1) : 0,
            Word(words, kHfcEnvelopeMaximum)};
}

}  // namespace

CHfcCtrlEnvelopeCurve::CHfcCtrlEnvelopeCurve()
{
    ResetWords();
}

void CHfcCtrlEnvelopeCurve::ResetWords()
{
    std::copy(std::begin(kDefaultWords), std::end(kDefaultWords), m_words);
}

bool CHfcCtrlEnvelopeCurve::Create(const HfcWord* descriptor, std::uint32_t id)
{
    if (descriptor == nullptr)
        return false;
    const int width = Word(descriptor, kHfcEnvelopeWidth);
    const int height = Word(descriptor, kHfcEnvelopeHeight);
    const int points = Word(descriptor, kHfcEnvelopePoints);
    if (width < 1 || height < 1 || points < 2)
        return false;
    // The drag divides by all three.
    const Scale scale = ScaleOf(descriptor, points);
    if (scale.maximum == 0 || scale.height < 1 || scale.step < 1)
        return false;
    std::copy(descriptor, descriptor + kHfcEnvelopeWords, m_words);
    const int x = Word(m_words, kHfcEnvelopeX);
    const int y = Word(m_words, kHfcEnvelopeY);
    SetMinimum(Word(m_words, kHfcEnvelopeMinimum), false);
    SetMaximum(scale.maximum, false);
    m_points.assign(static_cast<std::size_t>(points), SHfcEnvelopePoint{0, 0, 0, kStraightType});
    m_screen.assign(static_cast<std::size_t>(points), POINT{0, 0});
    m_iDragged = kNoPoint;
    FinishCreate({x, y, x + width, y + height}, id, kEventCode);
    SetDirty(true);
    return true;
}

void CHfcCtrlEnvelopeCurve::Destroy()
{
    // The base first: a drag under way ends through the capture loss while
    // its point still exists.
    CHfcControl::Destroy();
    m_points.clear();
    m_screen.clear();
    ResetWords();
}

void CHfcCtrlEnvelopeCurve::CalcPoints()
{
    const int count = GetPointCount();
    if (count < 2 || m_screen.size() != m_points.size())
        return;
    const Scale scale = ScaleOf(m_words, count);
    if (scale.maximum == 0)
        return;
    // Owners may store any level or time; the products stay in 64 bits.
    const auto y = [&](int level) {
        return static_cast<int>(scale.height - std::int64_t{level} * scale.height / scale.maximum + scale.handle / 2);
    };
    m_screen[0] = {scale.handle / 2, y(m_points[0].level)};
    for (int i = 1; i < count; ++i) {
        const std::int64_t advance = std::int64_t{m_points[i].time} * scale.step / scale.maximum;
        m_screen[i] = {static_cast<int>(m_screen[i - 1].x + advance), y(m_points[i].level)};
    }
}

POINT CHfcCtrlEnvelopeCurve::GetScreenPoint(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_screen.size()))
        return {0, 0};
    return m_screen[index];
}

int CHfcCtrlEnvelopeCurve::HitTestPoint(int x, int y) const
{
    const int size = Word(m_words, kHfcEnvelopeHandleSize);
    const int reach = size / 2 + kHitSlack;
    for (int i = static_cast<int>(m_screen.size()) - 1; i >= 0; --i) {
        const int ax = m_screen[i].x - reach;
        const int ay = m_screen[i].y - reach;
        if (ax < x && x < ax + size + 2 * kHitSlack && ay < y && y < ay + size + 2 * kHitSlack)
            return i;
    }
    return kNoPoint;
}

bool CHfcCtrlEnvelopeCurve::GetPoint(int index, SHfcEnvelopePoint& point) const
{
    if (index < 0 || index >= GetPointCount())
        return false;
    point = m_points[index];
    point.index = index;
    return true;
}

void CHfcCtrlEnvelopeCurve::SetPointValues(int index, const SHfcEnvelopePoint& point, bool recompute)
{
    if (index < 0 || index >= GetPointCount())
        return;
    m_points[index].level = point.level;
    m_points[index].time = point.time;
    m_points[index].type = point.type;
    if (recompute)
        CalcPoints();
}

void CHfcCtrlEnvelopeCurve::SetData(const void* data, bool redraw)
{
    if (data == nullptr)
        return;
    const auto& point = *static_cast<const SHfcEnvelopePoint*>(data);
    if (point.index < 0 || point.index >= GetPointCount())
        return;
    SetPointValues(point.index, point, true);
    if (redraw)
        SetDirty(true);
}

void CHfcCtrlEnvelopeCurve::Report(int index, int level, int time)
{
    if (m_pOwner == nullptr)
        return;
    SHfcEnvelopePoint point{index, level, time, m_points[index].type};
    m_pOwner->OnControlEvent(this, reinterpret_cast<std::intptr_t>(&point));
}

bool CHfcCtrlEnvelopeCurve::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    if ((modifiers & kHfcModifierCtrl) != 0 && m_pOwner != nullptr) {
        int value = 0;
        if (m_pOwner->OnControlQueryDefaultValue(this, &value))
            SetValue(value, true);
    }
    const int hit = HitTestPoint(x, y);
    if (hit == kNoPoint)
        return false;
    m_iDragged = hit;
    SetDirty(true);
    ReportEditBegin();
    Report(hit, m_points[hit].level, m_points[hit].time);
    TakeCapture();
    ApplyCursor();
    ClearKeyManagerFocus();
    return true;
}

bool CHfcCtrlEnvelopeCurve::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseMove(x, y, modifiers))
        return true;
    if (!HoldsCapture() || m_iDragged < 0 || m_iDragged >= GetPointCount())
        return false;
    const Scale scale = ScaleOf(m_words, GetPointCount());
    const int d = m_iDragged;
    const std::int64_t time = d >= 1 ? std::int64_t{x - m_screen[d - 1].x} * scale.maximum / scale.step : 0;
    const std::int64_t level = scale.maximum - std::int64_t{scale.maximum} * (y - scale.handle / 2) / scale.height;
    const auto clamp = [this](std::int64_t value) {
        return static_cast<int>(std::clamp<std::int64_t>(value, GetMinimum(), std::max(GetMinimum(), GetMaximum())));
    };
    Report(d, clamp(level), clamp(time));
    return true;
}

bool CHfcCtrlEnvelopeCurve::OnHfcMouseLButtonUp(CHfcMouse*, int, int, int)
{
    if (HoldsCapture())
        ReleaseCapture();
    return true;
}

bool CHfcCtrlEnvelopeCurve::OnHfcMouseCaptureReleased(CHfcMouse* mouse)
{
    // Only a drag under way has a point to report.
    if (m_iDragged < 0 || m_iDragged >= GetPointCount())
        return false;
    if (mouse != nullptr)
        mouse->SetCursor(0);
    const int d = m_iDragged;
    m_iDragged = kNoPoint;
    SetDirty(true);
    Report(d, m_points[d].level, m_points[d].time);
    ReportEditEnd();
    return true;
}

void CHfcCtrlEnvelopeCurve::DrawBackground(CHfcDrawContext* context)
{
    if (context != nullptr && m_words[kHfcEnvelopeBack] != 0)
        context->DrawBitmap(m_rcControl, HfcWordBitmap(m_words[kHfcEnvelopeBack]), Word(m_words, kHfcEnvelopeBackX),
                            Word(m_words, kHfcEnvelopeBackY));
}

void CHfcCtrlEnvelopeCurve::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    if (m_words[kHfcEnvelopeBack] != 0)
        DrawBackground(context);
    else
        context->ClearRectangle(m_rcControl);
    if (m_points.size() < 2 || m_screen.size() != m_points.size())
        return;
    DrawCurve(context);
    DrawHandles(context);
}

void CHfcCtrlEnvelopeCurve::DrawCurve(CHfcDrawContext* context)
{
    const HfcEnvelopeShapeTable& shape = HfcEnvelopeShape();
    const int left = m_rcControl.left;
    const int top = m_rcControl.top;
    context->SetPenColor(Color(m_words, kHfcEnvelopeCurveColor));
    context->MoveTo(left + m_screen[0].x, top + m_screen[0].y);
    for (std::size_t i = 1; i < m_points.size(); ++i) {
        const POINT from = m_screen[i - 1];
        const POINT to = m_screen[i];
        const int dx = to.x - from.x;
        const int dy = to.y - from.y;
        const int type = m_points[i].type;
        if (HfcEnvelopeTypeIsCurved(type) && dx >= 1 && dx < kHfcEnvelopeShapeSteps && dy != 0) {
            for (int s = 0; s < dx; ++s) {
                const double rise = shape[type][s * (kHfcEnvelopeShapeSteps - 1) / dx];
                context->LineTo(left + from.x + s, top + from.y + static_cast<int>(rise * dy));
            }
        }
        context->LineTo(left + to.x, top + to.y);
    }
}

void CHfcCtrlEnvelopeCurve::DrawHandles(CHfcDrawContext* context)
{
    const int size = Word(m_words, kHfcEnvelopeHandleSize);
    const int left = m_rcControl.left;
    const int top = m_rcControl.top;
    context->SetPenWidth(1.0f);
    for (std::size_t i = 0; i < m_screen.size(); ++i) {
        const bool dragged = static_cast<int>(i) == m_iDragged;
        context->SetFillColor(Color(m_words, dragged ? kHfcEnvelopeDraggedFill : kHfcEnvelopeHandleFill));
        context->SetPenColor(Color(m_words, dragged ? kHfcEnvelopeDraggedFrame : kHfcEnvelopeHandleFrame));
        const int x = left + m_screen[i].x - size / 2;
        const int y = top + m_screen[i].y - size / 2;
        context->FillRectangle(x, y, size, size);
        context->DrawRectangle(x, y, size, size);
    }
}
