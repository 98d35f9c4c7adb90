#include "ContactSheet.h"

#include "PixelFont.h"
#include "Theme.h"

#include <algorithm>

namespace skin {
namespace {

constexpr int kSheetWidth = 1800;
constexpr int kMaxStripHeight = 160;
constexpr int kGap = 12;

bool IsBackground(const std::string& name)
{
    return name.starts_with("BG_");
}

bool BelongsToTheme(const std::string& name, int theme)
{
    if (!IsBackground(name))
        return true;
    const bool black = name.find("Black") != std::string::npos;
    const bool white = name.find("White") != std::string::npos;
    return theme == 1 ? black : theme == 2 ? white : !black && !white;
}

struct Tile
{
    std::size_t entry;
    int x, y, w, h;
    double scale;
};

}  // namespace

void WriteContactSheet(const std::vector<SkinEntry>& entries, const std::vector<const Canvas*>& images, int theme,
                       const std::string& path)
{
    std::vector<Tile> tiles;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SkinEntry& e = entries[i];
        if (!BelongsToTheme(e.name, theme))
            continue;
        const double scale = IsBackground(e.name) ? 0.5 : 1.0;
        const int w = static_cast<int>(e.width * scale);
        const int h = std::min(static_cast<int>(e.height * scale), kMaxStripHeight * (IsBackground(e.name) ? 4 : 1));
        const int cell = std::max(w, TextWidth(e.name.c_str()));
        if (x + cell > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        tiles.push_back({i, x, y, w, h, scale});
        x += cell + kGap;
        rowHeight = std::max(rowHeight, h + 12);
    }
    const Canvas sheet(kSheetWidth, y + rowHeight + kGap);
    sheet.FillRect(0, 0, sheet.Width(), sheet.Height(), 0xFF707478);
    // a checkerboard under each tile shows where the bitmap is transparent
    for (const Tile& t : tiles) {
        sheet.Text(t.x, t.y, entries[t.entry].name, 0xFFFFFFFF);
        for (int cy = 0; cy < t.h; cy += 4) {
            for (int cx = 0; cx < t.w; cx += 4)
                sheet.FillRect(t.x + cx, t.y + 10 + cy, std::min(4, t.w - cx), std::min(4, t.h - cy),
                               (cx / 4 + cy / 4) % 2 ? 0xFFB0B0B0 : 0xFFD0D0D0);
        }
        cairo_t* cr = sheet.Cr();
        cairo_save(cr);
        cairo_rectangle(cr, t.x, t.y + 10, t.w, t.h);
        cairo_clip(cr);
        cairo_translate(cr, t.x, t.y + 10);
        cairo_scale(cr, t.scale, t.scale);
        cairo_set_source_surface(cr, images[t.entry]->Surface(), 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    sheet.WritePng(path);
}

}  // namespace skin
