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

// All 162 rows of the sheet at `path`; throws when it cannot be read or a row names no box.
std::vector<SheetRow> readOutcomeSheet(const std::string& path);

// The rows of the checkout's sheet, read once.
const std::vector<SheetRow>& outcomeSheet();

}  // namespace model
