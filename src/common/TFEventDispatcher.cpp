#include "TFEventDispatcher.h"

TFEventDispatcher::~TFEventDispatcher() = default;

int TFEventDispatcher::FindDeclaration(const std::string &name, const THandlerId &handler) const {
    for (std::size_t i = 0; i < Declarations.size(); ++i) {
        if (Declarations[i]->Handler == handler && Declarations[i]->Name == name)
            return static_cast<int>(i);
    }
    return -1;
}

void TFEventDispatcher::DispatchEvent(TFEvent *event) {
    std::unique_ptr<TFEvent> owned(event);
    // The size is read again on every step: a handler may declare more interests, and those
    // receive this event too. Each declaration lives on the heap, so growing the list during a
    // call does not move the declaration being called.
    for (std::size_t i = 0; i < Declarations.size(); ++i) {
        EventDeclaration *declaration = Declarations[i].get();
        if (declaration->Name == owned->Name)
            declaration->Invoke(owned.get());
    }
}
