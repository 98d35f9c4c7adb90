#pragma once
// A page of the library window whose contents are not built yet: a layer
// bound to the page's data (the program bank or the global data) that
// shows and does nothing of its own.
#include "app/BaseLayer.h"

class CEmptyPageLayer : public CBaseLayer
{
public:
    explicit CEmptyPageLayer(int dataKind) { SetDataKind(dataKind); }
};
