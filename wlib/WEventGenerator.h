#pragma once
#include "WObject.h"

#include <memory>
#include <vector>

enum class WEventID {
    Start,      // application: before the message loop
    Run,        // application: the message loop
    End,        // application: after the message loop
    Create,     // form: WM_INITDIALOG, all items exist, not yet shown
    QueryClose, // form: WM_CLOSE arrived, before CloseEvent
    Close,      // form: WM_CLOSE; when no handler takes it the window is destroyed
    Destroy,    // form: WM_DESTROY
    Cancel,     // form: the dialog's cancel command (IDCANCEL, Escape)
    Click,      // button: BN_CLICKED
};

// Base of the data an event carries; each kind of source derives its own record.
class WEventData {
public:
    virtual ~WEventData() = default;
};

// Keeps handlers per event and calls them. A handler is a member function of a receiving
// object, `bool Handler(WObject* source, WEventData* data)`, returning true when it handled
// the event. A handler added later runs before those added earlier; the first that returns
// true stops the rest (and the library's own processing of the message behind the event).
class WEventGenerator : public WObject {
public:
    template <class Receiver>
    using MemberHandler = bool (Receiver::*)(WObject* source, WEventData* data);

    template <class Receiver>
    void AddEventHandler(WEventID id, Receiver* receiver, MemberHandler<Receiver> handler) {
        handlers_.insert(handlers_.begin(),
                         Entry{id, std::make_shared<Bound<Receiver>>(receiver, handler)});
    }

    // Removes the most recently added handler that matches; reports whether there was one.
    template <class Receiver>
    bool RemoveEventHandler(WEventID id, Receiver* receiver, MemberHandler<Receiver> handler) {
        const Bound<Receiver> wanted(receiver, handler);
        for (auto it = handlers_.begin(); it != handlers_.end(); ++it) {
            if (it->id == id && it->handler->Same(wanted)) {
                handlers_.erase(it);
                return true;
            }
        }
        return false;
    }

    // Calls the event's handlers in list order until one returns true; reports whether one did.
    // Handlers may add or remove handlers, or destroy windows, while the event is being fired.
    bool FireEvent(WEventID id, WObject* source, WEventData* data);

    std::size_t CountEventHandlers(WEventID id) const;

private:
    struct Handler {
        virtual ~Handler() = default;
        virtual bool Call(WObject* source, WEventData* data) = 0;
        virtual const void* Kind() const = 0;
        virtual bool Same(const Handler& other) const = 0;
    };

    template <class Receiver> struct Bound final : Handler {
        Bound(Receiver* r, MemberHandler<Receiver> h) : receiver(r), member(h) {}
        bool Call(WObject* source, WEventData* data) override {
            return (receiver->*member)(source, data);
        }
        static const void* KindTag() {
            static const char tag = 0;
            return &tag;
        }
        const void* Kind() const override { return KindTag(); }
        bool Same(const Handler& other) const override {
            if (other.Kind() != Kind())
                return false;
            const auto& o = static_cast<const Bound&>(other);
            return o.receiver == receiver && o.member == member;
        }
        Receiver* receiver;
        MemberHandler<Receiver> member;
    };

    struct Entry {
        WEventID id;
        std::shared_ptr<Handler> handler;
    };

    std::vector<Entry> handlers_;
};
