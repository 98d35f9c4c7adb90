#include "model/Q3917StringTable.h"

#include "framework/services/EfTrace.h"
#include "framework/services/HfcResourceFile.h"
#include "framework/services/ServiceSlots.h"

namespace {

CQ3917StringTable* g_pInstance = nullptr;
int g_iUsers = 0;

}  // namespace

bool CQ3917StringTable::Create()
{
    CHfcResourceFile file;
    if (!file.OpenResource("STR", "Q3917StringTable.txt", 0)) {
        EfTrace("CQ3917StringTable::Create - Failed to open text resource file.");
        return false;
    }
    if (!LoadFromFile(file)) {
        EfTrace("CQ3917StringTable::Create - Failed to load texts from resource.");
        return false;
    }
    file.Close();
    return true;
}

CQ3917StringTable* CQ3917StringTable::Acquire()
{
    if (g_iUsers == 0 && g_pInstance == nullptr) {
        g_pInstance = new CQ3917StringTable();
        if (!g_pInstance->Create()) {
            delete g_pInstance;
            g_pInstance = nullptr;
        }
        SetStringTable(g_pInstance);
    }
    if (g_pInstance != nullptr)
        ++g_iUsers;
    return g_pInstance;
}

void CQ3917StringTable::Release()
{
    if (g_iUsers == 0 || --g_iUsers > 0)
        return;
    SetStringTable(nullptr);
    delete g_pInstance;
    g_pInstance = nullptr;
}
