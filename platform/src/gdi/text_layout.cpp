#include "text_layout.h"

#include <platform/file_names.h>

#include <pango/pangocairo.h>

#include <memory>

namespace platform::gdi {
namespace {

template <class T, void (*Free)(T*)>
struct Freer
{
    void operator()(T* object) const { Free(object); }
};
template <class T>
void Unref(T* object)
{
    g_object_unref(object);
}
using FontDescription = std::unique_ptr<PangoFontDescription, Freer<PangoFontDescription, pango_font_description_free>>;
using Layout = std::unique_ptr<PangoLayout, Freer<PangoLayout, Unref<PangoLayout>>>;

FontDescription DescriptionOf(const Font& font)
{
    FontDescription description(pango_font_description_from_string(font.families));
    pango_font_description_set_absolute_size(description.get(), font.pixels * PANGO_SCALE);
    pango_font_description_set_weight(description.get(), font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    return description;
}

// A layout of the text in the font. Bytes of a file name that stand for
// themselves show as the replacement character, which is as long, so
// offsets into the text stay right.
Layout LayoutIn(PangoContext* context, const Font& font, std::string_view utf8)
{
    Layout layout(pango_layout_new(context));
    FontDescription description = DescriptionOf(font);
    pango_layout_set_font_description(layout.get(), description.get());
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_font_features_new("kern 0, liga 0, clig 0"));
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
    const std::string shown = ReadableFileName(utf8);
    pango_layout_set_text(layout.get(), shown.data(), int(shown.size()));
    return layout;
}

// One line, whatever characters the text holds.
Layout LineLayoutIn(PangoContext* context, const Font& font, std::string_view utf8)
{
    Layout layout = LayoutIn(context, font, utf8);
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    return layout;
}

// Measuring happens on a scratch surface of the calling thread's own:
// Pango's fonts belong to the thread that loaded them. An image surface,
// like the windows' framebuffers, so that sizes come out as drawn.
struct Scratch
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(surface);
    PangoContext* context = pango_cairo_create_context(cr);
    ~Scratch()
    {
        g_object_unref(context);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
};

PangoContext* MeasuringContext()
{
    thread_local Scratch scratch;
    return scratch.context;
}

Layout MeasuringLine(const Font& font, std::string_view utf8)
{
    return LineLayoutIn(MeasuringContext(), font, utf8);
}

double Pixels(int units)
{
    return double(units) / PANGO_SCALE;
}

bool IsLineEndSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

FontMetrics MetricsOf(const Font& font)
{
    FontDescription description = DescriptionOf(font);
    PangoFontMetrics* metrics = pango_context_get_metrics(MeasuringContext(), description.get(), nullptr);
    FontMetrics answer{Pixels(pango_font_metrics_get_ascent(metrics)), Pixels(pango_font_metrics_get_descent(metrics)),
                       Pixels(pango_font_metrics_get_height(metrics))};
    pango_font_metrics_unref(metrics);
    return answer;
}

int TextWidth(const Font& font, std::string_view utf8)
{
    if (utf8.empty())
        return 0;
    Layout layout = MeasuringLine(font, utf8);
    PangoRectangle logical{};
    pango_layout_line_get_extents(pango_layout_get_line_readonly(layout.get(), 0), nullptr, &logical);
    return int(Pixels(logical.width) + 0.5);
}

std::vector<int> CaretOffsets(const Font& font, std::string_view utf8, const std::vector<std::size_t>& offsets)
{
    Layout layout = MeasuringLine(font, utf8);
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout.get(), 0);
    std::vector<int> xs;
    xs.reserve(offsets.size());
    for (std::size_t offset : offsets) {
        int x = 0;
        pango_layout_line_index_to_x(line, int(offset), FALSE, &x);
        xs.push_back(int(Pixels(x) + 0.5));
    }
    return xs;
}

InkBox InkOf(const Font& font, std::string_view utf8)
{
    Layout layout = MeasuringLine(font, utf8);
    PangoRectangle ink{};
    pango_layout_line_get_extents(pango_layout_get_line_readonly(layout.get(), 0), &ink, nullptr);
    return {Pixels(ink.x), Pixels(ink.y), Pixels(ink.width), Pixels(ink.height)};
}

std::vector<std::string> WrapText(const Font& font, std::string_view utf8, int width)
{
    Layout layout = LayoutIn(MeasuringContext(), font, utf8);
    pango_layout_set_width(layout.get(), width * PANGO_SCALE);
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD);
    const char* text = pango_layout_get_text(layout.get());
    std::vector<std::string> lines;
    for (GSList* each = pango_layout_get_lines_readonly(layout.get()); each; each = each->next) {
        const auto* line = static_cast<const PangoLayoutLine*>(each->data);
        std::string_view part(text + line->start_index, std::size_t(line->length));
        while (!part.empty() && IsLineEndSpace(part.back()))
            part.remove_suffix(1);
        lines.emplace_back(part);
    }
    return lines;
}

void ShowText(cairo_t* cr, const Font& font, double x, double baseline, std::string_view utf8)
{
    if (utf8.empty())
        return;
    PangoContext* context = pango_cairo_create_context(cr);
    Layout layout = LineLayoutIn(context, font, utf8);
    g_object_unref(context);
    cairo_move_to(cr, x, baseline);
    pango_cairo_show_layout_line(cr, pango_layout_get_line_readonly(layout.get(), 0));
}

int MissingGlyphs(const Font& font, std::string_view utf8)
{
    return pango_layout_get_unknown_glyphs_count(MeasuringLine(font, utf8).get());
}

}  // namespace platform::gdi

// What libraries keep until the process ends, which the leak checker of
// the sanitizer builds must not count: the font library its configuration,
// the session-bus library (the desktop display's input methods) its state.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libdbus-1\n";
}
