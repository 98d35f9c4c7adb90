#pragma once
// The program's own resources: files from resources/ embedded at build time,
// found by type, name and language. The bytes are read-only, live for the
// whole process and carry no terminating zero.
#include <platform/types.h>

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL loaded);
DWORD SizeofResource(HMODULE module, HRSRC resource);
