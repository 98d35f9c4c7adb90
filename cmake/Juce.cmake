# juce_core and juce_events are compiled once, into vq_juce. JUCE's module
# targets carry their sources as interface sources, so they are linked
# privately here and only the headers and settings are passed on.
add_library(vq_juce STATIC ${CMAKE_CURRENT_LIST_DIR}/juce_anchor.cpp)
target_link_libraries(vq_juce PRIVATE juce::juce_core juce::juce_events)
set(VQ_JUCE_DEFINITIONS
  JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
  JUCE_STANDALONE_APPLICATION=1
  JUCE_USE_CURL=0
  JUCE_WEB_BROWSER=0
  JUCE_DISPLAY_SPLASH_SCREEN=0
  # JUCE checks at link time that every unit agrees on debug or release.
  $<IF:$<CONFIG:DEBUG>,DEBUG=1;_DEBUG=1,NDEBUG=1;_NDEBUG=1>)
target_compile_definitions(vq_juce PUBLIC ${VQ_JUCE_DEFINITIONS})
target_include_directories(vq_juce SYSTEM PUBLIC ${JUCE_MODULES_DIR})
target_link_libraries(vq_juce PUBLIC Threads::Threads ${CMAKE_DL_LIBS} rt)
# JUCE's own sources are not ours to keep warning-free.
target_compile_options(vq_juce PRIVATE -w)
