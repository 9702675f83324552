#pragma once
// What the report cycle needs of the window it runs in: the window key that
// finds templates, the report component, the progress bar, cursor and bar.
#include <QString>

namespace plan {

class ReportComponent;

class ReportHost {
public:
    virtual ~ReportHost() = default;
    virtual QString windowKey() const = 0;
    virtual ReportComponent* reportComponent() = 0;
    // Progress bar: minimum 0, maximum n, position 0.
    virtual void progressStart(int n) = 0;
    virtual void progressStep() = 0;
    // Position and maximum back to 0.
    virtual void progressReset() = 0;
    // Hourglass cursor and frozen, disabled bar while a frame works.
    virtual void beginBusy() = 0;
    // Normal cursor and the bar drawn again (re-enabling follows the host's
    // end-of-document rule).
    virtual void endBusy() = 0;
};

} // namespace plan
