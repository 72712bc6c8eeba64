// lumo-mkicon FOLDER: writes the program's icon for the desktop's menus as
// FOLDER/<side>x<side>/apps/lumo.png (the layout of an icon theme), one for
// each installed side.

#include <QDir>
#include <QImage>
#include <cstdio>

#include "app/qt/pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumo-mkicon FOLDER\n");
        return 2;
    }
    for (int side : kProgramIconSides) {
        const QString folder = QString("%1/%2x%2/apps").arg(argv[1]).arg(side);
        if (!QDir().mkpath(folder) || !ProgramIconImage(side).save(folder + "/lumo.png", "PNG")) {
            std::fprintf(stderr, "lumo-mkicon: cannot write %s/lumo.png\n",
                         folder.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
