#pragma once

#include <QtGlobal>

#include <functional>

// Long work tells how far it got through one of these: done out of total.
// An answer of false means the user cancelled; the work then stops and
// leaves the files and the plan as they were.
using ProgressStep = std::function<bool(qint64 done, qint64 total)>;

// Whether work may go on: always, when nobody watches it.
inline bool mayContinue(const ProgressStep& progress, qint64 done, qint64 total)
{
    return !progress || progress(done, total);
}
