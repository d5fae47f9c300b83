#include "result_checks.h"

#include <algorithm>
#include <string_view>
#include <variant>

#include "drawing_checks.h"
#include "geometry_calculation.h"
#include "geometry_report.h"
#include "messages/base.h"
#include "number_text.h"
#include "report_file_bytes.h"
#include "strength_calculation.h"
#include "strength_report.h"

namespace gp::fuzz {

namespace {

// The widest double text is 15 digits; a single-precision value in a report 7.
constexpr int kDoubleDigits = 15, kDoubleExponentFrom = 15;
constexpr int kSingleDigits = 7, kSingleExponentFrom = 7;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_system_message(const std::string& text) {
    return std::find(msg::kStopMessages.begin(), msg::kStopMessages.end(), text) !=
           msg::kStopMessages.end();
}

// An explanation says something, in Chinese, and holds no special value.
bool is_sound_explanation(const std::string& text) {
    const bool has_chinese = std::any_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xE4; });
    return has_chinese && text.find("nan") == std::string::npos &&
           text.find("inf") == std::string::npos && text.find("NaN") == std::string::npos &&
           text.find("Inf") == std::string::npos;
}

std::string check_labels(const char* calculation, const LabelTexts& labels) {
    for (const auto& [name, text] : labels.entries()) {
        if (!is_rule_abiding_number(text, kDoubleDigits, kDoubleExponentFrom)) {
            return std::string(calculation) + " label " + name + " shows \"" + text + "\"";
        }
    }
    return {};
}

// A report item of a single-precision value is the number with one blank before it
// (or its minus sign) and one after it.
std::string check_single(const char* name, float value) {
    const std::string item = report_text_of_single(value);
    const bool framed =
        item.size() >= 3 && item.back() == ' ' && (item.front() == ' ' || item.front() == '-');
    const std::string_view number =
        framed ? std::string_view(item).substr(1, item.size() - 2) : std::string_view();
    if (framed && !number.empty() && number.front() != '-' &&
        is_rule_abiding_number(number, kSingleDigits, kSingleExponentFrom)) {
        return {};
    }
    return std::string("strength report ") + name + " shows \"" + item + "\"";
}

const ReportStamp kStamp{"2026/12/7", "14:03:05"};

// A stop must carry one of the system's messages; a result must pass `check`, and
// the report built from it must come out as bytes.
template <typename Result, typename Check, typename Build>
std::string check_outcome(const char* calculation, const Outcome<Result>& outcome, Check check,
                          Build build) {
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        if (!is_system_message(stop->message)) {
            return std::string(calculation) + " stopped with \"" + stop->message + "\"";
        }
        if (!is_sound_explanation(stop->detail)) {
            return std::string(calculation) + " explained a stop with \"" + stop->detail + "\"";
        }
        return {};
    }
    const Result& result = std::get<Result>(outcome);
    if (auto broken = check_labels(calculation, result.labels); !broken.empty()) return broken;
    if (auto broken = check(result); !broken.empty()) return broken;
    if (report_file_bytes(build(result)).empty())
        return std::string(calculation) + " report is empty";
    return {};
}

std::string check_geometry(const GearPairInput& form) {
    return check_outcome(
        "geometry", compute_geometry(form), [](const GeometryResult&) { return std::string(); },
        [&](const GeometryResult& r) { return build_geometry_report(form, r.labels, kStamp); });
}

std::string check_strength(const GearPairInput& form) {
    const auto singles = [](const StrengthResult& r) {
        const std::pair<const char*, float> values[] = {{"da1", r.diameters.da1},
                                                        {"da2", r.diameters.da2},
                                                        {"df1", r.diameters.df1},
                                                        {"df2", r.diameters.df2}};
        for (const auto& [name, value] : values) {
            if (auto broken = check_single(name, value); !broken.empty()) return broken;
        }
        return std::string();
    };
    return check_outcome("strength", compute_strength(form), singles, [&](const StrengthResult& r) {
        return build_strength_report(form, r, kStamp);
    });
}

}  // namespace

bool is_rule_abiding_number(std::string_view text, int max_digits, int min_exponent) {
    if (text.empty()) return true;
    std::size_t i = 0;
    if (text[i] == '-') ++i;
    const std::size_t mantissa_begin = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    const std::size_t whole_digits = i - mantissa_begin;
    if (whole_digits == 0) return false;
    if (i < text.size() && text[i] == '.') {
        const std::size_t point = i++;
        while (i < text.size() && is_digit(text[i])) ++i;
        if (i == point + 1 || text[i - 1] == '0') return false;  // "5." or a trailing zero
    }
    const std::string_view mantissa = text.substr(mantissa_begin, i - mantissa_begin);
    if (i < text.size()) {
        // Exponent form: one non-zero digit before the point, "E", a sign, digits.
        if (whole_digits != 1 || mantissa.front() == '0' || text[i] != 'E') return false;
        if (++i >= text.size() || (text[i] != '+' && text[i] != '-')) return false;
        const bool negative = text[i++] == '-';
        int exponent = 0;
        const std::size_t exponent_begin = i;
        for (; i < text.size() && is_digit(text[i]) && exponent < 10000; ++i) {
            exponent = exponent * 10 + (text[i] - '0');
        }
        if (i != text.size() || i == exponent_begin || negative || exponent < min_exponent) {
            return false;
        }
    } else if (whole_digits > 1 &&
               (mantissa.front() == '0' || whole_digits > static_cast<std::size_t>(min_exponent))) {
        return false;  // a leading zero, or plain where the exponent form belongs
    }
    // Significant digits: from the first non-zero digit to the last.
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return text == "0";  // zero, never "-0"
    const auto last = mantissa.find_last_of("123456789");
    const bool point_between = mantissa.substr(first, last - first).find('.') != mantissa.npos;
    const auto digits = static_cast<int>(last - first + 1 - (point_between ? 1 : 0));
    return digits <= max_digits;
}

std::string first_broken_promise(const GearPairInput& form) {
    if (auto broken = check_geometry(form); !broken.empty()) return broken;
    if (auto broken = check_strength(form); !broken.empty()) return broken;
    return first_broken_drawing_promise(form);
}

}  // namespace gp::fuzz
