#pragma once
#include <string>
#include <vector>

// What an uninstall run did, item by item.
struct UninstallReport {
    std::vector<std::string> removed;
    std::vector<std::string> failed;
    bool programScheduled = false;  // the program file goes at the next restart
};
