// Renders the program's icon (resource 128) as the PNG files of the desktop
// icon theme: render_icons <output dir> <name> <size>...
// writes <output dir>/<size>x<size>/apps/<name>.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "platform/ResourceImages.h"
#include "res/ResourceIds.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icons <output dir> <name> <size>...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0) return 2;
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir)) return 1;
        const QImage image = platform::RenderResourceIcon(res::IDR_MAINFRAME, size);
        if (!image.save(QStringLiteral("%1/%2.png").arg(dir, name))) return 1;
    }
    return 0;
}
