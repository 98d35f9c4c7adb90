#pragma once
// One process-wide global accessor with a count of its users; the same
// counting as the program accessor's.
#include "model/VpProgramAccessorSingleton.h"

template <class T>
using CVpGlobalAccessorSingleton = CVpProgramAccessorSingleton<T>;
