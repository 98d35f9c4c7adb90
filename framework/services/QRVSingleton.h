#pragma once
// One instance for the whole process: the object announces itself while it
// lives, so callers that may run before start-up can test for it.

template <typename T>
class CQRVSingleton
{
public:
    // Null until the instance is constructed and again once it is deleted.
    static T* GetInstance() { return s_instance != nullptr ? static_cast<T*>(s_instance) : nullptr; }

    CQRVSingleton(const CQRVSingleton&) = delete;
    CQRVSingleton& operator=(const CQRVSingleton&) = delete;

protected:
    CQRVSingleton() { s_instance = this; }
    ~CQRVSingleton()
    {
        if (s_instance == this)
            s_instance = nullptr;
    }

private:
    // Kept as the base so nothing is cast before the derived part exists.
    static inline CQRVSingleton* s_instance = nullptr;
};
