#include "Backgrounds.h"

#include "BackgroundPlans.h"
#include "Controls.h"
#include "Displays.h"
#include "PixelFont.h"
#include "editor/layout/WindowLayout.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace skin {
namespace {

using layout::Kind;

bool Overlaps(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool Inside(const Rect& r, int width, int height)
{
    return r.x >= 1 && r.y >= 1 && r.x + r.w <= width - 1 && r.y + r.h <= height - 1;
}

Rect Grow(const Rect& r, int by)
{
    return {r.x - by, r.y - by, r.w + 2 * by, r.h + 2 * by};
}

struct Placed
{
    layout::Control control;
    Rect rect;  // in background coordinates
};

std::vector<Placed> ControlsOn(const char* background)
{
    std::vector<Placed> placed;
    for (const layout::Window& window : layout::Windows()) {
        if (std::string_view(window.background) != background)
            continue;
        for (const layout::Control& c : window.controls)
            placed.push_back({c, {window.originX + c.x, window.originY + c.y, c.w, c.h}});
    }
    return placed;
}

void Chrome(const Canvas& canvas, const Theme& theme)
{
    const int w = canvas.Width();
    const int h = canvas.Height();
    canvas.FillRect(0, 0, w, h, theme.chrome);
    // a faint brushed texture, fixed so every run gives the same pixels
    for (int y = 0; y < h; y += 2)
        canvas.FillRect(0, y, w, 1, Mix(theme.chrome, theme.chromeLight, 0.06 + 0.04 * ((y * 7919) % 5) / 4.0));
    canvas.FillRect(0, 0, w, 1, theme.chromeLight);
    canvas.FillRect(0, 0, 1, h, theme.chromeLight);
    canvas.FillRect(0, h - 1, w, 1, theme.chromeDark);
    canvas.FillRect(w - 1, 0, 1, h, theme.chromeDark);
}

// The strip of the frame's top edge cleared for the section's title.
Rect TitleBox(const Section& section)
{
    return {section.area.x + 4, section.area.y - 4, TextWidth(section.title) + 6, 9};
}

void SectionFrame(const Canvas& canvas, const Section& section, const Theme& theme)
{
    const Rect& r = section.area;
    canvas.FillRect(r.x, r.y, r.w, r.h, Mix(theme.chrome, theme.chromeDark, 0.18));
    canvas.FrameRect(r.x, r.y, r.w, r.h, theme.chromeDark);
    canvas.FillRect(r.x + 1, r.y + r.h - 1, r.w - 1, 1, theme.chromeLight);
    canvas.FillRect(r.x + r.w - 1, r.y + 1, 1, r.h - 1, theme.chromeLight);
    if (*section.title) {
        const Rect box = TitleBox(section);
        canvas.FillRect(box.x, box.y, box.w, box.h, Mix(theme.chrome, theme.chromeDark, 0.18));
        canvas.Text(r.x + 7, r.y - 3, section.title, theme.title);
    }
}

// Frames first and fills after, so that touching panels merge into one
// flat area and nothing is drawn inside a flat panel.
void LcdPanels(const Canvas& canvas, const std::vector<Rect>& panels)
{
    for (const Rect& r : panels)
        canvas.FillRect(r.x - 1, r.y - 1, r.w + 2, r.h + 2, kLcdFrame);
    for (const Rect& r : panels)
        canvas.FillRect(r.x, r.y, r.w, r.h, kLcd);
}

void Plate(const Canvas& canvas, const Rect& r, const char* title, const Theme& theme)
{
    canvas.FillRect(r.x, r.y, r.w, r.h, theme.chromeDark);
    canvas.FillRect(r.x, r.y, r.w, 1, Mix(theme.chromeDark, theme.chromeLight, 0.5));
    canvas.Text(r.x + 4, r.y + (r.h - 7) / 2, title, theme.title);
}

constexpr int kCaptionHeight = 7;
// Clear chrome between a caption and the frame of its section, so that the
// caption never reads as sitting on the frame's edge.
constexpr int kFrameClearance = 3;

// Space a caption keeps around a control: LCD kinds sit in a panel that
// reaches past their rectangle.
int Pad(Kind kind)
{
    return layout::DrawsOnLcd(kind) ? 3 : 0;
}

bool HasOwnFirstSpot(Kind kind)
{
    return kind == Kind::Knob || kind == Kind::Led;
}

// Alike controls (one kind, left edge and width) stacked in a column read as
// a column only when their captions share a side. Where two of them stand
// too close for a caption between them, the whole column puts its captions
// at the left.
std::vector<bool> CaptionsLeftFirst(const std::vector<Placed>& controls)
{
    std::map<std::tuple<Kind, int, int>, std::vector<const Placed*>> columns;
    for (const Placed& p : controls) {
        if (*p.control.caption && !HasOwnFirstSpot(p.control.kind))
            columns[{p.control.kind, p.rect.x, p.rect.w}].push_back(&p);
    }
    std::vector<bool> leftFirst(controls.size(), false);
    for (auto& [key, column] : columns) {
        std::sort(column.begin(), column.end(), [](const Placed* a, const Placed* b) { return a->rect.y < b->rect.y; });
        const int pad = Pad(std::get<Kind>(key));
        const int room = pad + kCaptionHeight + 1 + (pad + 2);  // clear of the upper one, caption, gap to the lower
        bool tight = false;
        for (std::size_t i = 1; i < column.size(); ++i)
            tight = tight || column[i]->rect.y - (column[i - 1]->rect.y + column[i - 1]->rect.h) < room;
        if (!tight)
            continue;
        for (const Placed* p : column)
            leftFirst[static_cast<std::size_t>(p - controls.data())] = true;
    }
    return leftFirst;
}

// Tries beside the control (knobs below, lamps to the right, others above,
// left, right, below; left first in a column of tight fields) and takes the
// first spot that keeps a pixel clear of every control, panel frame,
// section frame and title and caption already placed, and that stays inside
// the section of its control, kFrameClearance clear of its frame.
class CaptionPlacer
{
public:
    CaptionPlacer(const Canvas& canvas, const std::vector<Placed>& controls, const std::vector<Rect>& blocked,
                  const std::vector<Rect>& lcd, const std::vector<Section>& sections)
        : canvas_(canvas), lcd_(lcd), sections_(sections), leftFirst_(CaptionsLeftFirst(controls))
    {
        for (const Placed& p : controls) {
            const bool invisible = p.control.kind == Kind::DropArea || p.control.kind == Kind::PageButton;
            taken_.push_back(invisible ? Rect{0, 0, 0, 0} : Grow(p.rect, Pad(p.control.kind)));
        }
        for (const Rect& r : blocked)
            taken_.push_back(Grow(r, 1));
        for (const Section& section : sections) {
            const Rect& r = section.area;
            for (const Rect& edge : {Rect{r.x, r.y, r.w, 1}, Rect{r.x, r.y + r.h - 1, r.w, 1}, Rect{r.x, r.y, 1, r.h},
                                     Rect{r.x + r.w - 1, r.y, 1, r.h}})
                taken_.push_back(edge);
            if (*section.title)
                taken_.push_back(TitleBox(section));
        }
    }

    // own: the index of the control in the list given to the constructor.
    // On chrome the caption takes the theme's label colour, on an LCD panel
    // the panel's caption colour.
    void Place(const Placed& p, std::size_t own, Argb chromeColour)
    {
        const std::string text = p.control.caption;
        const Rect& r = p.rect;
        const int tw = TextWidth(text.c_str());
        const int pad = Pad(p.control.kind) + 2;
        const int middle = r.y + (r.h - kCaptionHeight) / 2;
        const Rect aboveLeft{r.x, r.y - pad - kCaptionHeight, tw, kCaptionHeight};
        const Rect aboveCentred{r.x + (r.w - tw) / 2, r.y - pad - kCaptionHeight, tw, kCaptionHeight};
        const Rect left{r.x - pad - tw, middle, tw, kCaptionHeight};
        const Rect right{r.x + r.w + pad, middle, tw, kCaptionHeight};
        const Rect below{r.x + (r.w - tw) / 2, r.y + r.h + pad, tw, kCaptionHeight};
        std::vector<Rect> spots;
        if (p.control.kind == Kind::Knob)
            spots.push_back(below);
        if (p.control.kind == Kind::Led)  // the caption belongs beside the lamp, inside the control
            spots.push_back({r.x + 12, middle, tw, kCaptionHeight});
        if (leftFirst_[own])
            spots.push_back(left);
        // A square pad or an upright fader is marked over its middle.
        if (r.h >= r.w)
            spots.push_back(aboveCentred);
        spots.insert(spots.end(), {aboveLeft, aboveCentred, left, right, below});
        const Section* home = SectionOf(r);
        for (const Rect& spot : spots) {
            if (!Inside(spot, canvas_.Width(), canvas_.Height()) || Collides(Grow(spot, 1), own))
                continue;
            if (home && !Within(Grow(spot, kFrameClearance + 1), home->area))
                continue;
            const bool onLcd = std::any_of(lcd_.begin(), lcd_.end(), [&](const Rect& r) { return Overlaps(spot, r); });
            canvas_.Text(spot.x, spot.y, text, onLcd ? kLcdCaption : chromeColour);
            taken_.push_back(spot);
            drawn_.placed.push_back({p.control, r, spot});
            return;
        }
        drawn_.unplaced.push_back(text);
    }

    const DrawnCaptions& Drawn() const { return drawn_; }

private:
    static bool Within(const Rect& inner, const Rect& outer)
    {
        return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
               inner.y + inner.h <= outer.y + outer.h;
    }

    // The section whose frame holds the control, if any.
    const Section* SectionOf(const Rect& r) const
    {
        for (const Section& section : sections_) {
            if (Within(r, section.area))
                return &section;
        }
        return nullptr;
    }

    bool Collides(const Rect& spot, std::size_t own) const
    {
        for (std::size_t i = 0; i < taken_.size(); ++i) {
            if (i != own && Overlaps(spot, taken_[i]))
                return true;
        }
        return false;
    }

    const Canvas& canvas_;
    const std::vector<Rect>& lcd_;
    const std::vector<Section>& sections_;
    const std::vector<bool> leftFirst_;
    std::vector<Rect> taken_;
    DrawnCaptions drawn_;
};

void Decorate(const Canvas& canvas, const Placed& p, const Theme& theme)
{
    const Rect& r = p.rect;
    switch (p.control.kind) {
    case Kind::Knob:  // a shadow ring so the knob sits in the panel
        cairo_arc(canvas.Cr(), r.x + r.w / 2.0, r.y + r.h / 2.0, r.w / 2.0 + 1.5, 0, 6.2832);
        canvas.SetColour(Mix(theme.chromeDark, 0xFF000000, 0.3));
        cairo_fill(canvas.Cr());
        break;
    case Kind::Fader:  // the fader draws no track of its own
        canvas.FillRect(r.x + 9, r.y + 5, 4, r.h - 10, 0xFF000000);
        canvas.FillRect(r.x + 10, r.y + 6, 2, r.h - 12, 0xFF3A3D44);
        for (int tick = 0; tick <= 8; ++tick)
            canvas.FillRect(r.x + 2, r.y + 6 + tick * (r.h - 12) / 8, 4, 1, theme.chromeDark);
        break;
    case Kind::AnalogLed: canvas.FillRect(r.x - 2, r.y - 2, r.w + 4, r.h + 4, theme.chromeDark); break;
    case Kind::Button:  // seen through the clear face of the shared strip
        if (std::string_view(p.control.skin) == kSharedButtonStrip)
            DrawButtonKey(canvas, r.x, r.y, r.w, r.h, p.control.caption, ButtonIcon::None, false);
        break;
    case Kind::DropArea:
        if (*p.control.caption)
            Plate(canvas, r, p.control.caption, theme);
        break;
    default: break;
    }
}

}  // namespace

DrawnCaptions DrawBackground(const Canvas& canvas, const char* baseName, const Theme& theme)
{
    const BackgroundPlan& plan = PlanOf(baseName);
    const std::vector<Placed> controls = ControlsOn(baseName);

    Chrome(canvas, theme);
    for (const Section& section : plan.sections)
        SectionFrame(canvas, section, theme);

    std::vector<Rect> panels;
    for (const Placed& p : controls) {
        if (layout::DrawsOnLcd(p.control.kind))
            panels.push_back(Grow(p.rect, 2));
    }
    panels.insert(panels.end(), plan.lcdPanels.begin(), plan.lcdPanels.end());
    LcdPanels(canvas, panels);

    for (const Placed& p : controls)
        Decorate(canvas, p, theme);
    for (const FreeText& text : plan.texts)
        canvas.Text(text.x, text.y, text.text, theme.title, 6, text.scale);
    if (std::string_view(baseName) == "BG_VersionInfo") {
        const Canvas logo(170, 30);
        DrawLogo(logo, theme.label);
        canvas.Paint(logo, 86, 150);
    }

    // Captions keep off uniform panels. A button's and a drop plate's caption
    // is the name on its face, so it is not printed a second time beside it.
    CaptionPlacer captions(canvas, controls, plan.uniformPanels ? plan.lcdPanels : std::vector<Rect>{}, panels,
                           plan.sections);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Placed& p = controls[i];
        if (*p.control.caption && p.control.kind != Kind::DropArea && p.control.kind != Kind::Button)
            captions.Place(p, i, theme.label);
    }
    return captions.Drawn();
}

}  // namespace skin
