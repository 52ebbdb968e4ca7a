#include "search_term.h"

namespace tolvaran {
namespace {

bool isTrimmedSpace(QChar c) {
    return c == QChar(0x0020) || c == QChar(0x3000);
}

}  // namespace

QString searchTerm(const QString& boxText) {
    qsizetype begin = 0;
    qsizetype end = boxText.size();
    while (begin < end && isTrimmedSpace(boxText[begin])) {
        ++begin;
    }
    while (end > begin && isTrimmedSpace(boxText[end - 1])) {
        --end;
    }
    return boxText.mid(begin, end - begin);
}

}  // namespace tolvaran
