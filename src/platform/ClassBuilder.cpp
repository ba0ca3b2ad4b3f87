#include "platform/ClassBuilder.h"

namespace ov::detail {

void rethrowArgument(const Failure& f, size_t index, const ClassInfo& cls, const std::string& member) {
    throw Failure(f.number(), f.description() + " in argument " + std::to_string(index + 1) + " of " +
                                  cls.name + "." + member);
}

std::string defaultParamName(size_t index) {
    std::string name = "p";
    name += std::to_string(index + 1);
    return name;
}

void throwArgumentCount(size_t given, size_t lo, size_t hi, const ClassInfo& cls, const std::string& member) {
    std::string expected = lo == hi ? std::to_string(lo) : std::to_string(lo) + " to " + std::to_string(hi);
    throw Failure(err::WrongArguments, failureText(err::WrongArguments) + " (" + cls.name + "." + member +
                                           " takes " + expected + ", given " + std::to_string(given) + ")");
}

} // namespace ov::detail
