#pragma once
// The editor's skin: the table of its 106 PNG bitmaps, the colour theme in
// effect and the naming rules that pick a theme's bitmap.
#include "framework/ui/EfResourceManagerSingleton.h"

#include <string>
#include <string_view>

class CHfcDrawContext;

class CResourceManager : public CEfResourceManagerSingleton<CResourceManager>
{
public:
    static constexpr int kBitmapCount = 106;
    static constexpr int kNameStride = 64;

    const char* GetBitmapTable(int& count, int& stride) override;
};

// 0 (no suffix), 1 ("Black") or 2 ("White"); set once at start-up,
// clamped to these three as the preferences show it.
int GetColourTheme();
void SetColourTheme(int theme);

// The base name with the theme's word appended, or put before a final
// "Fav"; another theme adds nothing.
std::string ThemedBitmapName(std::string_view base, int theme);
// The black logo is the one for the white theme.
const char* LogoBitmapName(int theme);

// The theme's logo at its own size, 5 pixels in from the top right corner
// of a layer width pixels wide.
void DrawLogo(CHfcDrawContext* context, int width);
