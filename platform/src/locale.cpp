#include <platform/locale.h>
#include <platform/testing/locale.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

namespace {

std::mutex g_overrideLock;
bool g_hasOverride = false;
std::string g_override;

struct LanguageCode
{
    const char* code;  // ISO 639-1
    WORD primary;
};

// The primary language ids of the languages a user is likely to run under.
constexpr LanguageCode kLanguages[] = {
    {"ar", 0x01}, {"bg", 0x02}, {"ca", 0x03}, {"zh", 0x04}, {"cs", 0x05}, {"da", 0x06}, {"de", 0x07}, {"el", 0x08},
    {"en", 0x09}, {"es", 0x0A}, {"fi", 0x0B}, {"fr", 0x0C}, {"he", 0x0D}, {"hu", 0x0E}, {"is", 0x0F}, {"it", 0x10},
    {"ja", 0x11}, {"ko", 0x12}, {"nl", 0x13}, {"nb", 0x14}, {"no", 0x14}, {"pl", 0x15}, {"pt", 0x16}, {"ro", 0x18},
    {"ru", 0x19}, {"hr", 0x1A}, {"sk", 0x1B}, {"sv", 0x1D}, {"th", 0x1E}, {"tr", 0x1F}, {"uk", 0x22}, {"id", 0x21},
};

constexpr LANGID kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

std::string CurrentLocaleName()
{
    {
        std::lock_guard<std::mutex> guard(g_overrideLock);
        if (g_hasOverride)
            return g_override;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

}  // namespace

namespace platform {

LANGID LanguageIdFromLocaleName(const char* localeName)
{
    if (localeName == nullptr)
        return kEnglishUs;
    // "ll_CC.codeset@modifier": only the language part decides.
    const std::size_t length = std::strcspn(localeName, "_.@-");
    if (length != 2)
        return kEnglishUs;
    const char lower[3] = {static_cast<char>(localeName[0] | 0x20), static_cast<char>(localeName[1] | 0x20), '\0'};
    for (const LanguageCode& language : kLanguages) {
        if (std::strcmp(language.code, lower) == 0)
            return MAKELANGID(language.primary, SUBLANG_DEFAULT);
    }
    return kEnglishUs;
}

namespace testing {

void SetUserLocale(const char* localeName)
{
    std::lock_guard<std::mutex> guard(g_overrideLock);
    g_hasOverride = localeName != nullptr;
    g_override = localeName != nullptr ? localeName : "";
}

}  // namespace testing
}  // namespace platform

LANGID GetUserDefaultUILanguage()
{
    return platform::LanguageIdFromLocaleName(CurrentLocaleName().c_str());
}

LANGID GetUserDefaultLangID()
{
    return GetUserDefaultUILanguage();
}

LCID GetUserDefaultLCID()
{
    return GetUserDefaultUILanguage();
}
