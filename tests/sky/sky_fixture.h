#pragma once
// A sky window on a test document: a client area of the test's choosing, a
// host that records what it was asked to present, no time source (so the
// positions a test sets by hand stay), and helpers to put stars and bodies
// where a test wants them.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/frames.h"
#include "astro/reference_lines.h"
#include "catalogue/lumo_doc.h"
#include "engine/palette.h"
#include "sky/lumo_wnd.h"
#include "tests/engine/frame_check.h"

class RecordingHost : public SkyHost {
public:
    int32_t width = 320, height = 240;
    int presents = 0;
    PresentedFrame last;
    void GetClientSize(int32_t& w, int32_t& h) const override {
        w = width;
        h = height;
    }
    void Present(const PresentedFrame& frame) override {
        ++presents;
        last = frame;
    }
    // What the stylus handlers asked for.
    bool timerRunning = false, captured = false;
    int lockedMessages = 0;
    bool heldAtMessage = false;  // the stylus captured or the timer running when a box was shown
    const CStar* starShown = nullptr;
    const CPlanet* planetShown = nullptr;
    const DeepSkyObject* deepSkyShown = nullptr;
    void StartTimer(int32_t, int32_t) override { timerRunning = true; }
    void StopTimer(int32_t) override { timerRunning = false; }
    void CaptureStylus() override { captured = true; }
    void ReleaseStylus() override { captured = false; }
    void ShowLockedMessage() override {
        ++lockedMessages;
        heldAtMessage = heldAtMessage || captured || timerRunning;
    }
    void ShowStarInfo(const CStar& star) override { starShown = &star; }
    void ShowPlanetInfo(const CPlanet& planet) override { planetShown = &planet; }
    void ShowDeepSkyInfo(const DeepSkyObject& object) override { deepSkyShown = &object; }
};

// A direction of right ascension and declination (degrees) as a sky point.
inline SkyPoint SkyPointAt(double raDeg, double decDeg) {
    SkyPoint p{.a = static_cast<float>(raDeg * kDegToRad), .b = static_cast<float>(decDeg * kDegToRad)};
    MakeSkyPoint(p, 1.0);
    return p;
}

class SkyWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        wnd.Connect(&doc, &host, nullptr, &tools);
        tools.Create();
        wnd.OnCreate();
    }

    // Creates the surface for the host's client area.
    void Size(int32_t width, int32_t height) {
        host.width = width;
        host.height = height;
        wnd.OnSize();
    }

    // An empty sky: no line work, no stars, and every body far behind an
    // Equatorial view centred on right ascension 0h, declination 0; the eye at
    // the Earth's centre (radius 0) at the origin. Positions are kept as set
    // (no time source).
    void EmptySky() {
        doc.m_bGrid = doc.m_bEcliptic = doc.m_bHorizon = doc.m_bFigures = doc.m_bConstNames =
            doc.m_bBounds = 0;
        doc.m_nViewMode = 0;
        doc.m_stars.clear();
        for (auto& body : doc.m_planets) PlaceBody(body->m_strName, -1e9, 0, 0);
        CPlanet* earth = Body("Earth");
        earth->m_fRadius = 0;
        earth->m_dPos[0] = earth->m_dPos[1] = earth->m_dPos[2] = 0;
    }

    CPlanet* Body(const std::string& name) { return FindPlanet(doc.m_planets, name); }

    // Puts a body at a sky-frame position, km (x to 0h, y to the pole, z to 18h).
    void PlaceBody(const std::string& name, double x, double y, double z) {
        std::array<double, 3> body = BodyFromSky(std::array<double, 3>{x, y, z});
        CPlanet* b = Body(name);
        ASSERT_NE(b, nullptr) << name;
        for (int k = 0; k < 3; ++k) b->m_dPos[k] = body[k];
    }

    CStar* AddStar(const std::string& name, float magnitude, double raDeg, double decDeg) {
        auto star = std::make_unique<CStar>();
        star->m_strName = name;
        star->m_fMagnitude = magnitude;
        star->m_pos = SkyPointAt(raDeg, decDeg);
        doc.m_stars.push_back(std::move(star));
        return doc.m_stars.back().get();
    }

    const Surface& S() const { return wnd.m_Surface; }
    // Surface pixel of a window point (y down), as the stored positions are.
    uint8_t WindowPixel(int32_t x, int32_t windowY) const { return PixelOf(S(), x, S().Height - windowY); }
    bool OnScreen(const std::array<int32_t, 2>& pt) const { return pt[0] != kOffScreen || pt[1] != kOffScreen; }
    // Where the latest paint drew a star or a body, as the hit table keeps it.
    std::array<int32_t, 2> ScreenOf(const CStar* star) const {
        return MarkOf(wnd.m_hits.stars, IndexIn(doc.m_stars, star));
    }
    std::array<int32_t, 2> ScreenOf(const CPlanet* body) const {
        return MarkOf(wnd.m_hits.bodies, IndexIn(doc.m_planets, body));
    }
    template <class List, class T>
    static int32_t IndexIn(const List& list, const T* item) {
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].get() == item) return static_cast<int32_t>(i);
        return -1;
    }
    // Pixels holding a palette index, leaving out the last column (a clear
    // keeps it, and the window never shows it).
    int CountVisible(uint8_t index) const {
        int n = 0;
        for (int32_t y = 0; y < S().Height; ++y)
            for (int32_t x = 0; x + 1 < S().Stride; ++x) n += PixelOf(S(), x, y) == index;
        return n;
    }
    // The same for the palette index nearest to a colour.
    int CountColour(ColorRef colour) const {
        return CountVisible(NearestPaletteIndex(S().MemoryDC.Palette, colour));
    }

    std::vector<uint8_t> Frame() const { return {S().Bits, S().Bits + S().Stride * S().Height}; }

    CLumoDoc doc;
    RecordingHost host;
    SkyTools tools;
    CLumoWnd wnd;
};

// An empty sky on a 318 x 240 client area: stride 320, centre (160, 120),
// F = 256 at the default zoom.
class EmptySkyTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(318, 240);
        EmptySky();
    }
};
