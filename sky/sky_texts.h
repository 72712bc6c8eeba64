#pragma once
// Texts the sky window shows: the locked-view message and the lines of the
// Star and Planet dialogs.

#include <string>
#include <vector>

class CStar;
class CPlanet;
struct DeepSkyObject;

constexpr const char* kLockedViewMessage =
    "The view is locked on an object. Please, unlock the view to rotate the view";

// The Star dialog's five lines: name, magnitude, type, right ascension, declination.
std::vector<std::string> StarInfoLines(const CStar& star);
// The deep-sky box's lines: designation (and the other one), common name
// when there is one, type in words, magnitude ("none" without one), size in
// arcminutes, right ascension and declination as in the Star dialog.
std::vector<std::string> DeepSkyInfoLines(const DeepSkyObject& object);
// The Planet dialog's eleven lines, in dialog order ("Inclination:" keeps its
// template text).
std::vector<std::string> PlanetInfoLines(const CPlanet& planet);
// "Right ascension: %c%.0fh %.3fm" of an angle in radians.
std::string RightAscensionLine(double radians);
// "Declination: %c%.0fº %.3fm" of an angle in radians.
std::string DeclinationLine(double radians);
