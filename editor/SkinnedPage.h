#pragma once
// The page under an edit layer's controls: the colour theme's background at
// its own size and the logo in the top right corner.
class CHfcBmp;
class CHfcWindowLayer;

// The theme's form of the background named for theme 0.
CHfcBmp* ThemedBackground(const char* baseName);
// Over the whole layer, under "Semaphore", which guards the logo.
void PaintSkinnedPage(CHfcWindowLayer& layer, CHfcBmp* background);
