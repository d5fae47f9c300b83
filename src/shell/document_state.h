// Everything a pair document holds, as one value: what a pair file saves, what the
// unsaved-changes question compares and what one step of 撤销/重做 restores.
#pragma once

#include "gear_pair_input.h"
#include "rating_inputs.h"

namespace gp {

struct DocumentState {
    // The form's 28 texts and the shift-distribution option.
    GearPairInput form;
    // The rating window's texts: they belong to the pair as the form's do.
    RatingInputs rating;
    // Further inputs that belong to the document (the texts of another window's
    // fields) go here as members with ==; PairDocument::current() reads them and
    // PairDocument::show() writes them back, and undo then covers them.

    bool operator==(const DocumentState&) const = default;
};

}  // namespace gp
