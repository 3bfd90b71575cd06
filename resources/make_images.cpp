// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the application icon and the About picture into the folder given: icon.xpm (which the
// window loads), icon.png (for the desktop files) and about.png. The copies in resources/ are its
// output.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "resources/images.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* file;
        const char* format;
        QImage image;
    } outputs[] = {{"icon.xpm", "XPM", octaval::makeIcon()},
                   {"icon.png", "PNG", octaval::makeIcon()},
                   {"about.png", "PNG", octaval::makeAboutPicture()}};
    for (const auto& output : outputs) {
        const QString path = folder.filePath(QString::fromLatin1(output.file));
        if (!output.image.save(path, output.format)) {
            std::fprintf(stderr, "make_images: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
