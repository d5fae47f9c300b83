#include "pair_columns.h"

#include <set>
#include <utility>

namespace gp {

std::variant<PairColumns, PairFileError> PairColumns::of(const csv::Record& header,
                                                         UnknownColumns unknown) {
    PairColumns columns;
    std::set<std::string, std::less<>> seen;
    for (const std::string& name : header.cells) {
        if (!seen.insert(name).second) {
            return PairFileError{
                .problem = PairFileProblem::DuplicateColumn, .line = header.line, .name = name};
        }
        if (name == "dx") {
            columns.fields_.push_back({});
            continue;
        }
        if (const auto rating = find_rating_field(name)) {
            columns.fields_.push_back({.rating = rating->text});
            continue;
        }
        const auto field = find_input_field(name);
        if (!field && unknown == UnknownColumns::Ignore) {
            columns.fields_.push_back({.ignored = true});
            continue;
        }
        if (!field) {
            return PairFileError{
                .problem = PairFileProblem::UnknownColumn, .line = header.line, .name = name};
        }
        columns.fields_.push_back({.field = field->text});
    }
    return columns;
}

bool PairColumns::holds_a_row(const csv::Record& rec) const {
    const bool blank_line = rec.cells.size() == 1 && rec.cells[0].empty();
    return !(blank_line && fields_.size() > 1);
}

std::optional<PairFileError> PairColumns::check(const csv::Record& rec) const {
    if (rec.cells.size() != fields_.size()) {
        return PairFileError{.problem = PairFileProblem::WrongWidth,
                             .line = rec.line,
                             .name = {},
                             .cells = rec.cells.size(),
                             .header_cells = fields_.size()};
    }
    for (std::size_t c = 0; c < fields_.size(); ++c) {
        if (fields_[c].field != nullptr || fields_[c].rating != nullptr || fields_[c].ignored) {
            continue;
        }
        const std::string& cell = rec.cells[c];
        if (!cell.empty() && cell != "dx1" && cell != "dx2") {
            return PairFileError{
                .problem = PairFileProblem::BadOption, .line = rec.line, .name = cell};
        }
    }
    return std::nullopt;
}

PairRow PairColumns::take(csv::Record& rec) const {
    PairRow row;
    row.line = rec.line;
    for (std::size_t c = 0; c < fields_.size(); ++c) {
        std::string& cell = rec.cells[c];
        if (fields_[c].field != nullptr) {
            row.input.*fields_[c].field = std::move(cell);
        } else if (fields_[c].rating != nullptr) {
            row.rating.*fields_[c].rating = std::move(cell);
        } else if (!fields_[c].ignored) {
            row.input.rule = cell == "dx2" ? ShiftRule::EqualNoise : ShiftRule::EqualStrength;
        }
    }
    return row;
}

}  // namespace gp
