#pragma once
// The bodies of VR mode as 3D models. While the observer stands at the
// centre of a body, the body layer hands every body nearer than 10 million
// km to DrawBodyModel, which draws the body's model (lit from the Sun,
// turned by the camera and the body's spin) where its marker would go.
//
// CBodyModels is the cache of those models: each body's model file is
// looked for once, the first time the body is drawn near the eye, as
// "planets/<name>.ob3" below the program folder through CCmpFile (a member
// of the planet store, a plain file or its ".cmp" twin), and kept, or
// remembered as missing, for as long as the cache lives. The program makes
// one cache at start-up and gives it to its sky window (m_pModels).

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "engine/fixed_point.h"
#include "engine/object.h"

class CLumoDoc;
class CLumoWnd;
class CPlanet;
class CStoreFile;

class CBodyModels {
public:
    // store: the planet store, or null; programFolder: where the "planets"
    // folder lies and where store members are unpacked while being read.
    CBodyModels(CStoreFile* store, std::string programFolder);
    CBodyModels(const CBodyModels&) = delete;
    CBodyModels& operator=(const CBodyModels&) = delete;
    ~CBodyModels();

    // The model of the body of that name (the cache key is the exact name;
    // the file is found whatever its letter case), loaded on the first
    // request. A model that cannot be opened or read gives null, now and
    // on every later request: it is not looked for again.
    EngineObject* FindModel(const std::string& name);
    // How many model files were looked for so far.
    int32_t Loads() const { return m_nLoads; }

private:
    struct Free {
        void operator()(EngineObject* obj) const;
    };
    CStoreFile* m_pStore;
    std::string m_strFolder;
    std::map<std::string, std::unique_ptr<EngineObject, Free>> m_models;  // null: missing
    int32_t m_nLoads = 0;
};

// Nearer than this squared distance ((100 km)^2, 10 million km) a body may
// be drawn as a model.
constexpr double kModelDistanceSquared = 1.0e10;
// Depth (model file units) of a body at the eye; farther bodies lie deeper
// by a ten-thousandth of their squared distance.
constexpr int32_t kModelBaseDepth = 4000;
// The focal length models are drawn with at least.
constexpr int32_t kModelFocalFloor = 128;

// The VR branch of the body layer, for a body that passed the visibility
// tests at surface pixel (x, y) (y up) and squared distance d from the eye
// ((100 km)^2). Outside VR mode, or at d of 1e10 or more, returns 0 at once.
// Otherwise places the model at depth trunc(d / 10000 + 4000) so that it
// projects onto (x, y) and draws it through ModelMatrix, lit by the sunlight
// at the body (the surface's LightVector is set to it) with the window's
// focal length raised to 128 when it is below (for the model only: the
// surface's FocalLength is as before afterwards); returns 1 when the body
// has a model (drawn), 0 when it has none (the caller draws the marker).
int32_t DrawBodyModel(CLumoDoc& doc, CLumoWnd& wnd, CPlanet& body, int32_t x, int32_t y, double d);

// The light for a body at posKm (body-position frame, km, from the Sun) as
// the engine takes it: the direction the sunlight travels, in camera space
// (x right, y up, z away), about 127 long. Camera rows: side (positive to
// the left), up and depth, Q15 in the sky frame.
Vec3i SunLight(const double (&posKm)[3], const Vec3i& side, const Vec3i& up, const Vec3i& depth);

// The body's spin for its rotation angle (radians): a quarter turn less,
// as 1/32768 turn, truncated and kept within one turn (0 when not finite).
Angle SpinAngle(double rotationRadians);

// The model matrix: MatFromAngles(0, 16384, 0) x MatFromAngles(0, 0, spin)
// x camera (the camera's engine matrix, rows side, up, depth), with the
// first row then negated so that x points right on the screen.
MatQ15 ModelMatrix(Angle spin, const MatQ15& camera);

// The model's offset (file units) across the view for a screen offset from
// the centre (pixels) at a depth: offset x depth / focal, formed in 64 bits
// and truncated toward zero.
int32_t ModelOffset(int32_t pixels, int32_t depth, int32_t focal);
