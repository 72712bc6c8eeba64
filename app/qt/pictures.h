#pragma once
// The program's own pictures: the splash and About picture (210 x 80, drawn
// with the engine like the sky itself) and the four 16 x 16 command images.

#include <QIcon>
#include <QImage>

// The splash and About picture: a small starry sky with the program's name.
QImage SplashPicture();

enum class CommandImage { Where, ViewOptions, VR, Help };
QIcon CommandIcon(CommandImage which);
// The program's icon, a square picture of side pixels: the window's icon,
// and the icon installed for the desktop's menus in each of these sides.
QImage ProgramIconImage(int side);
constexpr int kProgramIconSides[] = {16, 32, 48, 64, 128, 256};
QIcon ProgramIcon();
