#pragma once

#include <QString>
#include <optional>

namespace tolvaran {

// One row of table u as the maintainer's tool writes and reads it. Either column may be NULL:
// the program must cope with files that this tool did not write.
struct SnippetRow {
    std::optional<QString> name;
    std::optional<QString> command;
};

}  // namespace tolvaran
