// fontconfig (loaded by pango when the fuzzer renders what it loads) keeps its configuration and
// caches until the process ends; the leak checker is told that these are not leaks of the library.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
