#include "model/DefaultDocuments.h"

#include <memory>

namespace {

std::unique_ptr<CProgram> g_defaultProgram;
std::unique_ptr<CGlobal> g_defaultGlobal;

}  // namespace

void CreateDefaultDocuments()
{
    if (!g_defaultProgram) {
        g_defaultProgram = std::make_unique<CProgram>();
        g_defaultProgram->Initialize();
    }
    if (!g_defaultGlobal) {
        g_defaultGlobal = std::make_unique<CGlobal>();
        g_defaultGlobal->Initialize();
    }
}

void DeleteDefaultDocuments()
{
    g_defaultProgram.reset();
    g_defaultGlobal.reset();
}

CProgram* GetDefaultProgram()
{
    return g_defaultProgram.get();
}

CGlobal* GetDefaultGlobal()
{
    return g_defaultGlobal.get();
}
