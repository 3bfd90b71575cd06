// Draws the application icon and the About picture into the folder given, as icon.png and
// about.png; the copies in resources/ are its output.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "images.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* file;
        QImage image;
    } outputs[] = {{"icon.png", octaval::makeIcon()}, {"about.png", octaval::makeAboutPicture()}};
    for (const auto& output : outputs) {
        const QString path = folder.filePath(QString::fromLatin1(output.file));
        if (!output.image.save(path, "PNG")) {
            std::fprintf(stderr, "make_images: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
