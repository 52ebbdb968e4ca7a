#include "sql_functions.h"

#include <sqlite3.h>

#include <string_view>

#include "like_pattern.h"

namespace tolvaran {
namespace {

std::string_view textOf(sqlite3_value* v) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return {bytes, static_cast<size_t>(sqlite3_value_bytes(v))};
}

void deletePattern(void* p) {
    delete static_cast<LikePattern*>(p);
}

// like(pattern, text): NULL when either side is NULL, as the built-in does. The folded pattern
// is kept with the statement, so a scan folds it once, not once a row.
void likeFunction(sqlite3_context* ctx, int /*argc*/, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    if (pattern == nullptr) {
        pattern = new LikePattern(textOf(argv[0]));
        sqlite3_set_auxdata(ctx, 0, pattern, deletePattern);
        // set_auxdata may already have freed it; ask again rather than trusting the pointer.
        pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
        if (pattern == nullptr) {
            const LikePattern once(textOf(argv[0]));
            sqlite3_result_int(ctx, once.matches(textOf(argv[1])) ? 1 : 0);
            return;
        }
    }
    sqlite3_result_int(ctx, pattern->matches(textOf(argv[1])) ? 1 : 0);
}

int compareFolded(void* /*unused*/, int lenA, const void* a, int lenB, const void* b) {
    const std::u32string fa =
        foldedCodePoints({static_cast<const char*>(a), static_cast<size_t>(lenA)});
    const std::u32string fb =
        foldedCodePoints({static_cast<const char*>(b), static_cast<size_t>(lenB)});
    return fa.compare(fb);
}

}  // namespace

int registerSnippetFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_collation(db, kUnicodeNoCase, SQLITE_UTF8, nullptr, compareFolded);
    }
    return rc;
}

}  // namespace tolvaran
