#include "platform/Heartbeat.h"

#include <QElapsedTimer>

namespace plan {
namespace {
struct State {
    std::function<void()> listener;
    QElapsedTimer since;
    int intervalMs = 80;
    long long sent[2] = {0, 0};
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

long long Heartbeat::sent(Sent kind) { return state().sent[kind == Sent::Write ? 1 : 0]; }

void Heartbeat::beat(Sent kind)
{
    State& s = state();
    ++s.sent[kind == Sent::Write ? 1 : 0];
    if (!s.listener) return;
    if (s.since.isValid() && s.since.elapsed() < s.intervalMs) return;
    s.since.start();
    s.listener();
}

} // namespace plan
