#include "editor/EditWindows.h"

namespace {
CEditWindowFactory* g_factory = nullptr;
}

CEditWindowFactory* GetEditWindowFactory()
{
    return g_factory;
}

void SetEditWindowFactory(CEditWindowFactory* factory)
{
    g_factory = factory;
}
