#include "like_pattern.h"

namespace tolvaran {
namespace {

constexpr QChar kAnyRun = QLatin1Char('%');
constexpr QChar kAnyOne = QLatin1Char('_');

// Steps over one character, a surrogate pair counting as one.
qsizetype nextCharacter(QStringView s, qsizetype at) {
    if (s[at].isHighSurrogate() && at + 1 < s.size() && s[at + 1].isLowSurrogate()) {
        return at + 2;
    }
    return at + 1;
}

bool hasWildcard(QStringView s) {
    return s.contains(kAnyRun) || s.contains(kAnyOne);
}

}  // namespace

QString foldedText(const QString& text) {
    return text.toCaseFolded();
}

LikePattern::LikePattern(const QString& foldedPattern) : m_pattern(foldedPattern) {
    const qsizetype n = m_pattern.size();
    if (n >= 2 && m_pattern.front() == kAnyRun && m_pattern.back() == kAnyRun &&
        !hasWildcard(QStringView(m_pattern).mid(1, n - 2))) {
        m_substring = true;
        m_matcher.setPattern(m_pattern.mid(1, n - 2));
        m_matcher.setCaseSensitivity(Qt::CaseSensitive);
    }
}

bool LikePattern::matches(QStringView text) const {
    if (m_substring) {
        return m_matcher.indexIn(text) >= 0;
    }
    return matchesWildcards(text);
}

// Iterative matching with one backtrack point (the latest "%"): linear for the usual patterns
// and never recursive, whatever the pattern holds.
bool LikePattern::matchesWildcards(QStringView text) const {
    const QStringView p(m_pattern);
    qsizetype pi = 0;
    qsizetype ti = 0;
    qsizetype starP = -1;
    qsizetype starT = 0;
    while (ti < text.size()) {
        if (pi < p.size() && p[pi] == kAnyRun) {
            starP = pi++;
            starT = ti;
            continue;
        }
        if (pi < p.size() && p[pi] == kAnyOne) {
            ++pi;
            ti = nextCharacter(text, ti);
            continue;
        }
        if (pi < p.size() && p[pi] == text[ti]) {
            ++pi;
            ++ti;
            continue;
        }
        if (starP < 0) {
            return false;
        }
        // Let the last "%" swallow one more character and try again from there.
        pi = starP + 1;
        starT = nextCharacter(text, starT);
        ti = starT;
    }
    while (pi < p.size() && p[pi] == kAnyRun) {
        ++pi;
    }
    return pi == p.size();
}

}  // namespace tolvaran
