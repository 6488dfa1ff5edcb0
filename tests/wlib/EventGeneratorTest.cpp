#include "WEventGenerator.h"

#include <gtest/gtest.h>

#include <string>

namespace {
class Recorder : public WObject {
public:
    std::string calls;
    bool stopAtB = false;
    bool A(WObject*, WEventData*) { return calls += 'A', false; }
    bool B(WObject*, WEventData*) { return calls += 'B', stopAtB; }
    bool C(WObject*, WEventData*) { return calls += 'C', false; }
};

class OtherRecorder : public WObject {
public:
    int calls = 0;
    bool A(WObject*, WEventData*) { return ++calls, false; }
};
} // namespace

TEST(EventGenerator, LaterHandlersRunFirst) {
    WEventGenerator source;
    Recorder r;
    source.AddEventHandler(WEventID::Click, &r, &Recorder::A);
    source.AddEventHandler(WEventID::Click, &r, &Recorder::B);
    source.AddEventHandler(WEventID::Click, &r, &Recorder::C);
    EXPECT_FALSE(source.FireEvent(WEventID::Click, &source, nullptr));
    EXPECT_EQ("CBA", r.calls);
}

TEST(EventGenerator, TrueStopsTheRemainingHandlers) {
    WEventGenerator source;
    Recorder r;
    r.stopAtB = true;
    source.AddEventHandler(WEventID::Close, &r, &Recorder::A);
    source.AddEventHandler(WEventID::Close, &r, &Recorder::B);
    source.AddEventHandler(WEventID::Close, &r, &Recorder::C);
    EXPECT_TRUE(source.FireEvent(WEventID::Close, &source, nullptr));
    EXPECT_EQ("CB", r.calls);
}

TEST(EventGenerator, EventsAreKeptApart) {
    WEventGenerator source;
    Recorder r;
    source.AddEventHandler(WEventID::Create, &r, &Recorder::A);
    source.AddEventHandler(WEventID::Destroy, &r, &Recorder::B);
    source.FireEvent(WEventID::Destroy, &source, nullptr);
    EXPECT_EQ("B", r.calls);
    EXPECT_FALSE(source.FireEvent(WEventID::Start, &source, nullptr));
    EXPECT_EQ("B", r.calls);
}

TEST(EventGenerator, RemoveMatchesReceiverAndHandler) {
    WEventGenerator source;
    Recorder first, second;
    OtherRecorder other;
    source.AddEventHandler(WEventID::Click, &first, &Recorder::A);
    source.AddEventHandler(WEventID::Click, &second, &Recorder::A);
    source.AddEventHandler(WEventID::Click, &first, &Recorder::B);
    source.AddEventHandler(WEventID::Click, &other, &OtherRecorder::A);

    EXPECT_FALSE(source.RemoveEventHandler(WEventID::Close, &first, &Recorder::A));
    EXPECT_FALSE(source.RemoveEventHandler(WEventID::Click, &first, &Recorder::C));
    EXPECT_TRUE(source.RemoveEventHandler(WEventID::Click, &first, &Recorder::A));
    EXPECT_FALSE(source.RemoveEventHandler(WEventID::Click, &first, &Recorder::A));

    source.FireEvent(WEventID::Click, &source, nullptr);
    EXPECT_EQ("B", first.calls);
    EXPECT_EQ("A", second.calls);
    EXPECT_EQ(1, other.calls);
    EXPECT_EQ(3u, source.CountEventHandlers(WEventID::Click));
}

namespace {
class SelfRemover : public WObject {
public:
    WEventGenerator* source = nullptr;
    int calls = 0;
    bool Once(WObject*, WEventData*) {
        ++calls;
        source->RemoveEventHandler(WEventID::Click, this, &SelfRemover::Once);
        return false;
    }
};
} // namespace

TEST(EventGenerator, AHandlerMayRemoveItselfWhileFiring) {
    WEventGenerator source;
    SelfRemover remover;
    remover.source = &source;
    source.AddEventHandler(WEventID::Click, &remover, &SelfRemover::Once);
    source.FireEvent(WEventID::Click, &source, nullptr);
    source.FireEvent(WEventID::Click, &source, nullptr);
    EXPECT_EQ(1, remover.calls);
}
