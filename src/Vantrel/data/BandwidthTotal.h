#pragma once

#include <QString>
#include <QtGlobal>

// The total network load of the device groups as the bandwidth tab shows it:
// the summed group loads get a margin (the load is 70 % of the total), are
// rounded up to whole kbps and then to a tenth of the unit, which steps by
// 1024 from Kpbs to Mpbs to Gpbs.
class BandwidthTotal
{
public:
    enum class Unit { Kpbs, Mpbs, Gpbs };

    // The one step between the units, everywhere a rate is shown or typed.
    static constexpr double kKbpsPerMbps = 1024.0;
    // The window's figure field holds no more; beyond it the window marks
    // its figure as a least value. Reports and scripts get the true figure.
    static constexpr double kMaxShownGpbs = 999.9;

    // The unit as a reader and a script read it: "Kbps", "Mbps", "Gbps".
    // The window shows its own translated words.
    static QString unitName(Unit unit);

    BandwidthTotal() = default;
    // sum: the summed group loads in kbps.
    explicit BandwidthTotal(double sum);

    // Adds one group's load in kbps. A negative load (a scene without a
    // recommended rate gives -1 kbps) or a non-number counts as nothing, so
    // one bad group cannot lower or poison the total of the others.
    void add(double groupLoad);

    double sum() const { return m_sum; }
    // ceil(sum * 10 / 7) in kbps.
    double total() const;
    Unit unit() const;
    // The figure in its unit with one decimal, rounded up.
    QString text() const;
    // text(), or "≥ 999.9" for a total beyond what the window's field holds.
    QString windowText() const;

private:
    static double sanitized(double load);

    double m_sum = 0.0;
};

