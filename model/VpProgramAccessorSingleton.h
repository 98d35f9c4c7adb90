#pragma once
// One process-wide program accessor with a count of its users.
#include "model/VpCountedSingleton.h"

template <class T>
using CVpProgramAccessorSingleton = CVpCountedSingleton<T>;
