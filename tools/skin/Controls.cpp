#include "Controls.h"

#include "PixelFont.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skin {
namespace {

constexpr Argb kBody = 0xFF2A2C30;
constexpr Argb kBodyLight = 0xFF5A5E66;
constexpr Argb kBodyDark = 0xFF121316;
constexpr Argb kCap = 0xFFD8D8D8;
constexpr Argb kLampOn = 0xFFFF3A2A;
constexpr Argb kLampOff = 0xFF4A1410;
constexpr Argb kAmber = 0xFFFFB43C;

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -std::numbers::pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, std::numbers::pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, std::numbers::pi / 2, std::numbers::pi);
    cairo_arc(cr, x + r, y + r, r, std::numbers::pi, 3 * std::numbers::pi / 2);
    cairo_close_path(cr);
}

void SetGradient(const Canvas& canvas, double y0, double y1, Argb top, Argb bottom)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    for (auto [offset, colour] : {std::pair{0.0, top}, {1.0, bottom}}) {
        cairo_pattern_add_color_stop_rgba(pattern, offset, ((colour >> 16) & 0xFF) / 255.0,
                                          ((colour >> 8) & 0xFF) / 255.0, (colour & 0xFF) / 255.0,
                                          (colour >> 24) / 255.0);
    }
    cairo_set_source(canvas.Cr(), pattern);
    cairo_pattern_destroy(pattern);
}

// A raised (or, pressed, sunken) rounded key filling the frame.
void Key(const Canvas& canvas, double x, double y, double w, double h, bool pressed)
{
    cairo_t* cr = canvas.Cr();
    RoundedRect(cr, x, y, w, h, 2.5);
    canvas.SetColour(kBodyDark);
    cairo_fill(cr);
    RoundedRect(cr, x + 1, y + 1, w - 2, h - 2, 1.5);
    if (pressed)
        SetGradient(canvas, y, y + h, 0xFF1C1D20, 0xFF34373C);
    else
        SetGradient(canvas, y, y + h, kBodyLight, kBody);
    cairo_fill(cr);
}

// A round lamp in a dark bezel.
void Lamp(const Canvas& canvas, double cx, double cy, double r, Argb colour)
{
    cairo_arc(canvas.Cr(), cx, cy, r, 0, 2 * std::numbers::pi);
    canvas.SetColour(kBodyDark);
    cairo_fill(canvas.Cr());
    cairo_arc(canvas.Cr(), cx, cy, r - 1.2, 0, 2 * std::numbers::pi);
    canvas.SetColour(colour);
    cairo_fill(canvas.Cr());
}

}  // namespace

double KnobAngle(int frame)
{
    return -156.0 + 3.12 * frame;
}

void DrawKnobStrip(const Canvas& canvas, int size)
{
    cairo_t* cr = canvas.Cr();
    const double r = size / 2.0;
    for (int frame = 0; frame < kKnobFrames; ++frame) {
        const double cx = r;
        const double cy = frame * size + r;
        cairo_arc(cr, cx, cy, r - 0.5, 0, 2 * std::numbers::pi);
        canvas.SetColour(kBodyDark);
        cairo_fill(cr);
        cairo_arc(cr, cx, cy, r - 1.5, 0, 2 * std::numbers::pi);
        SetGradient(canvas, cy - r, cy + r, 0xFF6A6E76, 0xFF1E2024);
        cairo_fill(cr);
        cairo_arc(cr, cx, cy, r * 0.62, 0, 2 * std::numbers::pi);
        SetGradient(canvas, cy - r, cy + r, 0xFF3A3D44, 0xFF55595F);
        cairo_fill(cr);

        const double angle = KnobAngle(frame) * std::numbers::pi / 180.0;
        const double dx = std::sin(angle);
        const double dy = -std::cos(angle);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, std::max(1.6, size / 12.0));
        cairo_move_to(cr, cx + dx * r * 0.25, cy + dy * r * 0.25);
        cairo_line_to(cr, cx + dx * (r - 2.5), cy + dy * (r - 2.5));
        canvas.SetColour(kCap);
        cairo_stroke(cr);
    }
}

void DrawButtonKey(const Canvas& canvas, int x, int y, int w, int h, const std::string& label, ButtonIcon icon,
                   bool pressed)
{
    cairo_t* cr = canvas.Cr();
    Key(canvas, x, y, w, h, pressed);
    const int shift = pressed ? 1 : 0;
    const Argb ink = pressed ? kAmber : kCap;
    const double mid = y + h / 2.0 + shift;
    switch (icon) {
    case ButtonIcon::ArrowLeft:
    case ButtonIcon::ArrowRight: {
        const double dir = icon == ButtonIcon::ArrowLeft ? -1 : 1;
        const double cx = x + w / 2.0 + shift;
        cairo_move_to(cr, cx + 3 * dir, mid);
        cairo_line_to(cr, cx - 2 * dir, mid - 3.5);
        cairo_line_to(cr, cx - 2 * dir, mid + 3.5);
        cairo_close_path(cr);
        canvas.SetColour(ink);
        cairo_fill(cr);
        break;
    }
    case ButtonIcon::Menu: {
        const double tip = x + w - 9 + shift;
        cairo_move_to(cr, tip - 3, mid - 1.5);
        cairo_line_to(cr, tip + 3, mid - 1.5);
        cairo_line_to(cr, tip, mid + 2);
        cairo_close_path(cr);
        canvas.SetColour(ink);
        cairo_fill(cr);
        break;
    }
    case ButtonIcon::None: break;
    }
    if (!label.empty()) {
        const int textWidth = TextWidth(label.c_str(), 5);
        const int room = icon == ButtonIcon::Menu ? w - 12 : w;
        canvas.Text(x + (room - textWidth) / 2 + shift, y + (h - 7) / 2 + shift, label, ink, 5);
    }
}

void DrawButtonStrip(const Canvas& canvas, const std::string& label, ButtonIcon icon)
{
    const int h = canvas.Height() / 2;
    for (int frame = 0; frame < 2; ++frame)
        DrawButtonKey(canvas, 0, frame * h, canvas.Width(), h, label, icon, frame == 1);
}

void DrawSharedButtonStrip(const Canvas& canvas, bool disabled)
{
    constexpr int kRim = 2;
    const int w = canvas.Width();
    const int h = canvas.Height() / 2;
    DrawButtonStrip(canvas, "");
    if (disabled)
        Dim(canvas);
    cairo_t* cr = canvas.Cr();
    for (int frame = 0; frame < 2; ++frame) {
        const int top = frame * h + kRim;
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_rectangle(cr, kRim, top, w - 2 * kRim, h - 2 * kRim);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        // Pressed, the face beneath sinks into shadow; disabled, it greys
        // like the rim.
        if (frame == 1)
            canvas.FillRect(kRim, top, w - 2 * kRim, h - 2 * kRim, 0x70000000);
        if (disabled)
            canvas.FillRect(kRim, top, w - 2 * kRim, h - 2 * kRim, 0xB03A3A3A);
    }
}

void DrawSwitchStrip(const Canvas& canvas)
{
    const int w = canvas.Width();
    const int h = canvas.Height() / 4;
    for (int frame = 0; frame < 4; ++frame) {
        const bool on = frame >= 2;
        const bool pressed = frame % 2 == 1;
        const int top = frame * h;
        Key(canvas, 0, top, w, h, pressed);
        canvas.FillRect(4, top + 3, 7, h - 6, kBodyDark);
        canvas.FillRect(5, top + 4, 5, h - 8, on ? kLampOn : kLampOff);
        canvas.Text(14 + (pressed ? 1 : 0), top + (h - 7) / 2 + (pressed ? 1 : 0), on ? "ON" : "OFF",
                    on ? kCap : 0xFF8A8E96, 5);
    }
}

void DrawLampStrip(const Canvas& canvas)
{
    const int w = canvas.Width();
    const int h = canvas.Height() / 4;
    cairo_t* cr = canvas.Cr();
    for (int frame = 0; frame < 4; ++frame) {
        const bool on = frame >= 2;
        const bool pressed = frame % 2 == 1;
        const double cx = w / 2.0;
        const double cy = frame * h + h / 2.0;
        const double r = std::min(w, h) / 2.0 - 0.5;
        const Argb lamp = on ? kLampOn : kLampOff;
        Lamp(canvas, cx, cy, r, pressed ? Mix(lamp, 0xFF000000, 0.3) : lamp);
        if (on) {
            cairo_arc(cr, cx - 1, cy - 1.5, 1.2, 0, 2 * std::numbers::pi);
            canvas.SetColour(0xCCFFFFFF);
            cairo_fill(cr);
        }
    }
}

void DrawTriggerStrip(const Canvas& canvas)
{
    const int w = canvas.Width();
    const int h = canvas.Height() / 4;
    cairo_t* cr = canvas.Cr();
    for (int frame = 0; frame < 4; ++frame) {
        const bool on = frame >= 2;
        const bool pressed = frame % 2 == 1;
        const int top = frame * h;
        Key(canvas, 0, top, w, h, pressed);
        RoundedRect(cr, 5, top + 5, w - 10, h - 10, 1.5);
        canvas.SetColour(on ? kLampOn : kLampOff);
        cairo_fill(cr);
    }
}

void DrawSliderThumb(const Canvas& canvas)
{
    const int w = canvas.Width();
    const int h = canvas.Height();
    Key(canvas, 0, 0, w, h, false);
    canvas.FillRect(2, h / 2 - 1, w - 4, 2, kCap);
}

void DrawStepLampStrip(const Canvas& canvas, int frames)
{
    const int w = canvas.Width();
    const int h = canvas.Height() / frames;
    for (int frame = 0; frame < frames; ++frame) {
        const double cx = w / 2.0;
        const double cy = frame * h + h / 2.0;
        Lamp(canvas, cx, cy, std::min(w, h) / 2.0 - 0.5,
             Mix(kLampOff, kLampOn, frame / static_cast<double>(frames - 1)));
    }
}

void DrawHorizontalBar(const Canvas& canvas)
{
    const int h = canvas.Height();
    for (int y = 0; y < h; ++y) {
        const double t = std::abs(y - (h - 1) / 2.0) / (h / 2.0);
        canvas.FillRect(0, y, canvas.Width(), 1, Mix(kAmber, 0xFF7A4A10, t));
    }
}

void DrawVerticalBar(const Canvas& canvas)
{
    const int w = canvas.Width();
    for (int x = 0; x < w; ++x) {
        const double t = std::abs(x - (w - 1) / 2.0) / (w / 2.0);
        canvas.FillRect(x, 0, 1, canvas.Height(), Mix(kAmber, 0xFF7A4A10, t));
    }
}

void Dim(const Canvas& canvas)
{
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Argb p = canvas.Pixel(x, y);
            const unsigned luma = (((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF)) / 10;
            const unsigned grey = 40 + luma * 45 / 100;
            canvas.SetPixel(x, y, (p & 0xFF000000) | (grey << 16) | (grey << 8) | grey);
        }
    }
}

}  // namespace skin
