#pragma once
// The edit windows as the windows that open them reach them: the program
// list opens program edit windows, and a program edit window opens the
// windows of its program's parts. Both go through the factory that the
// editor registers; it owns every window it made and deletes one once its
// system window is gone.
#include "editor/EditWindowContext.h"

class CEditWindowFactory
{
public:
    enum Kind
    {
        kProgramEdit,
        kTimbreSynth,
        kTimbreEq,
        kArpeggiator,
        kVocoder,
        kMasterEffect,
    };

    virtual ~CEditWindowFactory() = default;
    // A new window of that kind at (x, y) of the frame for the program
    // (0-199) and, for the two timbre windows, the timbre (0 or 1; -1 for
    // the others), made but not yet shown; null when it cannot be made.
    virtual CBaseWindow* CreateEditWindow(Kind kind, const EditWindowContext& context, int x, int y, int program,
                                          int timbre) = 0;
};

// Null while nothing is registered; then no edit window opens.
CEditWindowFactory* GetEditWindowFactory();
void SetEditWindowFactory(CEditWindowFactory* factory);
