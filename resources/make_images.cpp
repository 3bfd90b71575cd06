// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the application icon and the About picture into the folder given: icon.png (for the
// desktop files) and about.png. The copies in resources/ are its output; the window draws both
// itself, at the resolution of its screen.
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
    } outputs[] = {{"icon.png", "PNG", octaval::toIndexed(octaval::makeIcon())},
                   {"about.png", "PNG", octaval::toIndexed(octaval::makeAboutPicture())}};
    for (const auto& output : outputs) {
        const QString path = folder.filePath(QString::fromLatin1(output.file));
        if (!output.image.save(path, output.format)) {
            std::fprintf(stderr, "make_images: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
