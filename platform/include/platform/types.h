#pragma once
// Basic types of the interfaces the editor was written against, with their
// widths on a 64-bit build: 32-bit words stay 32 bits; words that may carry
// a pointer are pointer-width.
#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef std::int32_t INT;
typedef std::uint32_t UINT;
typedef std::int16_t SHORT;
typedef std::uint16_t USHORT;
typedef std::int64_t LONGLONG;
typedef std::uint64_t ULONGLONG;

typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::uintptr_t DWORD_PTR;
typedef std::size_t SIZE_T;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef char CHAR;
typedef char16_t WCHAR;  // UTF-16 code unit, as the fixed wide buffers expect
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;

typedef WORD LANGID;
typedef DWORD LCID;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Opaque handles: distinct pointer types so that one cannot be passed for another.
#define VQ_DECLARE_HANDLE(name)                                                                                        \
    struct name##__;                                                                                                   \
    typedef struct name##__* name
typedef void* HANDLE;
VQ_DECLARE_HANDLE(HINSTANCE);
typedef HINSTANCE HMODULE;
VQ_DECLARE_HANDLE(HRSRC);
typedef HANDLE HGLOBAL;

// A resource name or type given as a number rather than a string.
#define IS_INTRESOURCE(p) ((reinterpret_cast<ULONG_PTR>(p) >> 16) == 0)
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#define MAKEINTRESOURCEW(i) (reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))

// Calling-convention markers: meaningless on this target, kept so that
// procedure declarations read as they were written.
#ifndef WINAPI
#define WINAPI
#endif
#ifndef CALLBACK
#define CALLBACK
#endif

typedef WORD ATOM;
VQ_DECLARE_HANDLE(HWND);
VQ_DECLARE_HANDLE(HMENU);
VQ_DECLARE_HANDLE(HICON);
typedef HICON HCURSOR;
VQ_DECLARE_HANDLE(HBRUSH);
VQ_DECLARE_HANDLE(HDC);

struct POINT
{
    LONG x;
    LONG y;
};
typedef POINT* LPPOINT;

// Right and bottom are one past the last pixel.
struct RECT
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

struct SIZE
{
    LONG cx;
    LONG cy;
};

// A colour as 0x00BBGGRR.
typedef DWORD COLORREF;
#define RGB(r, g, b)                                                                                                   \
    (static_cast<COLORREF>(static_cast<BYTE>(r) | (static_cast<WORD>(static_cast<BYTE>(g)) << 8) |                     \
                           (static_cast<DWORD>(static_cast<BYTE>(b)) << 16)))

#define LOWORD(l) (static_cast<WORD>(static_cast<DWORD_PTR>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<DWORD_PTR>(l) >> 16) & 0xFFFF))
#define MAKELONG(low, high)                                                                                            \
    (static_cast<LONG>(static_cast<DWORD>(static_cast<WORD>(low)) |                                                    \
                       (static_cast<DWORD>(static_cast<WORD>(high)) << 16)))
#define MAKEWPARAM(low, high) (static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(low, high))))
#define MAKELPARAM(low, high) (static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(low, high))))
