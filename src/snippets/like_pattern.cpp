#include "like_pattern.h"

#include <QChar>

namespace tolvaran {
namespace {

constexpr char32_t kAnyRun = U'%';
constexpr char32_t kAnyOne = U'_';
constexpr char32_t kReplacement = 0xFFFD;

// Reads one code point at `pos` and advances past it. Malformed sequences yield U+FFFD and
// advance by one byte, so a damaged text still matches byte-for-byte sensibly.
char32_t nextCodePoint(std::string_view s, size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return kReplacement;
    }
    if (pos + extra > s.size()) {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
        const auto cont = static_cast<unsigned char>(s[pos + i]);
        if ((cont & 0xC0) != 0x80) {
            return kReplacement;
        }
        cp = (cp << 6) | (cont & 0x3F);
    }
    pos += extra;
    return cp;
}

}  // namespace

char32_t foldCase(char32_t c) {
    if (c < 0x80) {
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    }
    return QChar::toCaseFolded(c);
}

std::u32string foldedCodePoints(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        out.push_back(foldCase(nextCodePoint(utf8, pos)));
    }
    return out;
}

LikePattern::LikePattern(std::string_view utf8Pattern) : m_folded(foldedCodePoints(utf8Pattern)) {}

// Iterative wildcard matching with one backtrack point (the latest "%"): linear for the usual
// "%term%" and never recursive, whatever the pattern holds.
bool LikePattern::matches(std::string_view text) const {
    const std::u32string& p = m_folded;
    size_t pi = 0;
    size_t ti = 0;
    size_t starP = std::u32string::npos;
    size_t starT = 0;
    while (ti < text.size()) {
        size_t next = ti;
        const char32_t c = foldCase(nextCodePoint(text, next));
        if (pi < p.size() && p[pi] == kAnyRun) {
            starP = pi++;
            starT = ti;
            continue;
        }
        if (pi < p.size() && (p[pi] == kAnyOne || p[pi] == c)) {
            ++pi;
            ti = next;
            continue;
        }
        if (starP == std::u32string::npos) {
            return false;
        }
        // Let the last "%" swallow one more character and try again from there.
        pi = starP + 1;
        nextCodePoint(text, starT);
        ti = starT;
    }
    while (pi < p.size() && p[pi] == kAnyRun) {
        ++pi;
    }
    return pi == p.size();
}

}  // namespace tolvaran
