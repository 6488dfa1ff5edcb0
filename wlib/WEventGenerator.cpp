#include "WEventGenerator.h"

bool WEventGenerator::FireEvent(WEventID id, WObject* source, WEventData* data) {
    // A snapshot, so that handlers may change the list (or end their receiver's window)
    // while this loop runs.
    std::vector<std::shared_ptr<Handler>> pending;
    for (const Entry& entry : handlers_)
        if (entry.id == id)
            pending.push_back(entry.handler);
    for (const auto& handler : pending)
        if (handler->Call(source, data))
            return true;
    return false;
}

std::size_t WEventGenerator::CountEventHandlers(WEventID id) const {
    std::size_t count = 0;
    for (const Entry& entry : handlers_)
        count += entry.id == id;
    return count;
}
