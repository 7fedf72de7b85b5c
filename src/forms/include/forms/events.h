#pragma once
// Every event handler runs through guarded(): a run-time error (or any
// other exception) escaping a handler is reported in a message box and the
// program carries on. No exception ever unwinds into Qt's event loop.

#include <QObject>
#include <functional>

namespace forms {

// Runs fn; reports and swallows whatever it throws.
void guarded(const std::function<void()> &fn);
// Shows the message for the exception currently being handled.
void reportCurrentException();

// Connects a control's event (a Qt signal) to a handler, guarded.
// The handler may be a member function of `context` or any callable.
template <typename Sender, typename Signal, typename Context, typename Handler>
QMetaObject::Connection on(Sender *sender, Signal signal, Context *context, Handler handler)
{
    return QObject::connect(sender, signal, context, [context, handler](auto &&...args) {
        guarded([&] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                (context->*handler)(std::forward<decltype(args)>(args)...);
            else
                handler(std::forward<decltype(args)>(args)...);
        });
    });
}

} // namespace forms
