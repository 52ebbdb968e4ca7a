#include "multimedia.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <mmsystem.h>
#include <windows.h>
#endif

namespace tolvaran {

void closeAllMultimedia() {
#ifdef Q_OS_WIN
    mciSendStringA("close all", nullptr, 0, nullptr);
#endif
}

}  // namespace tolvaran
