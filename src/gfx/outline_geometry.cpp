#include "gfx/outline_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kFringe = 0.5f;
constexpr double kPi = 3.14159265358979323846;

// Adds a centre vertex and a closed outline given as inner and outer points.
void AppendFan(ShapeMesh& mesh, PointF centre, const PointF* inner, const PointF* outer,
               int count) {
    const int base = static_cast<int>(mesh.vertices.size());
    mesh.vertices.push_back({centre.x, centre.y, 1.0f});
    for (int i = 0; i < count; ++i) {
        mesh.vertices.push_back({inner[i].x, inner[i].y, 1.0f});
        mesh.vertices.push_back({outer[i].x, outer[i].y, 0.0f});
    }
    for (int i = 0; i < count; ++i) {
        const int next = (i + 1) % count;
        const int in0 = base + 1 + 2 * i, out0 = in0 + 1;
        const int in1 = base + 1 + 2 * next, out1 = in1 + 1;
        mesh.indices.insert(mesh.indices.end(), {base, in0, in1, in0, out0, out1, in0, out1, in1});
    }
}

}  // namespace

void AppendCapsule(ShapeMesh& mesh, PointF from, PointF to, float width) {
    const float radius = width * 0.5f;
    float dx = to.x - from.x, dy = to.y - from.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length > 0.0f) {
        dx /= length;
        dy /= length;
    } else {
        dx = 1.0f;
        dy = 0.0f;
    }
    const int arcSteps = std::clamp(static_cast<int>(std::ceil(radius * 2.0f)), 3, 16);
    constexpr int kMaxPoints = 2 * (16 + 1);
    PointF inner[kMaxPoints], outer[kMaxPoints];
    const float innerRadius = std::max(radius - kFringe, 0.0f);
    const float outerRadius = radius + kFringe;
    int count = 0;
    // Half a circle round the end point, then half a circle round the start point.
    for (int cap = 0; cap < 2; ++cap) {
        const PointF centre = cap == 0 ? to : from;
        for (int i = 0; i <= arcSteps; ++i) {
            const double angle = -kPi / 2 + kPi * i / arcSteps + (cap == 0 ? 0.0 : kPi);
            const float c = static_cast<float>(std::cos(angle));
            const float s = static_cast<float>(std::sin(angle));
            // Along the line by c, across it by s.
            const float ux = c * dx - s * dy, uy = c * dy + s * dx;
            inner[count] = {centre.x + innerRadius * ux, centre.y + innerRadius * uy};
            outer[count] = {centre.x + outerRadius * ux, centre.y + outerRadius * uy};
            ++count;
        }
    }
    const PointF middle{(from.x + to.x) * 0.5f, (from.y + to.y) * 0.5f};
    AppendFan(mesh, middle, inner, outer, count);
}

void AppendEllipse(ShapeMesh& mesh, PointF centre, float radiusX, float radiusY) {
    if (radiusX <= 0.0f || radiusY <= 0.0f) return;
    const float largest = std::max(radiusX, radiusY);
    const int steps = std::clamp(static_cast<int>(std::ceil(largest)), 16, 96);
    std::vector<PointF> inner(steps), outer(steps);
    for (int i = 0; i < steps; ++i) {
        const double angle = 2.0 * kPi * i / steps;
        const float c = static_cast<float>(std::cos(angle));
        const float s = static_cast<float>(std::sin(angle));
        inner[i] = {centre.x + std::max(radiusX - kFringe, 0.0f) * c,
                    centre.y + std::max(radiusY - kFringe, 0.0f) * s};
        outer[i] = {centre.x + (radiusX + kFringe) * c, centre.y + (radiusY + kFringe) * s};
    }
    AppendFan(mesh, centre, inner.data(), outer.data(), steps);
}
