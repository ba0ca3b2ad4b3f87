// fontconfig, which pango loads fonts through, keeps its configuration and caches until the process
// ends (it starts loading them on a thread of its own, so what is still held at exit varies from run
// to run). They are not leaks of this library; the leak checker of sanitized builds is told so.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
