// Whatever is typed into any field the strength button reads, the calculation ends
// in a complete sheet or in one of the system's messages with its explanation:
// never a crash, a hang, an empty label or a "nan"/"inf" text.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <variant>

#include "messages/base.h"
#include "strength_calculation.h"
#include "strength_pairs.h"

namespace gp {
namespace {

const char* const kFields[] = {"zxja",  "fmn",   "fjafn", "lxjbt", "ckbw",  "h0",    "c0",  "nj",
                               "cs1z1", "cs2z2", "xng1",  "xng2",  "cgyj1", "cgyj2", "ck1", "ck2"};

const char* const kTexts[] = {
    "",    "abc",  "-",    ".",   "1e400", "-1e400", "1e308", "-1e308", "1e300", "1e-320",
    "0",   "-0",   "-5",   "90",  "180",   "-90",    "360",   "1e30",   "1e15",  "nan",
    "inf", "0x1A", "１２", " 7 ", "3,5",   "1e",     "+.5",   "89.99",  "0.001", "-1e-300"};

bool has_no_special_value(const std::string& text) {
    return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos &&
           text.find("NaN") == std::string::npos && text.find("Inf") == std::string::npos;
}

TEST(HostileInput, EveryFieldEveryText) {
    const std::set<std::string> messages = {msg::kLettersOrSymbols, msg::kIncomplete,
                                            msg::kNoTorque, msg::kCannotCompute,
                                            msg::kMeaninglessStrength};
    for (const auto base :
         {testing::kSpurExample, testing::kHelicalExample, testing::kInclinedExample}) {
        for (const char* field : kFields) {
            for (const char* text : kTexts) {
                GearPairInput in = testing::strength_pair(base);
                in.*(find_input_field(field)->text) = text;
                const auto outcome = compute_strength(in);
                const std::string where = std::string(field) + "='" + text + "'";
                if (const auto* stop = std::get_if<Stop>(&outcome)) {
                    EXPECT_TRUE(messages.count(stop->message)) << where << ": " << stop->message;
                    EXPECT_FALSE(stop->detail.empty()) << where;
                    EXPECT_TRUE(has_no_special_value(stop->detail))
                        << where << ": " << stop->detail;
                    continue;
                }
                const auto& result = std::get<StrengthResult>(outcome);
                for (const auto& [label, value] : result.labels.entries()) {
                    EXPECT_FALSE(value.empty()) << where << ", " << label;
                    EXPECT_TRUE(has_no_special_value(value)) << where << ", " << label;
                }
            }
        }
    }
}

}  // namespace
}  // namespace gp
