#pragma once
#include "InstallTrace.h"
#include "UninstallLocations.h"
#include "UninstallReport.h"
#include <vector>

// Finds and removes what the installer left. No user interface: UninstallCommand asks and
// tells. Removing needs administrator rights (HKLM, the delayed delete of the program).
class Uninstaller {
public:
    explicit Uninstaller(UninstallLocations locations) : locations_(std::move(locations)) {}

    // Whether this process may change HKLM's list of installed programs.
    static bool HasAdministratorRights();

    // The program file itself is not a trace: it exists whenever this runs.
    std::vector<InstallTrace> FindTraces() const;
    // Removes the traces, then schedules the program file for deletion at restart.
    UninstallReport Remove(const std::vector<InstallTrace>& traces) const;

    const UninstallLocations& Locations() const { return locations_; }

private:
    std::string LinkPath() const;
    std::string HelpPath() const;
    bool LinkPointsHere() const;
    bool RemoveTrace(const InstallTrace& trace) const;

    UninstallLocations locations_;
};
