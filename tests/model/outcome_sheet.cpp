#include "tests/model/outcome_sheet.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace model {
namespace {

int boxNumber(const std::string& name) {
    const std::string prefix = "Check";
    if (name.rfind(prefix, 0) != 0)
        throw std::runtime_error("not a box name: " + name);
    const int number = std::stoi(name.substr(prefix.size()));
    if (number < 1 || number > 18)
        throw std::runtime_error("no such box: " + name);
    return number;
}

}  // namespace

std::vector<SheetRow> readOutcomeSheet(const std::string& path) {
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    std::vector<SheetRow> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        std::string female, male, clicked, text;
        std::getline(fields, female, '\t');
        std::getline(fields, male, '\t');
        std::getline(fields, clicked, '\t');
        std::getline(fields, text);
        rows.push_back({boxNumber(female), boxNumber(male), boxNumber(clicked), text});
    }
    return rows;
}

const std::vector<SheetRow>& outcomeSheet() {
    static const std::vector<SheetRow> rows = readOutcomeSheet(EXPECTED_OUTCOMES_FILE);
    return rows;
}

}  // namespace model
