#pragma once

#include <data/PlanTypes.h>

#include <QWidget>

class DeviceConfigStore;

namespace aptui {
class ComboBox;
class LineEdit;
}

// Where the user names the site's uplink: none, one of the links the
// encoding tab knows, or a figure of their own in Mbps.
class UplinkPicker : public QWidget
{
    Q_OBJECT

public:
    // The links come from store; it is read once, here.
    explicit UplinkPicker(const DeviceConfigStore& store, QWidget* parent = nullptr);
    ~UplinkPicker() override;

    // Shows a plan's uplink without announcing it as a choice.
    void showUplink(const UplinkSettings& uplink);
    UplinkSettings uplink() const;

    aptui::ComboBox* linkBox() const { return m_linkBox; }
    // The chosen link as the box shows it, shortened to fit.
    QString shownLinkText() const;
    aptui::LineEdit* customField() const { return m_customField; }

Q_SIGNALS:
    void signalUplinkChosen(const UplinkSettings& uplink);

private:
    void onLinkChosen(int index);
    void onCustomEdited();
    void markCustomInvalid(bool invalid);
    int customIndex() const;

    aptui::ComboBox* m_linkBox = nullptr;
    aptui::LineEdit* m_customField = nullptr;
    bool m_showing = false;
};
