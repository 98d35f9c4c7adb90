#include "framework/services/QRVResource.h"

#include "framework/services/EfTrace.h"

#include <platform/resources.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

// Why the toolkit's XML parser must not see the text; null when it may.
const char* RefusalToParse(std::string_view text)
{
    // The toolkit decodes without checking and would read past a sequence
    // cut short. Its check ends at a zero byte, which text has none of.
    if (!juce::CharPointer_UTF8::isValidString(text.data(), static_cast<int>(text.size())) ||
        text.find('\0') != std::string_view::npos)
        return "The resource is not UTF-8 text.";
    // The parser loops forever on a processing instruction followed by text
    // inside an element; only the declaration in front has a place here.
    if (text.find("<?", 1) != std::string_view::npos)
        return "The resource holds a processing instruction after its declaration.";
    return nullptr;
}

}  // namespace

CQRVResource::CQRVResource() : CQRVResource(u"LocalizableStrings", u"xml")
{}

CQRVResource::CQRVResource(LPCWSTR name, LPCWSTR type) : m_root(LoadXmlResource(name, m_module, type))
{}

CQRVResource::~CQRVResource() = default;

juce::String GetLocalizedString(const CQRVResource* resource, const juce::String& key)
{
    const juce::XmlElement* root = resource != nullptr ? resource->GetRoot() : nullptr;
    if (root == nullptr)
        return {};
    // The toolkit's own case-insensitive tag look-ups assert on a case
    // mismatch in debug builds, so compare the names here.
    for (const juce::XmlElement* child : root->getChildIterator()) {
        if (child->getTagName().equalsIgnoreCase(key))
            return child->getStringAttribute("Text");
    }
    return {};
}

std::unique_ptr<juce::XmlElement> LoadXmlResource(LPCWSTR name, HMODULE module, LPCWSTR type)
{
    int size = 0;
    CopyResourceBytes(module, name, type, nullptr, 0, &size);
    if (size < 1)
        return nullptr;
    std::vector<char> bytes(static_cast<std::size_t>(size));
    const int copied = CopyResourceBytes(module, name, type, bytes.data(), size, nullptr);
    const std::string_view text(bytes.data(), static_cast<std::size_t>(copied));
    if (const char* refusal = RefusalToParse(text)) {
        EfTrace("LoadXmlResource() - %s", refusal);
        return nullptr;
    }
    // Resources carry no terminating zero: decode exactly the bytes copied.
    return juce::XmlDocument::parse(juce::String::fromUTF8(text.data(), copied));
}

int CopyResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type, void* buffer, int bufferSize, int* size)
{
    HRSRC found = FindResourceW(module, name, type);
    const DWORD available = found != nullptr ? SizeofResource(module, found) : 0;
    if (size != nullptr)
        *size = available > 0 ? static_cast<int>(available) : -1;
    if (available == 0 || buffer == nullptr || bufferSize < 1)
        return 0;
    const void* bytes = LockResource(LoadResource(module, found));
    if (bytes == nullptr)
        return 0;
    const int count = static_cast<int>(std::min<DWORD>(available, static_cast<DWORD>(bufferSize)));
    std::memcpy(buffer, bytes, static_cast<std::size_t>(count));
    return count;
}
