// The font and text libraries under the headless display's captions are
// not built with ThreadSanitizer, and their own worker thread shares their
// caches with the drawing thread in ways the tool cannot see; races it
// reports inside them are not the editor's.
extern "C" const char* __tsan_default_suppressions()
{
    return "called_from_lib:libfontconfig.so.1\n"
           "called_from_lib:libglib-2.0.so.0\n"
           "called_from_lib:libpango-1.0.so.0\n"
           "called_from_lib:libpangoft2-1.0.so.0\n"
           "called_from_lib:libpangocairo-1.0.so.0\n"
           "called_from_lib:libharfbuzz.so.0\n"
           "called_from_lib:libcairo.so.2\n"
           "race:libfontconfig.so.1\n"
           "race:libglib-2.0.so.0\n"
           "race:libpango-1.0.so.0\n";
}
