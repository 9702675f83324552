#pragma once
// A deterministic demo fleet for a new maintenance database: aircraft types
// with their per-type data and ground-running rules, operators and owners,
// aircraft (own and leased) with every kind of component installed and in
// store, standard lists, flight records, state entries, maintenance forms and
// the report switch file. The same seed and "today" give the same database.
#include <QString>
#include <functional>

namespace plan {

class DemoFleet {
public:
    struct Options {
        int aircraft = 40;
        int years = 3;
        int seed = 1;
    };
    struct Summary {
        int aircraft = 0;
        int components = 0;
        int flights = 0;
    };
    using Progress = std::function<void(const QString& step)>;

    // Creates the database file (it must not exist) and fills it as of Clock::today().
    static Summary create(const QString& path, const Options& options, const Progress& progress = {});
};

} // namespace plan
