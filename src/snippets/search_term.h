#pragma once

#include <QString>

namespace tolvaran {

// The term a search runs with: the search box's text less the spaces at both ends, both the
// ordinary space and the full-width one that Chinese input methods type. Nothing else is
// removed or changed; spaces inside the term stay.
QString searchTerm(const QString& boxText);

}  // namespace tolvaran
