#pragma once
// Antialiased filled shapes as triangles: a solid inner outline half a pixel inside the edge,
// a transparent outer outline half a pixel outside, and a fan from the centre.

#include <vector>

#include "gfx/drawing_surface.h"

struct ShapeVertex {
    float x, y;
    float coverage;  // 1 inside, 0 on the outer fringe
};

struct ShapeMesh {
    std::vector<ShapeVertex> vertices;
    std::vector<int> indices;  // triangles
    void Clear() {
        vertices.clear();
        indices.clear();
    }
};

// A line of the given width with round caps reaching width / 2 past each end.
void AppendCapsule(ShapeMesh& mesh, PointF from, PointF to, float width);

// A filled ellipse.
void AppendEllipse(ShapeMesh& mesh, PointF centre, float radiusX, float radiusY);
