#pragma once

#include <cstdint>
#include <string>

// Event names are decimal numbers written as text and compared exactly.
inline constexpr char evData[] = "0";
inline constexpr char evError[] = "1001";
inline constexpr char evNetworkError[] = "1002";
inline constexpr char evNotify[] = "8";
inline constexpr char evStateChange[] = "1011";

// Base of every event. Whoever raises an event creates it with new and hands it to
// TFEventDispatcher::DispatchEvent, which owns and destroys it.
class TFEvent {
public:
    explicit TFEvent(std::string name) : Name(std::move(name)) {}
    virtual ~TFEvent() = default;

    TFEvent(const TFEvent &) = delete;
    TFEvent &operator=(const TFEvent &) = delete;

    std::string Name;
};

// Payload shared by the error events: a numeric code and a message text (code page 1251).
class TCodeMessageEvent : public TFEvent {
public:
    TCodeMessageEvent(std::string name, int32_t code, std::string message)
        : TFEvent(std::move(name)), Code(code), Message(std::move(message)) {}

    int32_t Code;
    std::string Message;
};

// "1001": a failure reported to whoever listens (sync modules and manager, update installer).
class TErrorEvent : public TCodeMessageEvent {
public:
    using TCodeMessageEvent::TCodeMessageEvent;
};

// "1002": a failed exchange with the server.
class TNetworkErrorEvent : public TCodeMessageEvent {
public:
    using TCodeMessageEvent::TCodeMessageEvent;
};

// "8": a message for the user.
class TModuleNotifyEvent : public TFEvent {
public:
    TModuleNotifyEvent(std::string name, std::string message)
        : TFEvent(std::move(name)), Message(std::move(message)) {}

    std::string Message; // code page 1251
};
