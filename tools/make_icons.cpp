// make-icons <output folder> <icon name>: the program's icon as PNGs of the hicolor
// theme's fixed sizes, <folder>/<n>x<n>/apps/<name>.png, drawn from its SVG pictures
// (the simple design below 24 pixels). The build runs it for the install.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "render/vector_art.h"

int main(int argc, char* argv[]) {
    // Rendering needs no screen; a build machine may have none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-icons <output folder> <icon name>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        const QImage icon = mervane::RenderVectorIcon(QSize(size, size));
        if (icon.isNull() || !QDir().mkpath(folder) || !icon.save(file)) {
            std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
