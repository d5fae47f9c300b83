// Fuzz target: any bytes as a filled-in form with its rating inputs, through the
// rating and its batch row. The rating ends in a result or a stop with a message;
// no value shown is NaN or infinite. A broken promise aborts.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "batch_modes.h"
#include "form_from_bytes.h"
#include "rating_calculation.h"
#include "rating_quantities.h"

namespace {

// The lines after the form's 29 (see form_from_bytes) are the rating texts,
// in the order of the rating columns.
gp::RatingInputs rating_from_bytes(std::string_view bytes) {
    gp::RatingInputs texts;
    std::size_t start = 0;
    for (std::size_t line = 0; start <= bytes.size(); ++line) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::size_t field = line - gp::kInputFields.size() - 1;
        if (line > gp::kInputFields.size()) {
            if (field >= gp::kRatingFields.size()) break;
            texts.*gp::kRatingFields[field].text = std::string(bytes.substr(start, end - start));
        }
        start = end + 1;
    }
    return texts;
}

[[noreturn]] void broken(const std::string& promise) {
    std::fprintf(stderr, "broken promise: %s\n", promise.c_str());
    std::abort();
}

bool shows_no_number(const std::string& text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("nan") == std::string::npos && lower.find("inf") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    gp::BatchRow row;
    row.input = gp::fuzz::form_from_bytes(bytes);
    row.rating = rating_from_bytes(bytes);
    const auto outcome = gp::rating::rate(row.input, row.rating);
    if (const auto* stop = std::get_if<gp::Stop>(&outcome)) {
        if (stop->message.empty()) broken("a rating stop without a message");
        // A typed cell is quoted with its control characters named, never raw
        // (a line break or NUL would cut the --detail column).
        for (const char c : stop->message + stop->detail) {
            if (static_cast<unsigned char>(c) < 0x20 && c != '\n') {
                broken("a rating stop echoes a control character: " + stop->detail);
            }
        }
    } else if (const char* key =
                   gp::rating::first_non_finite(std::get<gp::rating::RatingResult>(outcome))) {
        broken(std::string("rating value not finite: ") + key);
    }
    // The batch row shows numbers only: the typed texts never reach it, so any
    // "nan" or "inf" in it was computed.
    std::string out, err;
    gp::rating_table(true).row(row, out, err);
    const std::size_t message_end = out.find(',', out.find(',') + 1);
    if (std::holds_alternative<gp::rating::RatingResult>(outcome) &&
        !shows_no_number(out.substr(0, out.rfind(',')).substr(message_end))) {
        broken("a rating row shows NaN or infinity: " + out);
    }
    return 0;
}
