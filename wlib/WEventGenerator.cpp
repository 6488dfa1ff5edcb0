#include "WEventGenerator.h"

bool WEventGenerator::FireEvent(WEventID id, WObject* source, WEventData* data) {
    // Copies, the latest first, so that handlers may change the list (or end this object)
    // while this loop runs.
    WArray<Handler> pending;
    for (std::size_t i = handlers_.GetSize(); i-- > 0;)
        if (handlers_[i].id == id)
            pending.Append(handlers_[i].handler);
    for (const Handler& handler : pending)
        if (handler.call(handler, source, data))
            return true;
    return false;
}

std::size_t WEventGenerator::CountEventHandlers(WEventID id) const {
    std::size_t count = 0;
    for (const Entry& entry : handlers_)
        count += entry.id == id;
    return count;
}
