#pragma once

#include <string>
#include <string_view>

namespace tolvaran {

// A LIKE pattern as the snippet search understands it: "%" stands for any run of characters
// (none included), "_" for exactly one character, and every other character matches itself
// regardless of letter case, for every script that has case (A/a, É/é, Ä/ä, Ｆ/ｆ).
// The pattern is folded once; match() folds the text as it goes and allocates nothing.
class LikePattern {
public:
    explicit LikePattern(std::string_view utf8Pattern);

    bool matches(std::string_view utf8Text) const;

private:
    std::u32string m_folded;
};

// Simple Unicode case folding of one code point (the fold that makes "É" and "é" equal).
char32_t foldCase(char32_t c);

// Decodes UTF-8 into folded code points; invalid bytes become U+FFFD, one per byte.
std::u32string foldedCodePoints(std::string_view utf8);

}  // namespace tolvaran
