// vq_juce is made of JUCE's module sources; this file only gives the
// library a source of its own.
#include <juce_core/juce_core.h>
