#include "app/ToolWindows.h"

namespace {
CToolWindowFactory* g_factory = nullptr;
}

CToolWindowFactory* GetToolWindowFactory()
{
    return g_factory;
}

void SetToolWindowFactory(CToolWindowFactory* factory)
{
    g_factory = factory;
}
