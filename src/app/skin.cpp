#include "skin.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace tolvaran {
namespace {

constexpr qint64 kMaxSkinBytes = 1024 * 1024;

}  // namespace

std::optional<QString> readSkin(const QString& path) {
    const QFileInfo info(path);
    // Only an ordinary file: a pipe or a device of that name must not stall the start.
    if (!info.isFile() || info.size() > kMaxSkinBytes) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxSkinBytes + 1);
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError() || bytes.contains('\0') || text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    return text;
}

bool applySkin(QApplication& app, const QString& path, const HsvShift& shift) {
    const std::optional<QString> skin = readSkin(path);
    if (!skin) {
        return false;
    }
    app.setStyleSheet(shiftedStyleSheet(*skin, shift));
    return true;
}

}  // namespace tolvaran
