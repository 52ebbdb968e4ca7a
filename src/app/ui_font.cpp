#include "ui_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace tolvaran {

QFont chineseFont(qreal pointSize) {
    QStringList families = {QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                            QStringLiteral("WenQuanYi Micro Hei"),
                            QStringLiteral("Noto Sans CJK SC"),
                            QStringLiteral("Source Han Sans SC")};
    // Whatever else is installed that writes Simplified Chinese comes last.
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const QString& family : chinese) {
        if (!families.contains(family)) {
            families << family;
        }
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace tolvaran
