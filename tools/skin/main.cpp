// Draws every skin bitmap of the editor into a folder as PNG files named
// after their resources, plus one contact sheet per colour theme.
//
// usage: skin_generator OUT_DIR
#include "ContactSheet.h"
#include "SkinTable.h"
#include "Theme.h"

#include <filesystem>
#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: skin_generator OUT_DIR\n";
        return 2;
    }
    const std::filesystem::path out = argv[1];
    try {
        std::filesystem::create_directories(out);
        const std::vector<skin::SkinEntry> entries = skin::SkinEntries();
        std::vector<std::unique_ptr<skin::Canvas>> images;
        std::vector<const skin::Canvas*> views;
        for (const skin::SkinEntry& entry : entries) {
            images.push_back(std::make_unique<skin::Canvas>(entry.width, entry.height));
            entry.draw(*images.back());
            images.back()->WritePng((out / (entry.name + ".png")).string());
            views.push_back(images.back().get());
        }
        const char* themeNames[skin::kThemeCount] = {"Red", "Black", "White"};
        for (int theme = 0; theme < skin::kThemeCount; ++theme)
            skin::WriteContactSheet(entries, views, theme,
                                    (out / ("contact_sheet_" + std::string(themeNames[theme]) + ".png")).string());
    } catch (const std::exception& error) {
        std::cerr << "skin_generator: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
