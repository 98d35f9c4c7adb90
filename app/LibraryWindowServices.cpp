#include "app/LibraryWindowServices.h"

namespace {
CLibraryWindowServices* g_services = nullptr;
}

CLibraryWindowServices* GetLibraryWindowServices()
{
    return g_services;
}

void SetLibraryWindowServices(CLibraryWindowServices* services)
{
    g_services = services;
}
