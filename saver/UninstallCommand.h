#pragma once
#include "UninstallPrompts.h"
#include "Uninstaller.h"

// "-u": check rights, say if there is nothing to remove, ask once, remove, report.
class UninstallCommand {
public:
    enum class Outcome { NeedsAdministrator, NothingToRemove, Cancelled, Removed, PartlyRemoved };

    UninstallCommand(const Uninstaller& uninstaller, bool isAdministrator)
        : uninstaller_(uninstaller), isAdministrator_(isAdministrator) {}

    Outcome Run(UninstallPrompts& prompts) const;

private:
    const Uninstaller& uninstaller_;
    bool isAdministrator_;
};
