#pragma once
// The user's text of a message key of the localised strings, as UTF-8;
// empty while the strings are not loaded or the key is missing.
#include <string>

std::string LocalizedText(const std::string& key);
