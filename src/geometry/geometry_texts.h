// The texts of the geometry result sheet.
#pragma once

#include "gear_sizes.h"
#include "geometry_result.h"
#include "mesh_indices.h"
#include "pin_measurement.h"
#include "profile_shift.h"
#include "span_measurement.h"
#include "tooth_thickness.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp {

// Everything the calculation found, stage by stage.
struct GeometryQuantities {
    TransverseGeometry transverse;
    WorkingPressureAngle working;
    ProfileShift shift;
    GearSizes sizes;
    ToothThickness thickness;
    MeshIndices mesh;
    PinMeasurement pins;
    SpanMeasurement span;
};

// Every value rounded half upward to 5 decimals; the leads were already rounded
// to 2 decimals (empty for spur gears).
GeometryResult geometry_texts(const GeometryQuantities& q);

}  // namespace gp
