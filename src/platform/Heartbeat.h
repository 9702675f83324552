#pragma once
// The beat of a long run: the data layer beats once per query sent, and
// whoever shows that the module is at work (the host window's progress bar
// while a report is built) listens. Without a listener a beat costs one
// check of a pointer. Listeners are called at most once per interval, so a
// run of many small queries does not spend its time repainting.
#include <functional>

namespace plan {

class Heartbeat {
public:
    enum class Sent { Read, Write };
    // Sets the listener (an empty function removes it). The first beat after
    // setting reaches it at once, later ones no more often than every
    // intervalMs milliseconds.
    static void listen(std::function<void()> listener, int intervalMs = 80);
    static void beat(Sent kind = Sent::Read);
    // Queries sent since the process started, of each kind (the benchmark
    // prints the difference over a report).
    static long long sent(Sent kind);
};

} // namespace plan
