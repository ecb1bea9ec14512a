#pragma once

#include <ostream>
#include <string>

namespace tiebreak {
// The tables' rows live in each test file's anonymous namespace, where argument-dependent lookup
// looks for PrintTo: so does this.
namespace {

// Rows of a test table print and name their test by their name field.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

struct RowName {
    template <typename Info>
    std::string operator()(const Info& row) const {
        return row.param.name;
    }
};

}  // namespace
}  // namespace tiebreak
