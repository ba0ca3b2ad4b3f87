// Feeds arbitrary bytes to the form file loader, then shows, walks and renders what loads (walkForm:
// clicks through the wizard, presses keys, renders after each step, within the renderer's limits).
// Besides the sanitizers' findings it stops on what formFileFinding reports (a loaded form that does
// not round-trip, an object that outlives a refused load), on any exception other than
// ov::Failure, and on a text that the reader's tokens and nlohmann's parser do not both take or refuse.
#include "platform/FormFileSamples.h"
#include "platform/JsonTape.h"
#include "support/FormWalk.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ovtest::Sampler::registerOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ov::JsonTape tape;
    if (tape.parse(text, size + 1) != nlohmann::json::accept(text)) {
        std::fprintf(stderr, "form file fuzzer: the tokens and nlohmann disagree on the text\n");
        std::abort();
    }
    const std::string finding =
        ovtest::formFileFinding(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!finding.empty()) {
        std::fprintf(stderr, "form file fuzzer: %s\n", finding.c_str());
        std::abort();
    }
    ovtest::walkForm(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
