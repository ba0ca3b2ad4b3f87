// fontconfig (loaded by pango when ovhost renders) keeps its caches until the process ends; a
// sanitized ovhost is told that these are not leaks.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
