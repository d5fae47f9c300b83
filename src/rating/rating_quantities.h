// The quantities a rating reports, in the order they are shown and written: each
// with its Chinese name, symbol and unit, whether it has a value per gear, and how
// to read it from a result. The rating sheet, its text report and the batch tool
// all list them from here.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rating_result.h"

namespace gp::rating {

// The groups of the result sheet, in their order.
enum class QuantityGroup { Geometry, LoadFactors, Pitting, Bending, Capacity };

// A factor that can be typed in place of its calculation (shown "给定").
enum class GivenFactor { None, Kv, KHbeta, KHalpha };

struct RatingQuantity {
    const char* key;  // column name; per gear the batch columns add 1 and 2
    QuantityGroup group;
    bool per_gear;       // a value for the pinion and one for the wheel
    bool in_batch;       // one of the batch tool's columns
    const char* name;    // Chinese name
    const char* symbol;  // as printed ("KHβ", "σHP")
    const char* unit;    // empty for a number without unit
    GivenFactor given;
    // The value for gear 0 or 1 (pair values ignore the gear); empty where the
    // calculation was skipped because a factor was given, or no life was typed.
    std::optional<double> (*value)(const RatingResult& r, int gear);
    // For a safety factor, the minimum it is held against (SHmin, SFmin): the sheet
    // marks it met or not. nullptr for every other quantity.
    double (*minimum)(const RatingResult& r) = nullptr;
};

// Whether a safety factor meets its minimum; true for any other quantity.
bool meets_minimum(const RatingQuantity& q, const RatingResult& r, int gear);

// The power the pinion transmits at torque T (N·m) and speed n1 (1/min), kW.
double power_kw(double torque, double n1);

std::span<const RatingQuantity> rating_quantities();

const char* group_name(QuantityGroup group);
const char* kv_range_name(KvRange range);
bool is_given(const RatingResult& r, GivenFactor factor);

// The batch tool's value columns, in order: each batch quantity, per gear twice.
std::vector<std::string> batch_columns();

// The key of the first quantity holding a value that is not finite, or nullptr.
const char* first_non_finite(const RatingResult& r);

}  // namespace gp::rating
