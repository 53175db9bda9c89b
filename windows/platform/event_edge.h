// SPDX-License-Identifier: GPL-3.0-or-later
// The edge between Qt's event dispatch and the program's handlers. A control raises its numbered
// errors to its caller; when the caller is a handler that Qt called (a slot of a signal, an event
// handler), the error stops at the handler's edge and is shown in a critical-stop box with its
// number and description, and the window goes on. No exception ever unwinds through Qt, which
// calls that undefined behaviour.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QObject>
#include <exception>
#include <utility>

#include "numbered_error.h"

namespace tavimor {

// Shows an error that reached the edge of a handler.
void ShowErrorAtEdge(const NumberedError &error);
void ShowErrorAtEdge(const std::exception &error);

// Runs a handler that Qt called, stopping any error at its edge.
template <typename Handler>
void RunAtEdge(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const NumberedError &error) {
        ShowErrorAtEdge(error);
    } catch (const std::exception &error) {
        ShowErrorAtEdge(error);
    }
}

// Connects a signal to a slot of `receiver` that takes no arguments, through the edge.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection ConnectAtEdge(const Sender *sender, Signal signal, Receiver *receiver,
                                      void (Receiver::*slot)())
{
    return QObject::connect(sender, signal, receiver,
                            [receiver, slot] { RunAtEdge([&] { (receiver->*slot)(); }); });
}

}  // namespace tavimor
