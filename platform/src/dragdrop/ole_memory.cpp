#include <platform/ole.h>

#include <cstdlib>

LPVOID CoTaskMemAlloc(SIZE_T bytes)
{
    return std::malloc(bytes == 0 ? 1 : bytes);
}

LPVOID CoTaskMemRealloc(LPVOID memory, SIZE_T bytes)
{
    return std::realloc(memory, bytes == 0 ? 1 : bytes);
}

void CoTaskMemFree(LPVOID memory)
{
    std::free(memory);
}

void ReleaseStgMedium(STGMEDIUM* medium)
{
    if (!medium)
        return;
    if (medium->pUnkForRelease) {
        // The block is shared: its owner decides when it goes.
        medium->pUnkForRelease->Release();
    } else {
        switch (medium->tymed) {
        case TYMED_HGLOBAL:
            if (medium->hGlobal)
                GlobalFree(medium->hGlobal);
            break;
        case TYMED_FILE: CoTaskMemFree(medium->lpszFileName); break;
        case TYMED_ISTREAM:
            if (medium->pstm)
                medium->pstm->Release();
            break;
        case TYMED_ISTORAGE:
            if (medium->pstg)
                medium->pstg->Release();
            break;
        default: break;
        }
    }
    medium->tymed = TYMED_NULL;
    medium->hGlobal = nullptr;
    medium->pUnkForRelease = nullptr;
}
