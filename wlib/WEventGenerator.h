#pragma once
#include "WArray.h"
#include "WObject.h"

#include <cstddef>
#include <cstring>

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
        handlers_.Append(Entry{id, Bind(receiver, handler)});
    }

    // Removes the most recently added handler that matches; reports whether there was one.
    template <class Receiver>
    bool RemoveEventHandler(WEventID id, Receiver* receiver, MemberHandler<Receiver> handler) {
        const Handler wanted = Bind(receiver, handler);
        for (std::size_t i = handlers_.GetSize(); i-- > 0;) {
            const Entry& entry = handlers_[i];
            if (entry.id == id && entry.handler.call == wanted.call &&
                entry.handler.receiver == wanted.receiver &&
                MemberOf<Receiver>(entry.handler) == handler) {
                handlers_.RemoveAt(i);
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
    // A handler as plain data, so that firing can run copies while the list changes: the
    // receiver, the member function's bytes and a caller that knows the receiver's type (which
    // also tells handlers of different receiver types apart).
    struct Handler {
        bool (*call)(const Handler& handler, WObject* source, WEventData* data);
        void* receiver;
        alignas(MemberHandler<WObject>) unsigned char member[sizeof(MemberHandler<WObject>)];
    };

    template <class Receiver> static MemberHandler<Receiver> MemberOf(const Handler& handler) {
        MemberHandler<Receiver> member;
        std::memcpy(&member, handler.member, sizeof member);
        return member;
    }
    template <class Receiver>
    static bool Call(const Handler& handler, WObject* source, WEventData* data) {
        return (static_cast<Receiver*>(handler.receiver)->*MemberOf<Receiver>(handler))(source,
                                                                                       data);
    }
    template <class Receiver>
    static Handler Bind(Receiver* receiver, MemberHandler<Receiver> member) {
        static_assert(sizeof member == sizeof(Handler::member), "member pointers differ in size");
        Handler handler = {&Call<Receiver>, static_cast<void*>(receiver), {}};
        std::memcpy(handler.member, &member, sizeof member);
        return handler;
    }

    struct Entry {
        WEventID id;
        Handler handler;
    };

    WArray<Entry> handlers_; // the oldest first
};
