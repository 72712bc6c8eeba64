#pragma once
// The bodies' paths over a day, for their rise, transit and set: the
// program's own position update (ComputePositions) run at a few instants
// six hours apart on a copy of the bodies, and each body's geocentric
// vector interpolated between them (four-point Lagrange; the Moon's error
// is far below an arcsecond). A moon of another planet follows its planet.

#include <array>
#include <vector>

#include "astro/planet.h"
#include "astro/rise_set.h"
#include "astro/vec3.h"

class BodyTracks {
public:
    // Samples every body of planets from one step before jdStart to one
    // step after jdEnd (Julian days, UT; jdEnd after jdStart), steps of at
    // most six hours. planets is copied, never changed. Without a body
    // named "Earth" every track stays empty (Valid() is false).
    BodyTracks(const PlanetArray& planets, const Mat3f& eclipticMatrix, double jdStart, double jdEnd);

    bool Valid() const { return m_valid; }
    int BodyCount() const { return m_bodyCount; }
    // Indices of the Earth, the Sun and the Moon in the array, -1 when missing.
    int EarthIndex() const { return m_earth; }
    int SunIndex() const { return m_sun; }
    int MoonIndex() const { return m_moon; }
    // The body whose samples body follows (itself, or a moon's planet).
    int TrackOf(int body) const { return m_trackOf[body]; }

    // The body's vector from the Earth's centre, km, body-position frame,
    // at a Julian day within the sampled span (held at its ends outside); a
    // moon of another planet gets its planet's.
    std::array<double, 3> GeocentricKm(int body, double julianDay) const;

    // The body as the event search sees it: its geocentric direction and its
    // standard altitude (the Sun's, the Moon's from its distance, else the
    // stars' one).
    EventPlace PlaceOf(int body, double julianDay) const;

private:
    bool m_valid = false;
    int m_bodyCount = 0, m_earth = -1, m_sun = -1, m_moon = -1;
    double m_start = 0, m_step = 0;
    int m_steps = 0;
    // The body whose samples each body follows: its own, or for a moon of
    // another planet its planet's.
    std::vector<int> m_trackOf;
    // [sample][body]: geocentric vector, km.
    std::vector<std::array<double, 3>> m_samples;
};

// One body of BodyTracks as an EventTrack; a standard altitude given in
// degrees replaces the body's own (the Sun's twilights).
class BodyTrack : public EventTrack {
public:
    BodyTrack(const BodyTracks& tracks, int body) : m_tracks(tracks), m_body(body) {}
    BodyTrack(const BodyTracks& tracks, int body, double standardAltitudeDeg);
    EventPlace At(double julianDay) const override;

private:
    const BodyTracks& m_tracks;
    int m_body;
    bool m_fixedAltitude = false;
    double m_sinAltitude = 0;
};

// Every body's rise, transit and set in [jdStart, jdEnd) at place, in the
// array's order (the Earth's entry stays empty: kind NeverRises, no events;
// a moon of another planet gets its planet's).
std::vector<DayEvents> AllBodyEvents(const BodyTracks& tracks, const EarthPlace& place,
                                     double jdStart, double jdEnd);

// The Sun's twilights in [jdStart, jdEnd): in each, the rises are the
// mornings' beginnings and the sets the evenings' ends.
struct Twilights {
    DayEvents civil, nautical, astronomical;
};
Twilights SunTwilights(const BodyTracks& tracks, const EarthPlace& place, double jdStart,
                       double jdEnd);
