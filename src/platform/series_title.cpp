#include "series_title.h"

namespace tolvaran {
namespace {

QString& storage() {
    static QString title;
    return title;
}

}  // namespace

QString seriesTitle() {
    return storage();
}

void setSeriesTitle(const QString& title) {
    storage() = title;
}

}  // namespace tolvaran
