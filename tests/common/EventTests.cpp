#include "TStateObject.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Records every call as "<tag>:<event name>" into a shared log.
struct TRecorder {
    std::vector<std::string> *Log;
    std::string Tag;

    void OnA(TFEvent *event) { Log->push_back(Tag + "A:" + event->Name); }
    int OnB(TFEvent *event) { // a result is allowed and ignored
        Log->push_back(Tag + "B:" + event->Name);
        return 7;
    }
};

// Counts destructions so tests can see that the dispatcher destroyed the event.
struct TCountedEvent : TFEvent {
    TCountedEvent(std::string name, int *destroyed)
        : TFEvent(std::move(name)), Destroyed(destroyed) {}
    ~TCountedEvent() override { ++*Destroyed; }
    int *Destroyed;
};

} // namespace

TEST(EventDispatcher, DuplicateIsNameAndHandlerNotSubscriber) {
    std::vector<std::string> log;
    TRecorder first{&log, "1"}, second{&log, "2"};
    TFEventDispatcher dispatcher;
    dispatcher.DeclareEvent(evError, &TRecorder::OnA, &first);
    dispatcher.DeclareEvent(evError, &TRecorder::OnB, &first);
    dispatcher.DeclareEvent(evError, &TRecorder::OnA, &first);   // same subscriber: ignored
    dispatcher.DeclareEvent(evError, &TRecorder::OnA, &second);  // other subscriber: ignored too
    dispatcher.DeclareEvent(evNotify, &TRecorder::OnA, &second); // other name: added

    EXPECT_EQ(dispatcher.DeclarationCount(), 3);
    EXPECT_EQ(dispatcher.FindDeclaration(evError, &TRecorder::OnA), 0);
    EXPECT_EQ(dispatcher.FindDeclaration(evError, &TRecorder::OnB), 1);
    EXPECT_EQ(dispatcher.FindDeclaration(evNotify, &TRecorder::OnA), 2);
    EXPECT_EQ(dispatcher.FindDeclaration(evNotify, &TRecorder::OnB), -1);

    dispatcher.DispatchEvent(new TFEvent(evError));
    EXPECT_EQ(log, (std::vector<std::string>{"1A:1001", "1B:1001"}));
}

TEST(EventDispatcher, NamesCompareExactlyAndEventIsAlwaysDestroyed) {
    std::vector<std::string> log;
    TRecorder recorder{&log, ""};
    int destroyed = 0;

    TFEventDispatcher empty;
    empty.DispatchEvent(new TCountedEvent(evError, &destroyed));
    EXPECT_EQ(destroyed, 1);

    TFEventDispatcher dispatcher;
    dispatcher.DeclareEvent(evError, &TRecorder::OnA, &recorder);
    for (const char *name : {" 1001", "01001", "1001 ", "100", "1002"})
        dispatcher.DispatchEvent(new TCountedEvent(name, &destroyed));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(destroyed, 6);
}

namespace {

// A subscriber that reacts to an event by declaring more, dispatching nested events or throwing.
struct TReactor {
    TFEventDispatcher *Dispatcher;
    std::vector<std::string> *Log;

    void DeclareLate(TFEvent *event) {
        Log->push_back("declare:" + event->Name);
        Dispatcher->DeclareEvent(evData, &TReactor::Late, this);
    }
    void Late(TFEvent *event) { Log->push_back("late:" + event->Name); }
    void Nest(TFEvent *event) {
        Log->push_back("outer:" + event->Name);
        Dispatcher->DispatchEvent(new TFEvent(evNotify));
    }
    void Inner(TFEvent *event) { Log->push_back("inner:" + event->Name); }
    void Throw(TFEvent *) { throw std::runtime_error("handler failed"); }
};

} // namespace

TEST(EventDispatcher, DeclarationAddedDuringDispatchReceivesTheSameEvent) {
    std::vector<std::string> log;
    TFEventDispatcher dispatcher;
    TReactor reactor{&dispatcher, &log};
    dispatcher.DeclareEvent(evData, &TReactor::DeclareLate, &reactor);
    dispatcher.DispatchEvent(new TFEvent(evData));
    EXPECT_EQ(log, (std::vector<std::string>{"declare:0", "late:0"}));
}

TEST(EventDispatcher, NestedDispatchCompletesBeforeTheOuterPassContinues) {
    std::vector<std::string> log;
    TFEventDispatcher dispatcher;
    TReactor reactor{&dispatcher, &log};
    TRecorder recorder{&log, "r"};
    dispatcher.DeclareEvent(evData, &TReactor::Nest, &reactor);
    dispatcher.DeclareEvent(evNotify, &TReactor::Inner, &reactor);
    dispatcher.DeclareEvent(evData, &TRecorder::OnA, &recorder);
    dispatcher.DispatchEvent(new TFEvent(evData));
    EXPECT_EQ(log, (std::vector<std::string>{"outer:0", "inner:8", "rA:0"}));
}

TEST(EventDispatcher, HandlerExceptionStopsThePassAndStillFreesTheEvent) {
    std::vector<std::string> log;
    TFEventDispatcher dispatcher;
    TReactor reactor{&dispatcher, &log};
    TRecorder recorder{&log, ""};
    int destroyed = 0;
    dispatcher.DeclareEvent(evError, &TReactor::Throw, &reactor);
    dispatcher.DeclareEvent(evError, &TRecorder::OnA, &recorder);
    EXPECT_THROW(dispatcher.DispatchEvent(new TCountedEvent(evError, &destroyed)),
                 std::runtime_error);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(destroyed, 1);
}

namespace {

struct TStateWatcher {
    TStateObject *Object;
    std::vector<std::string> *Log;
    std::string Tag;
    bool Bump = false;

    void OnChange(TFEvent *event) {
        auto *change = static_cast<TStateChangeEvent *>(event);
        Log->push_back(Tag + std::to_string(change->OldState) + ">" +
                       std::to_string(change->NewState) + " now " +
                       std::to_string(Object->GetState()));
        if (Bump && change->NewState == 2)
            Object->SetState(3);
    }
    void OnChangeToo(TFEvent *event) { OnChange(event); }
};

} // namespace

TEST(StateObject, ChangesAreAnnouncedAfterStoringAndSameValueIsSilent) {
    std::vector<std::string> log;
    TStateObject state(1);
    TStateWatcher first{&state, &log, "a "}, second{&state, &log, "b "};
    state.DeclareEvent(evStateChange, &TStateWatcher::OnChange, &first);
    state.DeclareEvent(evStateChange, &TStateWatcher::OnChangeToo, &second);

    state.SetState(1);
    EXPECT_TRUE(log.empty());
    state.SetState(2);
    EXPECT_EQ(log, (std::vector<std::string>{"a 1>2 now 2", "b 1>2 now 2"}));
}

TEST(StateObject, NestedChangeIsDeliveredBeforeTheOuterPassContinues) {
    std::vector<std::string> log;
    TStateObject state(1);
    TStateWatcher first{&state, &log, "a ", true}, second{&state, &log, "b "};
    state.DeclareEvent(evStateChange, &TStateWatcher::OnChange, &first);
    state.DeclareEvent(evStateChange, &TStateWatcher::OnChangeToo, &second);

    state.SetState(2);
    EXPECT_EQ(log, (std::vector<std::string>{"a 1>2 now 2", "a 2>3 now 3", "b 2>3 now 3",
                                             "b 1>2 now 3"}));
    EXPECT_EQ(state.GetState(), 3);
}
