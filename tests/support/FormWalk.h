#pragma once

#include <string_view>

namespace ovtest {

// What the fuzzer and the walk regression test do with one input beyond loading it: under a fresh
// runtime with a renderer alive, the text is loaded at run time (a refusal ends the walk), shown and
// rendered; then, for a bounded number of rounds, each wizard navigator on the form is clicked Next,
// now and then Back, Help and the Finish position, keys are pressed (Tab, Space, Enter, Escape,
// Alt+N), and the form is rendered again after each round; at last the form is unloaded. An
// ov::Failure anywhere ends the walk quietly (it is the library's answer to the input, a render
// refusing a form larger than its limits among them); any other exception escapes, and the
// sanitizers see the rest. Forms whose client area is larger than kMaxWalkPixels are walked but not
// rendered, so that one input costs milliseconds, not seconds.
void walkForm(std::string_view text);

inline constexpr long long kMaxWalkPixels = 1LL << 20;

} // namespace ovtest
