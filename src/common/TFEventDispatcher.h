#pragma once

#include "TFEvent.h"

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <vector>

// Identity of a handler: the member function together with the class it belongs to. Two
// subscribers that declare the same member function share one identity, which is what the
// duplicate test of DeclareEvent relies on.
class THandlerId {
public:
    template <class T, class R> static THandlerId Of(R (T::*handler)(TFEvent *)) {
        static_assert(sizeof(handler) <= kMaxSize, "member function pointer too large");
        THandlerId id(typeid(handler));
        std::memcpy(id.Bytes.data(), &handler, sizeof(handler));
        id.Size = sizeof(handler);
        return id;
    }

    bool operator==(const THandlerId &other) const {
        return Type == other.Type && Size == other.Size &&
               std::memcmp(Bytes.data(), other.Bytes.data(), Size) == 0;
    }

private:
    static constexpr std::size_t kMaxSize = 32;
    explicit THandlerId(std::type_index type) : Type(type) {}

    std::type_index Type;
    std::array<unsigned char, kMaxSize> Bytes{};
    std::size_t Size = 0;
};

// One declared interest: the handler is called on the subscriber for events of this name.
class EventDeclaration {
public:
    EventDeclaration(std::string name, THandlerId handler, void *subscriber,
                     std::function<void(TFEvent *)> invoke)
        : Name(std::move(name)), Handler(handler), Subscriber(subscriber),
          Invoke(std::move(invoke)) {}

    std::string Name;
    THandlerId Handler;
    void *Subscriber; // not owned
    std::function<void(TFEvent *)> Invoke;
};

// Base of every object that announces events. Each dispatcher keeps its own ordered list of
// declarations; dispatching is synchronous, on the caller's thread, with no locking.
class TFEventDispatcher {
public:
    TFEventDispatcher() = default;
    virtual ~TFEventDispatcher(); // discards the declarations without calling anything

    TFEventDispatcher(const TFEventDispatcher &) = delete;
    TFEventDispatcher &operator=(const TFEventDispatcher &) = delete;

    // Adds a declaration at the end unless one with the same name and handler exists already
    // (whatever its subscriber). The handler's result, if any, is ignored.
    template <class T, class R>
    void DeclareEvent(const std::string &name, R (T::*handler)(TFEvent *),
                      std::type_identity_t<T> *subscriber) {
        const THandlerId id = THandlerId::Of(handler);
        if (FindDeclaration(name, id) >= 0)
            return;
        Declarations.push_back(std::make_unique<EventDeclaration>(
            name, id, static_cast<void *>(subscriber),
            [handler, subscriber](TFEvent *event) { (subscriber->*handler)(event); }));
    }

    // Index of the first declaration with this name and handler; -1 if none.
    template <class T, class R>
    int FindDeclaration(const std::string &name, R (T::*handler)(TFEvent *)) const {
        return FindDeclaration(name, THandlerId::Of(handler));
    }
    int FindDeclaration(const std::string &name, const THandlerId &handler) const;

    // Delivers the event to every declaration of its name, in declaration order, then destroys
    // it. Declarations added by a handler during the pass receive the event too. A handler's
    // exception leaves this call (the remaining handlers are not called); the event is
    // destroyed on that path as well.
    void DispatchEvent(TFEvent *event);

    int DeclarationCount() const { return static_cast<int>(Declarations.size()); }

protected:
    std::vector<std::unique_ptr<EventDeclaration>> Declarations;
};
