#pragma once

#include <QString>
#include <QStringMatcher>
#include <QStringView>

namespace tolvaran {

// Folds letter case the same way for every text the search compares, in every script that
// has case (A/a, É/é, Ä/ä, Ｆ/ｆ).
QString foldedText(const QString& text);

// A LIKE pattern over case-folded text: "%" stands for any run of characters (none included),
// "_" for exactly one character, and every other character for itself. Both the pattern and
// the texts it is matched against must be folded with foldedText().
class LikePattern {
public:
    explicit LikePattern(const QString& foldedPattern);

    bool matches(QStringView foldedText) const;

private:
    bool matchesWildcards(QStringView text) const;

    QString m_pattern;
    // The usual search "%term%" with no wildcard inside the term is a plain substring search.
    bool m_substring = false;
    QStringMatcher m_matcher;
};

}  // namespace tolvaran
