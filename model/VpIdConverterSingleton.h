#pragma once
// One process-wide converter, created on first use and deleted with its last user.

template <class T>
class CVpIdConverterSingleton
{
public:
    static T* GetInstance()
    {
        if (s_pInstance == nullptr)
            s_pInstance = new T();
        ++s_iUsers;
        return s_pInstance;
    }

    // An unmatched release is ignored rather than freeing an instance in use.
    static void ReleaseInstance()
    {
        if (s_iUsers == 0)
            return;
        if (--s_iUsers == 0)
        {
            delete s_pInstance;
            s_pInstance = nullptr;
        }
    }

private:
    static inline T* s_pInstance = nullptr;
    static inline int s_iUsers = 0;
};
