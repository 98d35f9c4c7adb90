#pragma once
// What an edit window is told by the window that opens it, and hands on
// unchanged to the windows it opens in turn: whose data it shows and where
// it lives.
class CBaseWindow;
class CHfcMdiFrameWindow;
class CHfcMenuBar;
class LibraryData;
struct LibraryDataItem;

struct EditWindowContext
{
    int documentId = -1;
    CBaseWindow* owner = nullptr;  // the library window
    LibraryDataItem* dataContainer = nullptr;
    LibraryData* documentList = nullptr;
    CHfcMenuBar* menuBar = nullptr;
    CHfcMdiFrameWindow* frame = nullptr;
};
