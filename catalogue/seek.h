#pragma once
// The Seek search: the first body, then the first star (brightest first),
// whose name contains a text, letter case ignored; then the first deep-sky
// object whose designation is the text, spaces and letter case ignored
// ("m31" is "M 31", "ngc224" "NGC 224"), or whose common name contains it.

#include <array>
#include <string_view>

class CDeepSky;
class CLumoDoc;
class CPlanet;
class CStar;

constexpr const char* kNotFoundMessage = "Not found";

struct SeekResult {
    bool found = false;
    // Where to look, km, body-position frame: a body's position, or a star's
    // catalogue point turned from the sky frame ((-z, y, x) of the point).
    std::array<float, 3> target = {0, 0, 0};
    // A star's or deep-sky object's right ascension and declination,
    // radians; both 0 for a body.
    double rightAscension = 0;
    double declination = 0;
    // The record found: one of the two, or neither.
    const CPlanet* body = nullptr;
    const CStar* star = nullptr;
};

// Searches the bodies in table order, then the stars in catalogue order, for
// the first name containing text once both are folded to one letter case.
// An empty text is in every name and finds the first body. deepSky may be null.
SeekResult SeekSearch(const CLumoDoc& doc, std::string_view text,
                      const CDeepSky* deepSky = nullptr);
