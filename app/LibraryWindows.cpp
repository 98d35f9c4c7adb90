#include "app/LibraryWindows.h"

namespace {
CLibraryWindowFactory* g_factory = nullptr;
}

CLibraryWindowFactory* GetLibraryWindowFactory()
{
    return g_factory;
}

void SetLibraryWindowFactory(CLibraryWindowFactory* factory)
{
    g_factory = factory;
}
