#include "Displays.h"

#include "Theme.h"

#include <cmath>
#include <numbers>

namespace skin {
namespace {

constexpr Argb kTrace = 0xFFE8E8E8;
constexpr Argb kAccent = 0xFFFFB43C;
constexpr Argb kTimbre1 = 0xFFFF6A4A;
constexpr Argb kTimbre2 = 0xFF5AB4FF;

int FrameHeight(const Canvas& canvas, int frames)
{
    return canvas.Height() / frames;
}

void Stroke(const Canvas& canvas, Argb colour, double width = 1.5)
{
    canvas.SetColour(colour);
    cairo_set_line_width(canvas.Cr(), width);
    cairo_set_line_join(canvas.Cr(), CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(canvas.Cr());
}

// A curve y = f(t), t in 0..1 and f in -1..1, across a box.
template <typename F>
void Plot(const Canvas& canvas, double x, double y, double w, double h, F f)
{
    cairo_t* cr = canvas.Cr();
    const int steps = static_cast<int>(w) * 2;
    for (int i = 0; i <= steps; ++i) {
        const double t = i / static_cast<double>(steps);
        const double py = y + h / 2 - f(t) * h / 2;
        if (i == 0)
            cairo_move_to(cr, x + t * w, py);
        else
            cairo_line_to(cr, x + t * w, py);
    }
}

void Box(const Canvas& canvas, double x, double y, double w, double h, const std::string& label, Argb colour)
{
    cairo_rectangle(canvas.Cr(), x + 0.5, y + 0.5, w - 1, h - 1);
    Stroke(canvas, colour, 1.0);
    canvas.TextCentred(static_cast<int>(x + w / 2) + 1, static_cast<int>(y + (h - 7) / 2), label, colour);
}

void Line(const Canvas& canvas, double x0, double y0, double x1, double y1, Argb colour)
{
    cairo_move_to(canvas.Cr(), x0, y0);
    cairo_line_to(canvas.Cr(), x1, y1);
    Stroke(canvas, colour, 1.0);
}

void Arrow(const Canvas& canvas, double x0, double y, double x1, Argb colour)
{
    Line(canvas, x0, y + 0.5, x1 - 3, y + 0.5, colour);
    cairo_move_to(canvas.Cr(), x1, y + 0.5);
    cairo_line_to(canvas.Cr(), x1 - 4, y - 2.5);
    cairo_line_to(canvas.Cr(), x1 - 4, y + 3.5);
    cairo_close_path(canvas.Cr());
    canvas.SetColour(colour);
    cairo_fill(canvas.Cr());
}

}  // namespace

void DrawTextStrip(const Canvas& canvas, const std::vector<std::string>& texts)
{
    const int frames = static_cast<int>(texts.size());
    const int h = FrameHeight(canvas, frames);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height(), kLcd);
    for (int f = 0; f < frames; ++f)
        canvas.TextCentred(canvas.Width() / 2 + 1, f * h + (h - 7) / 2, texts[f], kLcdText);
}

void DrawWaveformStrip(const Canvas& canvas)
{
    const int h = FrameHeight(canvas, 8);
    const double w = canvas.Width();
    canvas.FillRect(0, 0, w, canvas.Height(), kLcd);
    const double pi = std::numbers::pi;
    for (int f = 0; f < 8; ++f) {
        const double top = f * h + 5;
        const double x = 6;
        const double pw = w - 12;
        const double ph = h - 10;
        Line(canvas, x, top + ph / 2 + 0.5, x + pw, top + ph / 2 + 0.5, kLcdFaint);
        switch (f) {
        case 0: Plot(canvas, x, top, pw, ph, [](double t) { return 1 - 2 * std::fmod(t * 2, 1.0); }); break;
        case 1: Plot(canvas, x, top, pw, ph, [](double t) { return std::fmod(t * 2, 1.0) < 0.5 ? 1.0 : -1.0; }); break;
        case 2:
            Plot(canvas, x, top, pw, ph, [](double t) { return 1 - 4 * std::abs(std::fmod(t * 2, 1.0) - 0.5); });
            break;
        case 3: Plot(canvas, x, top, pw, ph, [pi](double t) { return std::sin(t * 4 * pi); }); break;
        case 4:
            Plot(canvas, x, top, pw, ph, [pi](double t) {
                return std::sin(t * 4 * pi) * std::exp(-3 * std::fmod(t * 2, 1.0)) * std::cos(t * 24 * pi);
            });
            break;
        case 5:  // a fixed pseudo-random trace, the same on every run
            Plot(canvas, x, top, pw, ph, [](double t) {
                const unsigned n = static_cast<unsigned>(t * 40) * 2654435761u;
                return ((n >> 16) & 0xFF) / 127.5 - 1.0;
            });
            break;
        case 6:
            Plot(canvas, x, top, pw, ph,
                 [pi](double t) { return 0.6 * std::sin(t * 4 * pi) + 0.35 * std::sin(t * 14 * pi + 1); });
            break;
        default:
            Plot(canvas, x, top, pw, ph,
                 [pi](double t) { return std::sin(t * 6 * pi) * std::sin(t * pi) * std::cos(t * 11 * pi); });
            break;
        }
        Stroke(canvas, kTrace, 1.4);
    }
}

void DrawFilterRoutingStrip(const Canvas& canvas)
{
    const int h = FrameHeight(canvas, 4);
    const double w = canvas.Width();
    canvas.FillRect(0, 0, w, canvas.Height(), kLcd);
    for (int f = 0; f < 4; ++f) {
        const double top = f * h;
        const double mid = top + h / 2.0;
        switch (f) {
        case 0:
            Arrow(canvas, 8, mid, 38, kTrace);
            Box(canvas, 38, mid - 9, 37, 18, "F1", kAccent);
            Arrow(canvas, 75, mid, 105, kTrace);
            break;
        case 1:
            Arrow(canvas, 4, mid, 18, kTrace);
            Box(canvas, 18, mid - 9, 32, 18, "F1", kAccent);
            Arrow(canvas, 50, mid, 63, kTrace);
            Box(canvas, 63, mid - 9, 32, 18, "F2", kAccent);
            Arrow(canvas, 95, mid, 109, kTrace);
            break;
        default: {
            const double y1 = top + 15;
            const double y2 = top + h - 15;
            Line(canvas, 10.5, y1, 10.5, y2, kTrace);
            Line(canvas, 4, mid + 0.5, 10.5, mid + 0.5, kTrace);
            Arrow(canvas, 10, y1, 38, kTrace);
            Arrow(canvas, 10, y2, 38, kTrace);
            Box(canvas, 38, y1 - 9, 37, 18, "F1", kAccent);
            Box(canvas, 38, y2 - 9, 37, 18, "F2", kAccent);
            if (f == 2) {
                Line(canvas, 75, y1 + 0.5, 96.5, y1 + 0.5, kTrace);
                Line(canvas, 75, y2 + 0.5, 96.5, y2 + 0.5, kTrace);
                Line(canvas, 96.5, y1, 96.5, y2, kTrace);
                Arrow(canvas, 96, mid, 109, kTrace);
            } else {
                Arrow(canvas, 75, y1, 100, kTrace);
                Arrow(canvas, 75, y2, 100, kTrace);
                canvas.Text(101, static_cast<int>(y1) - 3, "1", kTrace);
                canvas.Text(101, static_cast<int>(y2) - 3, "2", kTrace);
            }
            break;
        }
        }
    }
}

void DrawVoiceModeStrip(const Canvas& canvas)
{
    const int h = FrameHeight(canvas, 4);
    const int w = canvas.Width();
    canvas.FillRect(0, 0, w, canvas.Height(), kLcd);
    const char* names[4] = {"SINGLE", "LAYER", "SPLIT", "MULTI"};
    for (int f = 0; f < 4; ++f) {
        const int top = f * h;
        const int kx = 70;
        const int kw = w - kx - 8;
        const int keyTop = top + 28;
        // a small keyboard under the timbre bars
        canvas.FillRect(kx, keyTop, kw, 16, 0xFFB8B8B8);
        for (int k = 1; k < kw / 7; ++k)
            canvas.FillRect(kx + k * 7, keyTop, 1, 16, 0xFF5A5A5A);
        for (int k = 0; k < kw / 7 - 1; ++k) {
            if (k % 7 != 2 && k % 7 != 6)
                canvas.FillRect(kx + k * 7 + 5, keyTop, 4, 9, 0xFF202020);
        }
        canvas.Text(8, top + (h - 7) / 2, names[f], kAccent);
        const int half = kx + kw / 2;
        switch (f) {
        case 0: canvas.FillRect(kx, top + 12, kw, 8, kTimbre1); break;
        case 1:
            canvas.FillRect(kx, top + 6, kw, 7, kTimbre1);
            canvas.FillRect(kx, top + 16, kw, 7, kTimbre2);
            break;
        case 2:
            canvas.FillRect(kx, top + 12, half - kx - 1, 8, kTimbre2);
            canvas.FillRect(half + 1, top + 12, kx + kw - half - 1, 8, kTimbre1);
            break;
        default:
            canvas.FillRect(kx, top + 6, kw, 7, kTimbre1);
            canvas.FillRect(kx, top + 16, kw, 7, kTimbre2);
            canvas.Text(kx + kw - 30, top + 16, "CH", 0xFF0C1015);
            break;
        }
    }
}

void DrawVelocityCurveStrip(const Canvas& canvas)
{
    const int h = FrameHeight(canvas, 9);
    const double w = canvas.Width();
    canvas.FillRect(0, 0, w, canvas.Height(), kLcd);
    for (int f = 0; f < 9; ++f) {
        const double top = f * h + 3;
        const double ph = h - 6;
        cairo_rectangle(canvas.Cr(), 3.5, top - 0.5, w - 7, ph + 1);
        Stroke(canvas, kLcdFaint, 1.0);
        if (f == 8) {
            Line(canvas, 4, top + 1.5, w - 4, top + 1.5, kTrace);
            continue;
        }
        const double exponent = std::pow(2.0, (f - 3.5) / 2.0);
        Plot(canvas, 4, top, w - 8, ph, [exponent](double t) { return 2 * std::pow(t, exponent) - 1; });
        Stroke(canvas, kTrace, 1.2);
    }
}

void DrawPageTabStrip(const Canvas& canvas)
{
    const int h = FrameHeight(canvas, 2);
    const char* labels[2] = {"PROGRAM", "GLOBAL"};
    // each shape reaches past its tab's hit area so the rounded corners
    // stay outside it
    const int left[2] = {16, 93};
    cairo_t* cr = canvas.Cr();
    for (int f = 0; f < 2; ++f) {
        for (int tab = 0; tab < 2; ++tab) {
            const bool current = tab == f;
            const double x = left[tab];
            const double top = f * h + 5;
            const double tw = 72;
            const double th = 31;
            cairo_move_to(cr, x, top + th);
            cairo_line_to(cr, x, top + 3);
            cairo_arc(cr, x + 3, top + 3, 3, std::numbers::pi, 1.5 * std::numbers::pi);
            cairo_arc(cr, x + tw - 3, top + 3, 3, 1.5 * std::numbers::pi, 2 * std::numbers::pi);
            cairo_line_to(cr, x + tw, top + th);
            cairo_close_path(cr);
            canvas.SetColour(current ? 0xFFE0E0E0 : 0xFF3A3D44);
            cairo_fill_preserve(cr);
            Stroke(canvas, 0xFF101010, 1.0);
            canvas.TextCentred(static_cast<int>(x + tw / 2) + 1, static_cast<int>(top) + 12, labels[tab],
                               current ? 0xFF101010 : 0xFFB0B0B0);
        }
    }
}

void DrawScaleKeyboard(const Canvas& canvas)
{
    const int edges[8] = {1, 34, 67, 100, 135, 168, 201, 234};
    const int blackCentres[5] = {32, 71, 127, 170, 211};
    for (int k = 0; k < 7; ++k) {
        canvas.FillRect(edges[k], 0, edges[k + 1] - edges[k], 75, 0xFF101010);
        canvas.FillRect(edges[k] + 1, 0, edges[k + 1] - edges[k] - 1, 74, 0xFFD4D4D4);
        canvas.FillRect(edges[k] + 1, 70, edges[k + 1] - edges[k] - 1, 4, 0xFFB0B0B0);
    }
    canvas.FillRect(edges[7], 0, 1, 75, 0xFF101010);
    for (int centre : blackCentres) {
        canvas.FillRect(centre - 11, 0, 22, 46, 0xFF6A6E76);
        canvas.FillRect(centre - 10, 0, 20, 45, 0xFF16171A);
    }
}

void DrawLogo(const Canvas& canvas, Argb ink)
{
    canvas.Text(4, 3, "VQ-700Z", ink, 6, 2);
    canvas.Text(94, 5, "SOUND", ink, 6);
    canvas.Text(94, 15, "EDITOR", ink, 6);
    canvas.FillRect(4, 24, 162, 1, Mix(ink, 0x00000000, 0.5));
}

std::vector<std::string> Osc1ControlCaptions(int control)
{
    const char* sources[11] = {"SAW", "PLS", "TRI", "SIN", "FMT", "NOI", "PCM", "AIN", "CRS", "UNI", "VPM"};
    std::vector<std::string> captions;
    for (int i = 0; i < 11; ++i) {
        if (i == 5 && control == 2)
            captions.emplace_back("NOISE FLT");
        else
            captions.push_back(std::string(sources[i]) + " CTRL" + std::to_string(control));
    }
    return captions;
}

}  // namespace skin
