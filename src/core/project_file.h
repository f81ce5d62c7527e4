#pragma once
// What the two modules' project files share: the result of a read or write, and the date line
// of the file header.

#include <string>

namespace orvane {

struct ProjectResult {
    bool ok = true;
    std::string error; // the message to show, in Russian, when !ok
};

// The current local date and time as the header writes it: "10.12.2026 4:27:05".
std::string ProjectDateTimeText();

} // namespace orvane
