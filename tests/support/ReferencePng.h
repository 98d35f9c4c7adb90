#pragma once
// Renders checked against pictures a person has looked at and committed.
// Every check writes its crop into the build folder, under
// reference_renders/<folder>/: <name>.png at its own size (the file to copy)
// and <name>.x4.png enlarged to look at; a difference adds <name>.diff.png,
// the differing pixels in magenta over the dimmed crop.
#include "support/CropPng.h"

#include <gtest/gtest.h>

#include <string>

struct ReferenceTolerance
{
    // How far a channel of a pixel may stray from the reference.
    int channel = 0;
    // How many pixels may stray further.
    int pixels = 0;
};

// Compares the crop (as CropRgb lays it over grey, at its own size) with
// <tests>/<folder>/<name>.png, <tests> being the tests' source folder the
// test programs are given in VQ_TEST_DATA. A missing reference fails, saying
// where the new picture is to be looked at and where to copy it once right.
::testing::AssertionResult MatchesReferencePng(const std::string& folder, const std::string& name, int width,
                                               int height, const CropPixel& pixel,
                                               const ReferenceTolerance& tolerance = {});
