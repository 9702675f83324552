#pragma once
// The services the shell takes from the shared calculation library: the
// user's settings folder and the opening of a window's connection. Kept
// behind these two functions so that every window reaches them one way.
#include <QString>

namespace plan {

class Connection;

namespace shell {

// The user's settings folder, ending with a separator; a settings file name
// is appended to it.
QString userRoot();
// Prepares and opens the connection of a window when it is created.
void openWindowConnection(Connection& connection);

} // namespace shell
} // namespace plan

#include <exception>
#include <functional>

namespace plan::shell {

// The text of an error as the user sees it.
QString errorText(const std::exception& e);
// Runs a handler of a control; an error that ends it is shown as a message
// box (the one road of messages), so that it never leaves an event handler.
// Returns false when the handler failed.
bool runHandler(const std::function<void()>& handler);

} // namespace plan::shell
