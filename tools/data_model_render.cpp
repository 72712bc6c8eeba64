#include "tools/data_model_render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/matrix_q15.h"
#include "engine/png_export.h"
#include "engine/render_object.h"
#include "engine/surface.h"
#include "engine/trig_tables.h"

namespace {

constexpr int32_t kLargestPicture = 4096;
constexpr uint8_t kBlack = 10;

// Reads "a,b,c" (three numbers) or "WxH".
bool ParseNumbers(const char* text, char separator, double* out, int count) {
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        char* end = nullptr;
        out[i] = std::strtod(p, &end);
        if (end == p || !std::isfinite(out[i])) return false;
        p = end;
        if (i + 1 < count) {
            if (*p != separator) return false;
            ++p;
        }
    }
    return *p == '\0';
}

Angle DegreesToAngle(double degrees) {
    return static_cast<Angle>(std::lround(std::fmod(degrees, 360.0) / 360.0 * kAngleFullTurn));
}

}  // namespace

bool ParseRenderOptions(int argc, char** argv, ModelView& view, std::string& out,
                        std::string& error) {
    for (int i = 0; i < argc; ++i) {
        const char* option = argv[i];
        if (i + 1 >= argc) {
            error = std::string(option) + " wants a value";
            return false;
        }
        const char* value = argv[++i];
        if (std::strcmp(option, "--render") == 0) {
            out = value;
        } else if (std::strcmp(option, "--angle") == 0) {
            if (!ParseNumbers(value, ',', view.AngleDegrees, 3)) {
                error = "--angle wants three numbers of degrees, as 30,0,-15";
                return false;
            }
        } else if (std::strcmp(option, "--distance") == 0) {
            double z = 0;
            if (!ParseNumbers(value, ',', &z, 1) || z < 1 || z > 2e9) {
                error = "--distance wants a depth from 1 to 2000000000";
                return false;
            }
            view.Distance = static_cast<int64_t>(z);
        } else if (std::strcmp(option, "--size") == 0) {
            double size[2] = {};
            if (!ParseNumbers(value, 'x', size, 2) || size[0] < 1 || size[1] < 1 ||
                size[0] > kLargestPicture || size[1] > kLargestPicture) {
                error = "--size wants WxH, each 1 to 4096";
                return false;
            }
            view.Width = static_cast<int32_t>(size[0]);
            view.Height = static_cast<int32_t>(size[1]);
        } else {
            error = std::string("unknown option ") + option;
            return false;
        }
    }
    return true;
}

int64_t FitDistance(const EngineObject& obj, int32_t width, int32_t height, int32_t focal) {
    double radius = 1;
    const int shift = obj.ScaleShift;
    for (int i = 0; i < obj.FaceCount; ++i) {
        const Face& f = obj.Faces[i];
        const int count = std::min<int>(f.VertexCount, kMaxFaceVertices);
        for (int v = 0; v < count; ++v) {
            const double x = f.Vertices[v][0] >> shift, y = f.Vertices[v][1] >> shift,
                         z = f.Vertices[v][2] >> shift;
            double reach = std::sqrt(x * x + y * y + z * z);
            if (f.Kind == kFaceSphere && v == 1) reach += std::abs(f.TexHeight);
            radius = std::max(radius, reach);
        }
    }
    const double fit = radius * focal / (0.4 * std::min(width, height));
    return static_cast<int64_t>(std::min(std::max(fit, 2 * radius), 2e9));
}

bool RenderModelPicture(EngineObject& obj, const ModelView& view, const std::string& path,
                        std::string& error, int64_t* used) {
    EngineTablesInit();
    Surface surface;
    if (!SurfaceCreate(surface, view.Width, view.Height)) {
        error = "cannot make a picture of that size";
        return false;
    }
    SurfaceClear(surface, kBlack);
    SurfaceBeginFrame(surface, 256);
    const int64_t distance = view.Distance > 0
                                 ? view.Distance
                                 : FitDistance(obj, surface.Stride, surface.Height, surface.FocalLength);
    const MatQ15 m =
        MatFromAngles(DegreesToAngle(view.AngleDegrees[0]), DegreesToAngle(view.AngleDegrees[1]),
                      DegreesToAngle(view.AngleDegrees[2]));
    RenderObject(surface, obj, m, 0, 0, static_cast<int32_t>(distance));
    SurfaceEndFrame(surface);
    if (used) *used = distance;
    return SurfaceSavePng(surface, path, &error);
}
