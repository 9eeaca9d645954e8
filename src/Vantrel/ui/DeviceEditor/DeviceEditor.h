#pragma once

#include <data/DeviceTypes.h>
#include <data/PlanTypes.h>

#include "ComboRefill.h"
#include "LinkQuestion.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>

class DeviceConfigStore;
class DeviceInfoManager;
class Plan;
class EncodingCalculator;
class QComboBox;
class QBoxLayout;
class QLayout;
class QPushButton;
class NetworkPlaceEditor;
class RecordingEditor;
class ViewEditor;
class QKeyEvent;
class QResizeEvent;

namespace aptui {
class IntValidator;
class SpinBox;
}

namespace Ui {
class DeviceEditor;
}

// The narrow input panel: page 0 describes a device group and adds it with
// "+ Add" (signalAddDevice), page 1 describes a network link and reports
// every change as a CodeParameter (signalCodeParameterChanged). Page 1 is
// made when it is first shown; until then the link is asked without it.
class DeviceEditor : public QWidget
{
    Q_OBJECT
    // Found here sooner by Qt's style sheet; see aptui::Widget.
    Q_PROPERTY(QString styleSheet READ styleSheet WRITE setStyleSheet)

public:
    explicit DeviceEditor(QWidget* parent = nullptr);
    ~DeviceEditor() override;

    // The plan the groups go to: new groups take its lowest free number,
    // and a change in progress ends when its group leaves the plan. Without
    // a plan the editor numbers the groups it makes itself.
    void setPlan(const Plan* plan);
    // 0 bandwidth page, 1 encoding page.
    void setCurrentPage(int page);
    void setAppStarted(bool started);
    // Where typing a new group starts: the name field.
    void focusFirstField();
    // The group number "+ Add" would save changes to, 0 while adding.
    int editedGroupNumber() const { return m_editedGroupNumber; }
    QPushButton* cancelEditButton() const { return m_cancelEditButton; }
    // How the next group (or the one being changed) records.
    RecordingSettings recordingSettings() const;
    void setRecordingSettings(const RecordingSettings& settings);
    NetworkPlaceEditor* placeEditor() const { return m_placeEditor; }
    // The data files as the editor loaded them, with what they refused.
    const DeviceConfigStore& configStore() const { return *m_configStore; }

    // The link the encoding tab asks about, in the data files' names (the
    // boxes show their translations), so that it can come back next run.
    using LinkChoice = LinkQuestion::Choice;
    LinkChoice linkChoice() const;
    // Shows a kept link; a type or choice the data no longer holds leaves
    // that box as it is.
    void showLinkChoice(const LinkChoice& choice);

    // The encoding types offered in a language: language 0 keeps "H.264+"
    // and drops "Smart H.264", every other language the reverse.
    static QStringList encodingTypesForLanguage(QStringList types, unsigned int language);

Q_SIGNALS:
    void signalAddDevice(const StructDeviceItem& item);
    void signalAppStart();
    void signalCurrentFrameStandard(VideoStandard videoStandardValue);
    void signalCodeParameterChanged(const CodeParameter& codeParameter);
    // An edited group, with its own number, to replace the old one.
    void signalReplaceDevice(const StructDeviceItem& item);
    // The group being changed, 0 when none is.
    void signalEditedGroupChanged(int groupNumber);
    // After signalAddDevice and signalReplaceDevice: the same group with how
    // it records.
    void signalAddGroup(const PlanGroup& group);
    void signalReplaceGroup(const PlanGroup& group);

public Q_SLOTS:
    void onSetDeviceTypes(const QVector<StructDeviceType>& deviceTypes);
    void onSetDeviceResolutions(const QMap<int, QString>& deviceTypes);
    void onSetScenceRecommandRateText(const QString& rate);
    void onRateSelected();
    QObject* onGetScenceSelector();
    void onSpreadChanged(bool spread);
    void onFrametareStandardPAL();
    void onFrametareStandardNTSC();
    void onCodeParameterChanged();
    void onBandCheckboxChanged();

private Q_SLOTS:
    void onDeviceTypeChanged(int type);
    void onResolutionChanged(int index);
    void onFixedRateFrameRateChanged(int index);
    void onEncodingTypeChanged(int index);
    void onScenceChanged(int scenceType);
    void onBtnAddDeviceClicked();

public Q_SLOTS:
    // Public so that the window can connect the device list's deletions.
    void onDeleteChannelGroupNumber(int channelGroupNumber);
    void onReserveChannelGroupNumber(int channelGroupNumber);
    // Loads a group to change it; "+ Add" then saves the changes.
    void onEditDevice(const StructDeviceItem& item);
    void onCancelEdit();
    // Loads a group with how it records to change it.
    void onEditGroup(const PlanGroup& group);
    // A copy of a group under a new number, named after it.
    StructDeviceItem duplicateOf(const StructDeviceItem& item);
    // Shows the plan's standard (undo, an opened plan) without announcing a
    // switch of it.
    void showVideoStandard(VideoStandard standard);

private Q_SLOTS:
    void onSetFrameByStandard(int type);
    void onSetBandWidthByConnectionType(int index);
    void onRateTextChanged(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void selectFixedRate();
    void freshPictureAndBitrateAndEncoding();
    void refreshFixedRate();
    void refreshScenceRate();
    void initWidgets();
    void initBandwidthPage();
    // The Encoding tab's form, made when that page is first shown.
    void makeLinkForm();
    static void markCount(aptui::SpinBox* count);


    void placeSpreadButton(int panelHeight);
    void switchFrameStandard(VideoStandard standard, const char* function, bool announce = true);
    void loadGroup(const StructDeviceItem& item);
    int takeGroupNumber();
    // Ends the change in progress when its group is no longer in the plan.
    void followPlan();
    static void selectText(QComboBox* box, const QString& text);
    static QBoxLayout* layoutHolding(QLayout* layout, QWidget* widget);
    void showSceneRate(const QString& scene, const QString& encoding, const QString& resolution);
    bool rateFieldAcceptable() const;
    void markRateFieldInvalid(bool invalid);
    QStringList offeredEncodingTypes(bool sorted) const;

    std::unique_ptr<Ui::DeviceEditor> m_ui;
    int m_scenceType = 0;
    bool m_appStarted = false;
    int m_videoStandard = 0;
    DeviceInfoManager* m_deviceInfoManager = nullptr;
    std::unique_ptr<EncodingCalculator> m_calculator;
    std::unique_ptr<DeviceConfigStore> m_configStore;
    ComboRefill<DeviceEditor> m_refill;
    int m_editedGroupNumber = 0;
    const Plan* m_plan = nullptr;
    QPushButton* m_cancelEditButton = nullptr;
    RecordingEditor* m_recordingEditor = nullptr;
    ViewEditor* m_viewEditor = nullptr;
    NetworkPlaceEditor* m_placeEditor = nullptr;
    aptui::IntValidator* m_rateValidator = nullptr; // child of the editor
    LinkQuestion* m_link = nullptr; // child of the editor
};
