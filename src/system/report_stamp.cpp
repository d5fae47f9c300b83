#include "report_stamp.h"

#include <cstddef>

namespace gp {
namespace {

std::string number_text(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::string format(std::string_view pattern, const LocalTime& t, const StampFormats& f) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char letter = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == letter) ++run;
        const std::size_t pad = run >= 2 ? 2 : 1;
        switch (letter) {
            case 'y':
                out += run >= 3 ? number_text(t.year, 4) : number_text(t.year % 100, 2);
                break;
            case 'M':
                out += number_text(t.month, pad);
                break;
            case 'd':
                out += number_text(t.day, pad);
                break;
            case 'H':
                out += number_text(t.hour, pad);
                break;
            case 'h':
                out += number_text(t.hour % 12 == 0 ? 12 : t.hour % 12, pad);
                break;
            case 'm':
                out += number_text(t.minute, pad);
                break;
            case 's':
                out += number_text(t.second, pad);
                break;
            case 't':
                out += t.hour < 12 ? f.am : f.pm;
                break;
            case '\'': {
                // Quoted text up to the closing quote; two quotes stand for one.
                if (run >= 2) {
                    out += '\'';
                    run = 2;
                    break;
                }
                while (i + run < pattern.size()) {
                    if (pattern[i + run] != '\'') {
                        out += pattern[i + run++];
                    } else if (i + run + 1 < pattern.size() && pattern[i + run + 1] == '\'') {
                        out += '\'';
                        run += 2;
                    } else {
                        ++run;
                        break;
                    }
                }
                break;
            }
            default:
                out.append(run, letter);
        }
        i += run;
    }
    return out;
}

bool read_number(std::string_view text, std::size_t at, std::size_t width, int& value) {
    if (at + width > text.size()) return false;
    value = 0;
    for (std::size_t i = at; i < at + width; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

int days_in_month(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

ReportStamp format_report_stamp(const LocalTime& when, const StampFormats& formats) {
    return ReportStamp{format(formats.date, when, formats), format(formats.time, when, formats)};
}

StampFormats stamp_formats_of_locale(std::string_view name) {
    if (name.substr(0, 2) == "zh" && (name.size() == 2 || name[2] == '_' || name[2] == '.')) {
        return StampFormats{"yyyy/M/d", "H:mm:ss"};
    }
    return StampFormats{"yyyy-MM-dd", "HH:mm:ss"};
}

std::optional<LocalTime> parse_local_time(std::string_view text) {
    // yyyy-MM-dd HH:mm:ss
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' ||
        (text[10] != ' ' && text[10] != 'T') || text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    LocalTime t;
    if (!read_number(text, 0, 4, t.year) || !read_number(text, 5, 2, t.month) ||
        !read_number(text, 8, 2, t.day) || !read_number(text, 11, 2, t.hour) ||
        !read_number(text, 14, 2, t.minute) || !read_number(text, 17, 2, t.second)) {
        return std::nullopt;
    }
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > days_in_month(t.year, t.month) ||
        t.hour > 23 || t.minute > 59 || t.second > 59) {
        return std::nullopt;
    }
    return t;
}

}  // namespace gp
