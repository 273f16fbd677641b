#pragma once

#include <string>

// A readable, stable test-case name from a case's description: letters and
// digits kept, every other run of characters starting a new capitalised word
// ("third moves up" -> "ThirdMovesUp", "6.0.2900" -> "6_0_2900" where digits
// meet). ctest lists the same names in every build, so a case can be filtered
// and rerun by name.
inline std::string caseName(const std::string &text)
{
    std::string name;
    bool newWord = true;
    for (const char c : text) {
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum) {
            newWord = true;
            continue;
        }
        if (newWord && !name.empty() && (c >= '0' && c <= '9') && (name.back() >= '0' && name.back() <= '9'))
            name += '_';
        name += (newWord && c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
        newWord = false;
    }
    return name.empty() ? std::string("Empty") : name;
}

// The generator for a case struct whose description is its `name` member.
struct ByCaseName {
    template <typename Info> std::string operator()(const Info &info) const { return caseName(info.param.name); }
};
