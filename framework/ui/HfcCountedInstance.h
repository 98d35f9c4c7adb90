#pragma once
// A process-wide object kept alive by a use count: made on the first
// acquire, deleted on the last release.
template <typename T>
class CHfcCountedInstance
{
public:
    // Makes the object when there is none; counts every call. True while
    // the object exists.
    template <typename Make>
    bool Acquire(Make make)
    {
        if (m_pInstance == nullptr)
            m_pInstance = make();
        ++m_iUses;
        return m_pInstance != nullptr;
    }
    // False, changing nothing, when there is no use left to release.
    bool Release()
    {
        if (m_iUses <= 0)
            return false;
        if (--m_iUses == 0) {
            delete m_pInstance;
            m_pInstance = nullptr;
        }
        return true;
    }
    T* Get() const { return m_pInstance; }

private:
    T* m_pInstance = nullptr;
    int m_iUses = 0;
};
