#include "model/LocalizedText.h"

#include "framework/services/QRVResource.h"

std::string LocalizedText(const std::string& key)
{
    return GetLocalizedString(CQRVResource::GetInstance(), juce::String::fromUTF8(key.c_str())).toStdString();
}
