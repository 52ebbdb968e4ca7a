#pragma once

#include <QString>
#include <optional>

#include "skin_colors.h"

class QApplication;

namespace tolvaran {

// The skin is a Qt style sheet kept in the file skinh.she beside the program. Reads it, or
// nothing when the file is missing, too large, no text, or empty.
std::optional<QString> readSkin(const QString& path);

// Gives the whole program the skin's look, its colours shifted; without a usable skin file the
// desktop's own look stays. Returns whether a skin was applied.
bool applySkin(QApplication& app, const QString& path, const HsvShift& shift);

}  // namespace tolvaran
