#pragma once
// The skin bitmap manager as a reference-counted process-wide object: the
// first Acquire builds the subclass and loads its table, the last Release
// clears and deletes it.
#include "framework/ui/EfResourceManager.h"

template <typename T>
class CEfResourceManagerSingleton : public CEfResourceManager
{
public:
    // The instance, or null when it could not be built (nothing is counted
    // then).
    static T* Acquire()
    {
        auto& shared = ef_resource_manager::Shared();
        if (shared.instance == nullptr) {
            T* made = new T;
            if (!made->Load()) {
                made->Clear();
                delete made;
                return nullptr;
            }
            ef_resource_manager::Install(made);
        }
        ++shared.references;
        return static_cast<T*>(shared.instance);
    }

    static void Release()
    {
        auto& shared = ef_resource_manager::Shared();
        if (shared.instance == nullptr || --shared.references > 0)
            return;
        CEfResourceManager* last = shared.instance;
        ef_resource_manager::Install(nullptr);
        last->Clear();
        delete last;
    }
};
