#include "astro/local_frame.h"

#include <cmath>

void LocalFrame(CPlanet* body, float latitude, float longitude, CPlanet*& observerBody,
                Vec3f& zenith, Vec3f& east, Vec3f& south) {
    observerBody = body;
    double phi = latitude;
    double theta = longitude + (body ? body->m_dRotationAngle : 0.0);
    zenith = {static_cast<float>(std::cos(phi) * std::sin(theta)), static_cast<float>(std::sin(phi)),
              static_cast<float>(std::cos(phi) * std::cos(theta))};
    // East is horizontal and perpendicular to the zenith: the pole (0, 1, 0)
    // crossed with the zenith. This is the direction of (-z/x, 0, 1), negated
    // when x > 0, without the division, so it stays right when the zenith's x
    // is zero. At a pole, where every horizontal direction will do, (0, 0, 1).
    Vec3f e = {zenith[2], 0, -zenith[0]};
    if (zenith[0] == 0 && zenith[2] == 0) e = {0, 0, 1};
    east = Vec3Normalize(e);
    south = Vec3Cross(east, zenith);
}
