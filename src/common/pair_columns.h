// The columns of a pair table, a pair file or a batch file alike: the header row
// names form fields (any order, any subset), `dx` for the shift-distribution
// option and any of the load-capacity rating's columns; each further row fills one
// form and its rating inputs. A missing column is the empty text; `dx` empty or
// missing means dx1. A column no pair reads (a spreadsheet's 备注, say) is refused
// by the batch tool, where a misspelt name must never pass silently, and passed
// over by the desktop program, which names it to the user.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "csv.h"
#include "gear_pair_input.h"
#include "pair_file_error.h"
#include "rating_inputs.h"

namespace gp {

enum class UnknownColumns { Refuse, Ignore };

struct PairRow {
    GearPairInput input;
    RatingInputs rating;  // only the rating reads these
    int line = 0;         // where the row starts in the file, from 1
    long number = 0;      // its place among the file's rows of data, from 1 (batch files)
};

// The form field each cell goes to, resolved once from the header row.
class PairColumns {
  public:
    // The columns the header names, or the first repeated name, or the first
    // unknown one unless unknown columns are to be ignored.
    static std::variant<PairColumns, PairFileError> of(
        const csv::Record& header, UnknownColumns unknown = UnknownColumns::Refuse);

    // False for the empty lines spreadsheets leave behind.
    bool holds_a_row(const csv::Record& rec) const;
    // What is wrong with a record: a width other than the header's, or a dx cell
    // other than empty, dx1 or dx2. Nothing for a good record.
    std::optional<PairFileError> check(const csv::Record& rec) const;
    // The row of a checked record, its cells moved into the form.
    PairRow take(csv::Record& rec) const;

  private:
    PairColumns() = default;

    // Where a cell goes: a form field, a rating input, the dx option (both null),
    // or nowhere (an ignored column).
    struct Column {
        std::string GearPairInput::*field = nullptr;
        std::string RatingInputs::*rating = nullptr;
        bool ignored = false;
    };
    std::vector<Column> fields_;
};

}  // namespace gp
