#pragma once
// One process-wide instance with a count of its users: the accessors and
// the id converter are shared this way.

template <class T>
class CVpCountedSingleton
{
public:
    // Creates the instance for its first user and counts each user.
    static T* GetInstance()
    {
        if (s_iUsers == 0 && s_pInstance == nullptr)
            s_pInstance = new T();
        if (s_pInstance != nullptr)
            ++s_iUsers;
        return s_pInstance;
    }

    // The instance without counting a user; null while none exists.
    static T* PeekInstance() { return s_pInstance; }

    // Deletes the instance with its last user; an unmatched release is ignored.
    static void ReleaseInstance()
    {
        if (s_iUsers == 0)
            return;
        if (--s_iUsers == 0) {
            delete s_pInstance;
            s_pInstance = nullptr;
        }
    }

private:
    static inline T* s_pInstance = nullptr;
    static inline int s_iUsers = 0;
};
