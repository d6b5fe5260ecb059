// The expected text of every pairing from either side, read from the data file written
// from the breeders' outcome sheet rather than from the program's table.
#pragma once

#include <string>
#include <vector>

namespace model {

struct SheetRow {
    int female;  // box numbers, 1 to 18, as on the window
    int male;
    int clickedLast;  // the female or the male box
    std::string text;
};

// All 162 rows; throws when the file cannot be read.
const std::vector<SheetRow>& outcomeSheet();

}  // namespace model
