#pragma once

#include <data/BandwidthTotal.h>
#include <data/PlanReport.h>

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The words and number forms every report output shares, so a heading reads
// the same in the PDF, the workbook and the CSV, and one translation serves
// them all.
class ReportTexts
{
    Q_DECLARE_TR_FUNCTIONS(ReportTexts)

public:
    static QString title(const PlanReport& report);
    static QString dateLine(const PlanReport& report);
    // The report's date as a customer anywhere reads it unambiguously.
    static QString dateText(const QDate& date) { return date.toString(Qt::ISODate); }

    static QString notesHeading() { return tr("Notes"); }
    static QString groupsHeading() { return tr("Device groups"); }
    static QString totalsHeading() { return tr("Totals"); }
    static QString storageHeading() { return tr("Storage"); }
    static QString chartHeading() { return tr("Bandwidth per group"); }
    static QString networkHeading() { return tr("Network"); }
    static QString switchesHeading() { return tr("Switches"); }
    static QString recordersHeading() { return tr("Recorders"); }
    static QString problemsHeading() { return tr("Problems"); }
    // What the problems part says when the checks found none.
    static QString noProblems() { return tr("No problems: every figure is within its limit."); }

    // Sheet names of the workbook.
    static QString groupsSheet() { return tr("Groups"); }
    static QString totalsSheet() { return tr("Totals"); }
    static QString networkSheet() { return tr("Network"); }
    static QString problemsSheet() { return tr("Problems"); }

    // The network's columns in the workbook and the CSV: each figure apart,
    // its unit in the heading.
    static QStringList switchColumns();
    static QStringList recorderColumns();
    static QStringList problemColumns();
    // The printed tables put a load beside its limit in one column.
    static QStringList printedSwitchColumns();
    static QStringList printedRecorderColumns();
    // A switch's or recorder's row of the printed table.
    static QStringList printedSwitch(const PlanReport::Switch& unit);
    static QStringList printedRecorder(const PlanReport::Recorder& unit);

    // ok, warn and over in the report's words.
    static QString stateText(CheckState state);
    // "Switch", "Recorder", "Group", "Site".
    static QString objectText(const QString& object);
    // "Uplink", "PoE", "Detail" and the other rules.
    static QString ruleText(const QString& rule);
    // "Switch Floor 1 (sw1)", "Group 3 (Gate 3, east)", "Site".
    static QString problemObject(const PlanReport::Problem& problem);
    // "Switch Floor 1 (sw1), PoE: 243.2 of 240 W", the line above its sentence.
    static QString problemLine(const PlanReport::Problem& problem);
    // A figure of the checks as its sentence writes it: rounded to a tenth,
    // whole ones without decimals.
    static QString checkFigure(double value);
    // Mbps from kbps, one decimal.
    static QString mbps(double kbps);
    // A load over its capacity in percent, rounded up to a tenth as the
    // checker's sentences write it, so a figure never reads below the line
    // its state has crossed: "70", "69.9".
    static QString utilisation(double loadKbps, double capacityKbps);
    // A problem's unit in the report's language: "ports", "channels" and
    // "disks" are words; Mbps, W, TB and px/m are symbols.
    static QString problemUnit(const QString& unit);

    // Group columns, one figure each (the workbook and the CSV).
    // With detail, four more: px/m, the level met, the level required and
    // the farthest distance.
    // The group's settings follow in every case (settingsColumns), so the
    // table reads back as the groups it lists.
    static QStringList groupColumns(bool withStorage, bool withDetail = false);
    static QStringList settingsColumns();
    // A group's settings under those headings; empty for a setting it does
    // not use. numeric says, per column, which cells are figures.
    static QStringList settingsValues(const PlanReport::Group& group);
    static bool isSettingsFigure(int index);
    // The printed table joins channels and streams into one column, and
    // states each group's bandwidth in one unit, named in its heading.
    // With detail, one more: "103.0 px/m, Observe, below Recognise".
    static QStringList printedColumns(bool withStorage, BandwidthTotal::Unit unit, bool withDetail = false);
    // A group's detail in one line; empty without a figure.
    static QString detailText(const PlanReport::Group& group);
    // A level in the report's language.
    static QString levelText(const std::optional<DetailLevel>& level);
    // Mbps, or Kbps for a plan whose largest group stays below 1 Mbps.
    static BandwidthTotal::Unit groupUnit(const PlanReport& report);
    // One decimal in the unit.
    static QString groupBandwidth(double kbps, BandwidthTotal::Unit unit);
    static QString channelsTimesStreams(const PlanReport::Group& group);
    // The frame rate, or the scene a group takes its rate from.
    static QString frameRateOrScene(const PlanReport::Group& group);

    static QString groupCountLabel() { return tr("Groups"); }
    static QString channelsLabel() { return tr("Channels"); }
    static QString ipcLabel() { return tr("IPC channels"); }
    static QString dvrLabel() { return tr("DVR channels"); }
    static QString totalBandwidthLabel() { return tr("Total bandwidth"); }
    static QString totalKbpsLabel() { return tr("Total bandwidth (kbps)"); }
    static QString uplinkLabel() { return tr("Uplink"); }
    // "Kbps", "Mbps" or "Gbps", as a customer's document spells them in
    // every language.
    static QString unitText(BandwidthTotal::Unit unit) { return BandwidthTotal::unitName(unit); }
    // The total as a reader reads it: its true figure and unit.
    static QString totalText(const BandwidthTotal& bandwidth);

    // The site's properties on page 1 (the site itself is in the title).
    static QString customerLabel() { return tr("Customer"); }
    static QString addressLabel() { return tr("Address"); }
    static QString designerLabel() { return tr("Designer"); }
    static QString siteLabel() { return tr("Site"); }

    static QString storedLabel() { return tr("Recorded data (TB)"); }
    static QString dataDisksLabel() { return tr("Data disks"); }
    static QString disksLabel() { return tr("Disks to buy"); }
    static QString raidLabel() { return tr("RAID"); }
    static QString diskSizeLabel() { return tr("Disk size (TB)"); }
    static QString hotSparesLabel() { return tr("Hot spares"); }
    static QString raidText(StorageSettings::Raid raid);

    // Figures in text outputs: a dot for decimals and no grouping, so what
    // a customer reads is also what a program parses.
    static QString kbps(double value) { return QString::number(value, 'f', 1); }
    static QString tenth(double value) { return QString::number(value, 'f', 1); }
    static QString rate(double value) { return QString::number(value, 'g', 12); }
    static QString percent(double share) { return QString::number(share * 100.0, 'f', 1); }
    static QString tb(long double bytes) { return QString::number(double(bytes / ReportStorage::kBytesPerTB), 'f', 2); }
    static QString diskSize(double tb) { return QString::number(tb, 'g', 6); }
};
