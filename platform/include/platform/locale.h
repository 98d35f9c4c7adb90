#pragma once
// The user's language and locale, taken from the POSIX locale variables
// (LC_ALL, then LC_MESSAGES, then LANG) and given as language ids.
#include <platform/types.h>

#define MAKELANGID(primary, sub) (static_cast<WORD>((static_cast<WORD>(sub) << 10) | static_cast<WORD>(primary)))
#define PRIMARYLANGID(lang) (static_cast<WORD>(lang) & 0x3FF)
#define SUBLANGID(lang) (static_cast<WORD>(lang) >> 10)
#define LANGIDFROMLCID(lcid) (static_cast<WORD>(lcid))

#define LANG_NEUTRAL 0x00
#define LANG_ENGLISH 0x09
#define LANG_JAPANESE 0x11
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_ENGLISH_US 0x01
#define SUBLANG_JAPANESE_JAPAN 0x01

LANGID GetUserDefaultUILanguage();
LANGID GetUserDefaultLangID();
LCID GetUserDefaultLCID();

namespace platform {
// The language id of a POSIX locale name such as "ja_JP.UTF-8"; English (US)
// for "C", "POSIX", an empty name or a language this table does not know.
LANGID LanguageIdFromLocaleName(const char* localeName);
}  // namespace platform
