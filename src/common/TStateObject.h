#pragma once

#include "TFEventDispatcher.h"

#include <cstdint>

// Announces a change of a state object: the state before and after.
class TStateChangeEvent : public TFEvent {
public:
    TStateChangeEvent(std::string name, int32_t oldState, int32_t newState)
        : TFEvent(std::move(name)), OldState(oldState), NewState(newState) {}

    int32_t OldState;
    int32_t NewState;
};

// Holds one integer state and dispatches "1011" (evStateChange) on every change of it.
class TStateObject : public TFEventDispatcher {
public:
    explicit TStateObject(int32_t initialState) : State(initialState) {}

    int32_t GetState() const { return State; }

    // Stores the new state first, then dispatches, so handlers see the new value. Setting the
    // current value again raises nothing. Overrides must call this base behaviour.
    virtual void SetState(int32_t newState);

protected:
    int32_t State;
};
