#pragma once
// One process-wide converter, created on first use and deleted with its last user.
#include "model/VpCountedSingleton.h"

template <class T>
using CVpIdConverterSingleton = CVpCountedSingleton<T>;
