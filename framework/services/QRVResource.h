#pragma once
// The localised texts of the user interface: an XML resource with one element
// per message key, in the variant of the user's language.
#include "framework/services/QRVSingleton.h"

#include <platform/types.h>

#include <juce_core/juce_core.h>

#include <memory>

class CQRVResource : public CQRVSingleton<CQRVResource>
{
public:
    // Loads "LocalizableStrings" of type "xml". A missing or malformed
    // resource is no error: every look-up then answers the empty text.
    CQRVResource();
    // The same over another resource of the program.
    CQRVResource(LPCWSTR name, LPCWSTR type);
    ~CQRVResource();

    // Null when loading failed.
    const juce::XmlElement* GetRoot() const { return m_root.get(); }

private:
    HMODULE m_module = nullptr;  // the program's own
    std::unique_ptr<juce::XmlElement> m_root;
};

// The Text attribute of the first child of the root whose tag is key, case
// ignored; empty for a null resource, a missing root, key or attribute.
juce::String GetLocalizedString(const CQRVResource* resource, const juce::String& key);

// Parses the resource as a UTF-8 XML document and returns its root element;
// null when it is missing, empty, not well-formed, or (traced) not UTF-8 or
// holding a processing instruction after the declaration.
std::unique_ptr<juce::XmlElement> LoadXmlResource(LPCWSTR name, HMODULE module, LPCWSTR type);

// Copies min(bufferSize, resource size) bytes and returns that count. size
// (optional) receives the resource's size, -1 when it is missing or empty.
// Nothing is copied into a null buffer or a bufferSize below 1.
int CopyResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type, void* buffer, int bufferSize, int* size);
