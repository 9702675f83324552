#include "platform/Heartbeat.h"

#include <QElapsedTimer>

namespace plan {
namespace {
struct State {
    std::function<void()> listener;
    QElapsedTimer since;
    int intervalMs = 80;
};
State& state()
{
    static State s;
    return s;
}
} // namespace

void Heartbeat::listen(std::function<void()> listener, int intervalMs)
{
    State& s = state();
    s.listener = std::move(listener);
    s.intervalMs = intervalMs;
    s.since.invalidate();
}

void Heartbeat::beat()
{
    State& s = state();
    if (!s.listener) return;
    if (s.since.isValid() && s.since.elapsed() < s.intervalMs) return;
    s.since.start();
    s.listener();
}

} // namespace plan
