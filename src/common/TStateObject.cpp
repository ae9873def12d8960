#include "TStateObject.h"

void TStateObject::SetState(int32_t newState) {
    if (newState == State)
        return;
    const int32_t oldState = State;
    State = newState;
    DispatchEvent(new TStateChangeEvent(evStateChange, oldState, newState));
}
