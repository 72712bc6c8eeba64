#pragma once
// `lumo render --out FILE.png [--time YYYY-MM-DDTHH:MM:SS] [--utc]
//  [--lat DEG --lon DEG] [--view horizon|equatorial] [--az UNITS --el UNITS]
//  [--zoom N] [--size WxH] [--mag-limit M] [--name-limit M] [--layers LIST]
//  [--vr BODY] [--scale S]`:
// one complete paint of the sky window, saved as a palettised PNG. The
// document comes from stars.db in the program folder (read, never saved)
// with the options put over its settings; the chosen time defaults to now,
// the size (the sky window's client area) to 640 x 480. The picture is the
// window's surface: two columns wider than the client area, rounded up to a
// multiple of four, exactly the pixels the window shows.
// LIST names the layers to draw, comma-separated, from grid, ecliptic,
// horizon, ground, figures, names, bounds, local and daylight (the sky
// coloured by the Sun's altitude in Horizon view, stars fainter than it
// lets through left out); the others are turned off.
// --vr BODY puts the observer at the centre of the body (by its exact name,
// "Jupiter") in VR mode, the ground off: the bodies near it are drawn as
// their models from planets.sto beside the program.
// S (0.5 to 8, default 1) paints the window as a screen of S device pixels
// per pixel shows it: the surface is S times the size (rounded), with text,
// markers and the Moon S times as large; the view's angles are the same.

#include <iosfwd>

// args are the words after "render". Returns the exit status: 0, 1 when the
// picture could not be made or written, 2 for a usage error (with a message
// on err). On success says on out where the picture went.
int RunRender(int argc, char** args, std::ostream& out, std::ostream& err);
