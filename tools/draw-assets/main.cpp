#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <functional>
#include <vector>

#include "pictures.h"

namespace {

using tolvaran::art::drawBanner;
using tolvaran::art::drawCloseGlyph;
using tolvaran::art::drawFrame;
using tolvaran::art::drawHandCursor;
using tolvaran::art::drawTitleButtons;

struct Picture {
    QString name;
    QSize logicalSize;
    std::function<QImage(int)> draw;
};

// Writes name.png at 1x and name@2x.png at 2x; both are drawn, neither is scaled from the other.
bool writePicture(const QDir& outDir, const Picture& picture) {
    for (int scale : {1, 2}) {
        const QImage image = picture.draw(scale);
        if (image.size() != picture.logicalSize * scale) {
            std::fprintf(stderr, "%s drawn at %dx has the wrong size\n", qPrintable(picture.name),
                         scale);
            return false;
        }
        const QString file =
            outDir.filePath(picture.name + (scale == 1 ? QString() : QStringLiteral("@2x")) +
                            QStringLiteral(".png"));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing needs no screen; run headless unless a platform was chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tolvaran-draw-assets OUTDIR\n");
        return 2;
    }
    QDir outDir(args.at(1));
    if (!outDir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }

    const std::vector<Picture> pictures = {
        {QStringLiteral("frame"), QSize(13, 101), drawFrame},
        {QStringLiteral("title-buttons"), QSize(70, 69), drawTitleButtons},
        {QStringLiteral("banner"), QSize(428, 70), drawBanner},
        {QStringLiteral("close-glyph"), QSize(21, 21), drawCloseGlyph},
        {QStringLiteral("hand-cursor"), QSize(32, 32), drawHandCursor},
    };
    for (const Picture& picture : pictures) {
        if (!writePicture(outDir, picture)) {
            return 1;
        }
    }
    return 0;
}
