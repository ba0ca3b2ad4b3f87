// Feeds arbitrary bytes to the form file loader, then shows, walks and renders what loads (walkForm:
// clicks through the wizard, presses keys, renders after each step, within the renderer's limits).
// Besides the sanitizers' findings it stops on what formFileFinding reports (a loaded form that does
// not round-trip, an object that outlives a refused load) and on any exception other than
// ov::Failure.
#include "platform/FormFileSamples.h"
#include "support/FormWalk.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ovtest::Sampler::registerOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string finding =
        ovtest::formFileFinding(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!finding.empty()) {
        std::fprintf(stderr, "form file fuzzer: %s\n", finding.c_str());
        std::abort();
    }
    ovtest::walkForm(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
