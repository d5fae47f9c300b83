// A table the batch tool printed against a golden table, cell by cell.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "csv.h"

namespace gp::testing {

// The same head, as many rows and cells, and every cell agreeing by `agree` (got,
// expected); the first 40 cells that do not are named by row and column.
inline void expect_same_cells(const std::string& printed, const std::string& golden_text,
                              const std::function<bool(const std::string&, const std::string&)>& agree) {
    const auto actual = csv::parse(printed);
    const auto expected = csv::parse(golden_text);
    ASSERT_EQ(actual.size(), expected.size());
    const auto& head = expected.front().cells;
    EXPECT_EQ(actual.front().cells, head);
    int mismatches = 0;
    for (std::size_t r = 1; r < expected.size(); ++r) {
        ASSERT_EQ(actual[r].cells.size(), head.size()) << "row " << r;
        for (std::size_t c = 0; c < head.size(); ++c) {
            if (agree(actual[r].cells[c], expected[r].cells[c])) continue;
            if (++mismatches <= 40) {
                ADD_FAILURE() << "row " << r << " (line " << r + 1 << " of the input) " << head[c]
                              << ": got '" << actual[r].cells[c] << "', expected '"
                              << expected[r].cells[c] << "'";
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace gp::testing
