#include "UninstallCommand.h"

namespace {

std::string BulletList(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += "\n  -  " + item;
    return text;
}

} // namespace

UninstallCommand::Outcome UninstallCommand::Run(UninstallPrompts& prompts) const {
    const std::string program = uninstaller_.Locations().program.Long();
    // Checked before anything else, so a refused run never leaves a half-removed install.
    if (!isAdministrator_) {
        prompts.Warn("Uninstalling Tessellux needs administrator rights.\n\n"
                     "Nothing was removed. Run \"" +
                     uninstaller_.Locations().program.FileName() + " -u\" again as an administrator.");
        return Outcome::NeedsAdministrator;
    }

    const std::vector<InstallTrace> traces = uninstaller_.FindTraces();
    if (traces.empty()) {
        prompts.Inform("Tessellux is not installed on this computer: there is nothing to remove.");
        return Outcome::NothingToRemove;
    }

    std::vector<std::string> items;
    for (const InstallTrace& trace : traces)
        items.push_back(trace.description);
    items.push_back("the screen saver " + program);
    if (!prompts.Confirm("Remove Tessellux from this computer?\n\nThis removes:" + BulletList(items)))
        return Outcome::Cancelled;

    const UninstallReport report = uninstaller_.Remove(traces);
    std::string text = report.failed.empty() ? "Tessellux has been removed." : "Tessellux has been partly removed.";
    if (!report.removed.empty())
        text += "\n\nRemoved:" + BulletList(report.removed);
    if (report.programScheduled)
        text += "\n\nThe screen saver file " + program +
                " is in use; Windows deletes it when the computer restarts.";
    if (!report.failed.empty()) {
        text += "\n\nCould not remove:" + BulletList(report.failed);
        prompts.Warn(text);
        return Outcome::PartlyRemoved;
    }
    prompts.Inform(text);
    return Outcome::Removed;
}
