#pragma once
// The current user's registry hive. Each key is a folder and its values one
// human-readable text file ("values") in it, under $VQ_REGISTRY_DIR when set,
// else $XDG_CONFIG_HOME/vq700z-editor/registry (~/.config when unset).
// Every change rewrites the file through a temporary file and a rename; a
// line of the file that does not read is skipped, the others kept. A key
// opens only when its values can be read and, for writing, its folder
// written; what stands in the way is said on standard error with the path,
// as is each skipped line. Key names are case-sensitive folder names; value
// names match in any case.
#include <platform/kernel.h>

VQ_DECLARE_HANDLE(HKEY);
typedef HKEY* PHKEY;
typedef DWORD REGSAM;

#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000001u)))

#define KEY_READ 0x00020019u
#define KEY_WRITE 0x00020006u
#define KEY_ALL_ACCESS 0x000F003Fu

#define REG_OPTION_NON_VOLATILE 0x00000000u
#define REG_CREATED_NEW_KEY 0x00000001u
#define REG_OPENED_EXISTING_KEY 0x00000002u

#define REG_NONE 0u
#define REG_SZ 1u
#define REG_BINARY 3u
#define REG_DWORD 4u
#define REG_QWORD 11u

#define ERROR_CANTREAD 1012L
#define ERROR_CANTWRITE 1013L

// Each returns ERROR_SUCCESS or an error code.
LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM access,
                     LPSECURITY_ATTRIBUTES attributes, PHKEY result, LPDWORD disposition);
// With data null, tells the size. A buffer too small gets ERROR_MORE_DATA
// and the size needed, and is left as it was.
LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize);
LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD dataSize);
LONG RegCloseKey(HKEY key);
