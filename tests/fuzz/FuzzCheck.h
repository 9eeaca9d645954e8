#pragma once

#include <data/BandwidthTotal.h>
#include <data/PlanTotals.h>
#include <data/PlanTypes.h>
#include <data/StorageCalculator.h>

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>

// The properties every harness holds the program to. A broken one aborts, so
// the fuzzer keeps the input that broke it.
namespace FuzzCheck {

inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// A figure the user may see: a finite number, never below zero.
inline void shownFigure(double value, const char* what)
{
    require(std::isfinite(value) && value >= 0.0, what);
}

inline void shownText(const QString& text, const char* what)
{
    require(!text.contains(QLatin1Char('-')) && !text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
                && !text.contains(QLatin1String("inf"), Qt::CaseInsensitive),
            what);
}

// The bandwidth tab's totals and the storage summary of a set of groups.
inline void totalsAndStorage(const QVector<PlanGroup>& groups, const StorageSettings& storage)
{
    const PlanTotals totals(groups);
    require(totals.channels() >= 0 && totals.ipcChannels() >= 0 && totals.dvrChannels() >= 0, "channel counts");
    shownFigure(totals.bandwidth().total(), "bandwidth total");
    shownText(totals.bandwidth().text(), "bandwidth text");
    const StorageSizing sizing = StorageCalculator::size(groups, storage);
    require(std::isfinite(static_cast<double>(sizing.bytes)) && sizing.bytes >= 0, "storage bytes");
    shownFigure(sizing.tb, "storage TB");
    shownText(sizing.tbText, "storage TB text");
    require(sizing.dataDisks >= 0 && sizing.disks >= 0, "disk counts");
}

} // namespace FuzzCheck
