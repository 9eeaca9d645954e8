#include "DeviceEditor.h"

#include "ui_DeviceEditor.h"

#include "SkinColours/SkinColours.h"

#include <Fenwork/IntValidator.h>
#include <Fenwork/ShareTools.h>
#include <Sarnet/ToolApplicationHull.h>
#include <data/BandwidthTotal.h>
#include <data/DataName.h>
#include <data/DeviceConfigStore.h>
#include <data/DeviceInfoManager.h>
#include <data/EncodingCalculator.h>
#include <data/ShownRate.h>

#include "FieldMark.h"
#include "FocusedWheelFilter.h"
#include "LinkQuestion.h"
#include "NetworkPlaceEditor/NetworkPlaceEditor.h"
#include "RecordingEditor/RecordingEditor.h"
#include "ViewEditor/ViewEditor.h"
#include <data/GroupRule.h>
#include <data/Plan.h>
#include <data/PlanFile.h>

#include <Fenwork/LineEdit.h>
#include <Fenwork/PushButton.h>
#include <Fenwork/SpinBox.h>

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QStandardItemModel>
#include <QVariant>

#include <cmath>
#include <optional>

namespace {

constexpr int kFixedRateWidth = 320;
constexpr int kVarRateWidth = 390;
constexpr int kCollapsedWidth = 34;
constexpr int kInitialWidth = 400;
constexpr int kRowSpacing = 14;
constexpr int kSceneModeRowSpacing = 8;
// Every rate of the shipped tables fits, and a plan file holds no more.
constexpr int kMaxRate = static_cast<int>(GroupRule::kMaxBitrateKbps); // kbps
constexpr int kMaxChannelNameLength = 20;


} // namespace

// A refused connection is logged with the place that asked for it; the
// editor carries on without it.
#define CHECK_CONNECT(connection, function) ShareTools::checkConnection((connection), __FILE__, __LINE__, (function))

DeviceEditor::DeviceEditor(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DeviceEditor>())
    , m_refill(this)
{
    static const char* const kFunction = "DeviceEditor::DeviceEditor";

    // The form first: the data tables are read meanwhile on the start's
    // second thread, and the fields' choices below need them.
    m_ui->setupUi(this);
    m_deviceInfoManager = new DeviceInfoManager(this);
    m_configStore = std::make_unique<DeviceConfigStore>();
    m_calculator = std::make_unique<EncodingCalculator>();
    m_link = new LinkQuestion(*m_configStore, this);
    initWidgets();

    // Connected only now, so that filling the widgets above ran no slot and
    // emitted nothing; the order matters where one signal feeds two slots.
    Ui::DeviceEditor* ui = m_ui.get();
    CHECK_CONNECT(connect(ui->m_btnAddDevice, &QPushButton::clicked, this, &DeviceEditor::onBtnAddDeviceClicked), kFunction);
    CHECK_CONNECT(connect(ui->m_radioButtonFixedRate, &QRadioButton::clicked, this, &DeviceEditor::onRateSelected), kFunction);
    CHECK_CONNECT(connect(ui->m_radioButtonVarRate, &QRadioButton::clicked, this, &DeviceEditor::onRateSelected), kFunction);
    CHECK_CONNECT(connect(ui->m_comboBoxDeviceType, &QComboBox::currentIndexChanged, this, &DeviceEditor::onDeviceTypeChanged), kFunction);
    CHECK_CONNECT(connect(ui->m_comboBoxResolution, &QComboBox::currentIndexChanged, this, &DeviceEditor::onResolutionChanged), kFunction);
    CHECK_CONNECT(connect(ui->m_comboxFrameRate, &QComboBox::currentIndexChanged, this, &DeviceEditor::onFixedRateFrameRateChanged), kFunction);
    CHECK_CONNECT(connect(ui->m_comboxEncodingType, &QComboBox::currentIndexChanged, this, &DeviceEditor::onEncodingTypeChanged), kFunction);
    CHECK_CONNECT(connect(ui->m_scenceSelector, &ScenceSelector::signalScenceChanged, this, &DeviceEditor::onScenceChanged), kFunction);
    CHECK_CONNECT(connect(ui->m_checkBoxSpread, &QToolButton::toggled, this, &DeviceEditor::onSpreadChanged), kFunction);
    CHECK_CONNECT(connect(ui->PalNtscSwitch, &aptui::Switch::signalON, this, &DeviceEditor::onFrametareStandardPAL), kFunction);
    CHECK_CONNECT(connect(ui->PalNtscSwitch, &aptui::Switch::signalOFF, this, &DeviceEditor::onFrametareStandardNTSC), kFunction);
    CHECK_CONNECT(connect(m_link, &LinkQuestion::changed, this, &DeviceEditor::signalCodeParameterChanged), kFunction);
    CHECK_CONNECT(connect(ui->m_lineEditScenceRecommandRate, &QLineEdit::textChanged, this, &DeviceEditor::onRateTextChanged), kFunction);
    m_refill.setLive(true);

    setFixedWidth(kInitialWidth);

    m_rateValidator = new aptui::IntValidator(0, kMaxRate, this);
    m_rateValidator->setClampsToMaximum(true);
    ui->m_lineEditScenceRecommandRate->setValidator(m_rateValidator);
    FieldMark::showFrameOf(ui->m_lineEditScenceRecommandRate, "QLineEdit");
    ui->m_lineEditChannelName->setMaxLength(kMaxChannelNameLength);
    for (aptui::SpinBox* count : {ui->channelCountsEdit, ui->streamCountsEdit})
        markCount(count);

    ui->m_widgetShadow->installEventFilter(this);

    QBoxLayout* buttonLayout = layoutHolding(ui->m_btnAddDevice->parentWidget()->layout(), ui->m_btnAddDevice);
    // How the group records, between the rate and "+ Add".
    m_recordingEditor = new RecordingEditor(ui->m_btnAddDevice->parentWidget());
    CHECK_CONNECT(connect(ui->streamCountsEdit, &QSpinBox::valueChanged, m_recordingEditor,
                          &RecordingEditor::setStreamLimit), kFunction);
    // What the cameras see, above the recording; it reads the resolution.
    m_viewEditor = new ViewEditor(ui->m_btnAddDevice->parentWidget());
    m_viewEditor->setResolution(ui->m_comboBoxResolution->currentText());
    CHECK_CONNECT(connect(ui->m_comboBoxResolution, &QComboBox::currentTextChanged, m_viewEditor,
                          &ViewEditor::setResolution), kFunction);
    // Where the group sits in the site's network, below the recording.
    m_placeEditor = new NetworkPlaceEditor(ui->m_btnAddDevice->parentWidget());
    // Beside "+ Add" while a group is being changed.
    m_cancelEditButton = new aptui::PushButton(ui->m_btnAddDevice->parentWidget());
    m_cancelEditButton->setText(tr("Cancel"));
    m_cancelEditButton->setObjectName(QStringLiteral("m_btnCancelEdit"));
    m_cancelEditButton->setMinimumHeight(ui->m_btnAddDevice->minimumHeight());
    m_cancelEditButton->setMaximumHeight(ui->m_btnAddDevice->maximumHeight());
    if (buttonLayout) {
        const int button = buttonLayout->indexOf(ui->m_btnAddDevice);
        buttonLayout->insertWidget(button + 1, m_cancelEditButton);
        // Above the spacer that keeps the button at the bottom.
        // The View and Recording lines sit close together, as one block:
        // the form's wide spacing between them would push "+ Add" out of
        // the window at its smallest height.
        auto* sections = new QWidget(ui->m_btnAddDevice->parentWidget());
        sections->setObjectName(QStringLiteral("m_widgetGroupSections"));
        auto* sectionLayout = new QVBoxLayout(sections);
        sectionLayout->setContentsMargins(0, 0, 0, 0);
        sectionLayout->setSpacing(0);
        sectionLayout->addWidget(m_viewEditor);
        sectionLayout->addWidget(m_recordingEditor);
        sectionLayout->addWidget(m_placeEditor);
        buttonLayout->insertWidget(std::max(button - 1, 0), sections);
    }
    m_cancelEditButton->hide();
    CHECK_CONNECT(connect(m_cancelEditButton, &QPushButton::clicked, this, &DeviceEditor::onCancelEdit), kFunction);

    // Made after the form, the recording section and Cancel came last in
    // the Tab chain; they go where they are seen, around "+ Add".
    QWidget* previous = ui->m_lineEditScenceRecommandRate;
    for (QWidget* section : { static_cast<QWidget*>(m_viewEditor), static_cast<QWidget*>(m_recordingEditor),
                              static_cast<QWidget*>(m_placeEditor) }) {
        for (QWidget* field : section->findChildren<QWidget*>()) {
            // A combo box's list is a window of its own once it was made:
            // chaining into it would cut the form's chain there.
            if ((field->focusPolicy() & Qt::TabFocus) && field->window() == section->window()) {
                QWidget::setTabOrder(previous, field);
                previous = field;
            }
        }
    }
    QWidget::setTabOrder(previous, ui->m_btnAddDevice);
    QWidget::setTabOrder(ui->m_btnAddDevice, m_cancelEditButton);
    FocusedWheelFilter::guardFieldsOf(this);
    // Last: the first page is styled and laid out as it joins the stack, so
    // it should hold its sections by then and have the scene picker hidden
    // (the picker's caption alone would load a font the window never shows).
    m_ui->m_verticalWidgetAddBorder->takeChildPages();
}

DeviceEditor::~DeviceEditor() = default;

void DeviceEditor::markCount(aptui::SpinBox* count)
{
    FieldMark::showFrameOf(count, "QSpinBox");
    count->setClampHint(tr("Set to the largest count, %1."), tr("Set to the smallest count, %1."));
}

void DeviceEditor::makeLinkForm()
{
    if (m_link->hasForm())
        return;
    // Made in the stack, not handed to it: a widget given a new parent is
    // styled again with all it holds.
    auto* page = new QWidget(m_ui->m_verticalWidgetAddBorder);
    m_link->makeForm(page);
    m_ui->m_verticalWidgetAddBorder->addWidget(page);
    if (auto* streams = page->findChild<aptui::SpinBox*>(QStringLiteral("streamCountSpinBox_2")))
        markCount(streams);
    FocusedWheelFilter::guardFieldsOf(page);
    // Made late, the fields would end the window's Tab chain; they follow
    // the group form's last field, as they did when made with the window.
    QWidget* previous = m_cancelEditButton;
    for (QWidget* field : m_link->fields()) {
        QWidget::setTabOrder(previous, field);
        previous = field;
    }
}

void DeviceEditor::setCurrentPage(int page)
{
    if (page == 1)
        makeLinkForm();
    m_ui->m_verticalWidgetAddBorder->setCurrentIndex(page);
    // Only the group form shows scene pictures: the link's form keeps the
    // narrow width, and its answers the room, whatever the rate mode.
    if (!m_ui->m_checkBoxSpread->isChecked() && m_ui->m_radioButtonVarRate->isChecked())
        setFixedWidth(page == 0 ? kVarRateWidth : kFixedRateWidth);
}

void DeviceEditor::focusFirstField()
{
    m_ui->m_lineEditChannelName->setFocus(Qt::OtherFocusReason);
}

void DeviceEditor::setAppStarted(bool started)
{
    m_appStarted = started;
}

QStringList DeviceEditor::encodingTypesForLanguage(QStringList types, unsigned int language)
{
    types.removeAll(language == 0 ? QStringLiteral("Smart H.264") : QStringLiteral("H.264+"));
    return types;
}

QStringList DeviceEditor::offeredEncodingTypes(bool sorted) const
{
    QStringList types = m_configStore->getEncodeTypes();
    if (sorted)
        types.sort(Qt::CaseSensitive);
    return encodingTypesForLanguage(types, apt::ToolApplicationHull::instance()->language());
}

// ---------------------------------------------------------------------------
// Start-up

void DeviceEditor::initWidgets()
{
    // With a wide fallback font the encode-section row is wider than the
    // 320-pixel panel: the radio buttons keep their whole texts and the
    // label (whose trailing blanks are only padding) wraps instead.
    m_ui->label->setWordWrap(true);
    m_ui->m_radioButtonFixedRate->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_ui->m_radioButtonVarRate->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // The panel's fixed width sets the lists' widths; measuring each entry
    // of each list for a width the layout overrides cost a tenth of the
    // editor's start.
    for (aptui::ComboBox* box : findChildren<aptui::ComboBox*>())
        box->setHintMeasuresEntries(false);

    m_ui->m_scenceSelector->hide();
    setFixedWidth(kFixedRateWidth);
    initBandwidthPage();
    m_link->fill(offeredEncodingTypes(false));
}

void DeviceEditor::initBandwidthPage()
{
    Ui::DeviceEditor* ui = m_ui.get();
    // Only a hint: a field holding the default as text took a click's caret
    // into it, and the typing landed inside the default name.
    ui->m_lineEditChannelName->setPlaceholderText(tr("Channel Name"));

    ui->channelCountsEdit->setValue(1);
    ui->channelCountsEdit->setRange(1, 512);
    ui->streamCountsEdit->setValue(1);
    ui->streamCountsEdit->setRange(1, 512);

    ui->PalNtscSwitch->setFixedSize(84, 24);
    ui->PalNtscSwitch->setOnText(tr("PAL"));
    ui->PalNtscSwitch->setOffText(tr("NTSC"));

    ui->m_comboBoxDeviceType->addItem(tr("IPC"));
    ui->m_comboBoxDeviceType->addItem(tr("DVR"));

    ui->m_radioButtonFixedRate->setChecked(true);

    const QStringList scenes = m_deviceInfoManager->getScenceNames();
    QVector<SCENCE_ITEM> items;
    items.reserve(scenes.size());
    for (int i = 0; i < scenes.size(); ++i)
        items.append(SCENCE_ITEM{i, scenes.at(i)});
    ui->m_scenceSelector->setScenceData(items);
    // Without scenes there is nothing to pick in variable-rate mode.
    if (scenes.isEmpty())
        ui->m_radioButtonVarRate->hide();

    selectFixedRate();
    onSetFrameByStandard(PAL);
    // The calculator still holds its own start encoding ("H.264") here,
    // whatever the encoding box shows first.
    refreshFixedRate();
}


// ---------------------------------------------------------------------------
// Rate modes

void DeviceEditor::selectFixedRate()
{
    Ui::DeviceEditor* ui = m_ui.get();
    ui->m_scenceSelector->hide();
    setFixedWidth(kFixedRateWidth);
    ui->gridLayout_4->setVerticalSpacing(kRowSpacing);
    ui->m_labelFrameRate->show();
    ui->m_comboxFrameRate->show();
    ui->m_labelEncodeTypeLabel->show();
    ui->m_comboxEncodingType->show();

    ui->m_labelScenceRecommandRate->setText(tr("Recommend Rate :"));

    // Plain refill: the first type reaches the calculator through the slot.
    m_refill.plainly(ui->m_comboxEncodingType, offeredEncodingTypes(true));

    // Entries beyond the two built-in types get the recorders' resolutions.
    const DeviceKind kind =
        deviceKindFromEncodingCode(ui->m_comboBoxDeviceType->currentIndex()).value_or(DeviceKind::Dvr);
    m_refill.firstItem(ui->m_comboBoxResolution, &DeviceEditor::onResolutionChanged,
                    m_deviceInfoManager->getResolutions(resolutionListCode(kind)), "DeviceEditor::selectFixedRate");
}

void DeviceEditor::onRateSelected()
{
    Ui::DeviceEditor* ui = m_ui.get();
    if (sender() == ui->m_radioButtonFixedRate) {
        selectFixedRate();
        refreshFixedRate();
        return;
    }

    ui->m_scenceSelector->show();
    // The scene pictures take the room: the rows close up so that "+ Add"
    // stays in a window of 720 pixels, whatever the language's line height.
    ui->gridLayout_4->setVerticalSpacing(kSceneModeRowSpacing);
    ui->m_labelFrameRate->hide();
    ui->m_comboxFrameRate->hide();
    ui->m_labelEncodeTypeLabel->show();
    ui->m_comboxEncodingType->show();
    setFixedWidth(kVarRateWidth);
    // Entering the mode always starts from the first scene; the selector's
    // checked button is left as the user last chose it.
    onScenceChanged(0);
}

void DeviceEditor::onScenceChanged(int scenceType)
{
    static const char* const kFunction = "DeviceEditor::onScenceChanged";
    Ui::DeviceEditor* ui = m_ui.get();
    const QString scene = m_deviceInfoManager->getScenceName(scenceType);

    QStringList resolutions;
    m_configStore->getScenceResolutions(scene, resolutions);
    m_refill.silently(ui->m_comboBoxResolution, &DeviceEditor::onResolutionChanged, resolutions, kFunction);
    const QString resolution = ui->m_comboBoxResolution->currentText();

    QStringList encodings;
    m_configStore->getScenceEncodeTypes(scene, resolution, encodings);
    m_refill.silently(ui->m_comboxEncodingType, &DeviceEditor::onEncodingTypeChanged, encodings, kFunction);
    const QString encoding = ui->m_comboxEncodingType->currentText();

    showSceneRate(scene, encoding, resolution);
    m_scenceType = scenceType;
}

void DeviceEditor::freshPictureAndBitrateAndEncoding()
{
    Ui::DeviceEditor* ui = m_ui.get();
    const QString scene = m_deviceInfoManager->getScenceName(m_scenceType);
    const QString resolution = ui->m_comboBoxResolution->currentText();

    QStringList encodings;
    m_configStore->getScenceEncodeTypes(scene, resolution, encodings);
    m_refill.silently(ui->m_comboxEncodingType, &DeviceEditor::onEncodingTypeChanged, encodings,
                   "DeviceEditor::freshPictureAndBitrateAndEncoding");

    showSceneRate(scene, ui->m_comboxEncodingType->currentText(), resolution);
}

void DeviceEditor::refreshScenceRate()
{
    showSceneRate(m_deviceInfoManager->getScenceName(m_scenceType), m_ui->m_comboxEncodingType->currentText(),
                  m_ui->m_comboBoxResolution->currentText());
}

void DeviceEditor::showSceneRate(const QString& scene, const QString& encoding, const QString& resolution)
{
    m_ui->m_scenceSelector->setScencePicture(m_deviceInfoManager->getScencePicture(scene, encoding, resolution));
    // A scene without a matching row shows -1; "+ Add" refuses it.
    m_ui->m_lineEditScenceRecommandRate->setText(
        QString::number(m_deviceInfoManager->getScenceBitrate(scene, encoding, resolution)));
}

void DeviceEditor::refreshFixedRate()
{
    Ui::DeviceEditor* ui = m_ui.get();
    if (!ui->m_radioButtonFixedRate->isChecked())
        return;

    // Only the two built-in device types are known to the calculator; any
    // other entry is computed as the first one.
    const DeviceKind kind =
        deviceKindFromEncodingCode(ui->m_comboBoxDeviceType->currentIndex()).value_or(DeviceKind::Ipc);
    const QString resolution = ui->m_comboBoxResolution->currentText();
    const double frameRate = m_configStore->getFrameRateValue(ui->m_comboxFrameRate->currentText(), m_videoStandard);
    const int rate = ShownRate::wholeKbpsInt(m_calculator->calculateBitrate(encodingCode(kind), resolution, frameRate));
    ui->m_lineEditScenceRecommandRate->setText(QString::number(rate));
}

void DeviceEditor::onDeviceTypeChanged(int type)
{
    const std::optional<DeviceKind> kind = deviceKindFromEncodingCode(type);
    if (!m_ui->m_radioButtonFixedRate->isChecked() || !kind)
        return;
    m_refill.firstItem(m_ui->m_comboBoxResolution, &DeviceEditor::onResolutionChanged,
                    m_deviceInfoManager->getResolutions(resolutionListCode(*kind)), "DeviceEditor::onDeviceTypeChanged");
    refreshFixedRate();
}

void DeviceEditor::onResolutionChanged(int)
{
    if (m_ui->m_radioButtonFixedRate->isChecked())
        refreshFixedRate();
    else
        freshPictureAndBitrateAndEncoding();
}

void DeviceEditor::onFixedRateFrameRateChanged(int)
{
    refreshFixedRate();
}

void DeviceEditor::onEncodingTypeChanged(int)
{
    if (m_ui->m_radioButtonFixedRate->isChecked()) {
        m_calculator->setEncodeType(m_ui->m_comboxEncodingType->currentText());
        refreshFixedRate();
    } else {
        refreshScenceRate();
    }
}

// ---------------------------------------------------------------------------
// Video standard

void DeviceEditor::onSetFrameByStandard(int type)
{
    m_refill.silently(m_ui->m_comboxFrameRate, &DeviceEditor::onFixedRateFrameRateChanged,
                   m_deviceInfoManager->getFrameRateTexts(static_cast<VideoStandard>(type)),
                   "DeviceEditor::onSetFrameByStandard");
    m_ui->m_comboxFrameRate->setCurrentIndex(1);
}

void DeviceEditor::onFrametareStandardPAL()
{
    switchFrameStandard(PAL, "DeviceEditor::onFrametareStandardPAL");
}

void DeviceEditor::onFrametareStandardNTSC()
{
    switchFrameStandard(NTSC, "DeviceEditor::onFrametareStandardNTSC");
}

void DeviceEditor::showVideoStandard(VideoStandard standard)
{
    if (standard == m_videoStandard || (standard != PAL && standard != NTSC))
        return;
    m_ui->PalNtscSwitch->setOn(standard == PAL);
    switchFrameStandard(standard, "DeviceEditor::showVideoStandard", false);
}

void DeviceEditor::switchFrameStandard(VideoStandard standard, const char* function, bool announce)
{
    m_refill.silently(m_ui->m_comboxFrameRate, &DeviceEditor::onFixedRateFrameRateChanged,
                   m_deviceInfoManager->getFrameRateTexts(standard), function);
    m_videoStandard = standard;
    // Selecting the second entry recomputes the fixed rate with the new
    // standard before the device list hears of it.
    m_ui->m_comboxFrameRate->setCurrentIndex(1);
    if (announce)
        Q_EMIT signalCurrentFrameStandard(standard);
}

// ---------------------------------------------------------------------------
// Adding and deleting groups

bool DeviceEditor::rateFieldAcceptable() const
{
    const QLineEdit* field = m_ui->m_lineEditScenceRecommandRate;
    const QValidator* validator = field->validator();
    if (!validator)
        return true;
    QString text = field->text();
    int position = 0;
    // The field's limits and the plan file's are one rule: a group the
    // editor adds can always be saved and opened again.
    return validator->validate(text, position) == QValidator::Acceptable
        && GroupRule::acceptsBitrate(text.toDouble());
}

void DeviceEditor::markRateFieldInvalid(bool invalid)
{
    FieldMark::mark(m_ui->m_lineEditScenceRecommandRate, invalid, tr("Enter a rate from 1 to %1 kbps.").arg(kMaxRate));
}

void DeviceEditor::onRateTextChanged(const QString&)
{
    QLineEdit* field = m_ui->m_lineEditScenceRecommandRate;
    // A typed rate above the limit became the limit: said until the next edit.
    if (m_rateValidator->takeClamped())
        FieldMark::mark(field, true, tr("Set to the largest rate, %1 kbps.").arg(kMaxRate));
    else if (FieldMark::isMarked(field) && rateFieldAcceptable())
        markRateFieldInvalid(false);
}

void DeviceEditor::onBtnAddDeviceClicked()
{
    Ui::DeviceEditor* ui = m_ui.get();
    // The counts are taken as the boxes show them, after any clamp: a typed
    // text the boxes have not taken yet would otherwise be dropped unseen.
    ui->channelCountsEdit->commitText();
    ui->streamCountsEdit->commitText();
    // A negative, empty or oversized rate would corrupt the totals: the group
    // is not added and the field says why.
    const bool rateAcceptable = rateFieldAcceptable();
    if (!rateAcceptable)
        markRateFieldInvalid(true);
    if (!rateAcceptable)
        return;

    StructDeviceItem item;
    const bool editing = m_editedGroupNumber > 0;
    item.bitrate = ui->m_lineEditScenceRecommandRate->text().toDouble();
    item.channelCount = ui->channelCountsEdit->value();
    item.streamCount = ui->streamCountsEdit->value();
    item.encodingType = ui->m_comboxEncodingType->currentText();
    item.spareFlag = false;
    item.groupNumber = editing ? m_editedGroupNumber : takeGroupNumber();
    // An empty field names the group as the hint does, as the default text
    // it replaced did.
    const QString typedName = ui->m_lineEditChannelName->text();
    item.channelName = PlanFile::numberedName(
        typedName.trimmed().isEmpty() ? ui->m_lineEditChannelName->placeholderText() : typedName, item.groupNumber);
    item.spareText = QString();
    item.resolution = ui->m_comboBoxResolution->currentText();
    if (ui->m_radioButtonVarRate->isChecked()) {
        item.sceneName = m_deviceInfoManager->getScenceName(m_scenceType);
        item.frameRate = QString();
    } else {
        item.sceneName = QString();
        item.frameRate = ui->m_comboxFrameRate->currentText();
    }
    item.deviceType = ui->m_comboBoxDeviceType->currentText();

    PlanGroup group{ item, recordingSettings() };
    group.view = m_viewEditor->settings();
    group.network = m_placeEditor->place();
    if (editing) {
        onCancelEdit();
        Q_EMIT signalReplaceDevice(item);
        Q_EMIT signalReplaceGroup(group);
        return;
    }
    if (!m_appStarted) {
        Q_EMIT signalAppStart();
        m_appStarted = true;
    }
    Q_EMIT signalAddDevice(item);
    Q_EMIT signalAddGroup(group);
}

void DeviceEditor::setPlan(const Plan* plan)
{
    m_plan = plan;
    connect(plan, &Plan::groupRemoved, this, &DeviceEditor::followPlan);
    connect(plan, &Plan::groupsReset, this, &DeviceEditor::followPlan);
    connect(plan, &Plan::networkChanged, this, [this] { m_placeEditor->setNetwork(m_plan->network()); });
    m_placeEditor->setNetwork(plan->network());
}

int DeviceEditor::takeGroupNumber()
{
    return m_plan ? m_plan->lowestFreeGroupNumber() : m_deviceInfoManager->takeGroupNumber();
}

void DeviceEditor::followPlan()
{
    if (m_editedGroupNumber > 0 && m_plan->rowOfNumber(m_editedGroupNumber) < 0)
        onCancelEdit();
}

void DeviceEditor::onDeleteChannelGroupNumber(int channelGroupNumber)
{
    m_deviceInfoManager->releaseGroupNumber(channelGroupNumber);
    // The group being changed is gone: there is nothing left to save to.
    if (channelGroupNumber == 0 || channelGroupNumber == m_editedGroupNumber)
        onCancelEdit();
}

void DeviceEditor::onReserveChannelGroupNumber(int channelGroupNumber)
{
    m_deviceInfoManager->reserveGroupNumber(channelGroupNumber);
}

void DeviceEditor::onEditDevice(const StructDeviceItem& item)
{
    if (item.groupNumber <= 0)
        return;
    setCurrentPage(0);
    loadGroup(item);
    m_editedGroupNumber = item.groupNumber;
    m_ui->m_btnAddDevice->setText(tr("Save changes"));
    m_ui->m_label_AddDevice->setText(tr("Edit Device"));
    m_cancelEditButton->show();
    Q_EMIT signalEditedGroupChanged(m_editedGroupNumber);
}

void DeviceEditor::onEditGroup(const PlanGroup& group)
{
    onEditDevice(group.device);
    if (m_editedGroupNumber == group.device.groupNumber) {
        setRecordingSettings(group.recording);
        m_viewEditor->setSettings(group.view);
        m_placeEditor->setPlace(group.network);
    }
}

void DeviceEditor::onCancelEdit()
{
    if (m_editedGroupNumber == 0)
        return;
    m_editedGroupNumber = 0;
    m_ui->m_btnAddDevice->setText(tr("+ Add"));
    m_ui->m_label_AddDevice->setText(tr("Add Device"));
    m_cancelEditButton->hide();
    Q_EMIT signalEditedGroupChanged(0);
}

StructDeviceItem DeviceEditor::duplicateOf(const StructDeviceItem& item)
{
    StructDeviceItem copy = item;
    const QString name = PlanFile::nameWithoutNumber(item);
    copy.groupNumber = takeGroupNumber();
    copy.channelName = PlanFile::numberedName(name, copy.groupNumber);
    return copy;
}

QBoxLayout* DeviceEditor::layoutHolding(QLayout* layout, QWidget* widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return qobject_cast<QBoxLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout* found = layoutHolding(layout->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

RecordingSettings DeviceEditor::recordingSettings() const
{
    return m_recordingEditor->settings();
}

void DeviceEditor::setRecordingSettings(const RecordingSettings& settings)
{
    m_recordingEditor->setStreamLimit(m_ui->streamCountsEdit->value());
    m_recordingEditor->setSettings(settings);
}

void DeviceEditor::selectText(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
}

void DeviceEditor::loadGroup(const StructDeviceItem& item)
{
    Ui::DeviceEditor* ui = m_ui.get();
    ui->m_lineEditChannelName->setText(PlanFile::nameWithoutNumber(item));
    // The same order a person would fill the form in: each choice refills
    // the boxes after it.
    selectText(ui->m_comboBoxDeviceType, item.deviceType);
    // A scene the table no longer lists (the user imported another) has no
    // entry to show: the group keeps its rate as a fixed rate, and says so,
    // rather than taking another scene's.
    const bool sceneGone =
        !item.sceneName.isEmpty() && !m_deviceInfoManager->getScenceNames().contains(item.sceneName);
    if (item.sceneName.isEmpty() || sceneGone) {
        ui->m_radioButtonFixedRate->setChecked(true);
        selectFixedRate();
        selectText(ui->m_comboBoxResolution, item.resolution);
        selectText(ui->m_comboxFrameRate, item.frameRate);
        selectText(ui->m_comboxEncodingType, item.encodingType);
        refreshFixedRate();
    } else {
        ui->m_radioButtonVarRate->setChecked(true);
        onRateSelected();
        const int scene = m_deviceInfoManager->getScenceNames().indexOf(item.sceneName);
        if (scene >= 0)
            ui->m_scenceSelector->selectScence(scene);
        selectText(ui->m_comboBoxResolution, item.resolution);
        selectText(ui->m_comboxEncodingType, item.encodingType);
    }
    ui->channelCountsEdit->setValue(item.channelCount);
    ui->streamCountsEdit->setValue(item.streamCount);
    // The group's own rate, which may be one the user typed.
    ui->m_lineEditScenceRecommandRate->setText(QString::number(std::trunc(item.bitrate), 'f', 0));
    if (sceneGone)
        FieldMark::mark(ui->m_lineEditScenceRecommandRate, true,
                    tr("The scene \"%1\" is no longer in the scene table; the group keeps its rate as a fixed rate.")
                        .arg(item.sceneName));
}

// ---------------------------------------------------------------------------
// Encoding page

void DeviceEditor::onBandCheckboxChanged()
{
    m_link->followCustomChoice();
}

void DeviceEditor::onSetBandWidthByConnectionType(int)
{
    m_link->fillBandwidths();
}

DeviceEditor::LinkChoice DeviceEditor::linkChoice() const
{
    return m_link->choice();
}

void DeviceEditor::showLinkChoice(const LinkChoice& choice)
{
    m_link->showChoice(choice);
}

void DeviceEditor::onCodeParameterChanged()
{
    m_link->report();
}

// ---------------------------------------------------------------------------
// Collapsing and the slots nothing in the program connects

void DeviceEditor::onSpreadChanged(bool spread)
{
    m_ui->m_verticalWidgetAddBorder->setVisible(!spread);
    m_ui->verticalStackedWidget->setVisible(spread);
    if (spread)
        setFixedWidth(kCollapsedWidth);
    else
        setFixedWidth(m_ui->m_radioButtonFixedRate->isChecked() ? kFixedRateWidth : kVarRateWidth);
}

void DeviceEditor::resizeEvent(QResizeEvent* event)
{
    placeSpreadButton(event->size().height());
    QWidget::resizeEvent(event);
}

void DeviceEditor::placeSpreadButton(int panelHeight)
{
    // The collapse button's centre sits at a quarter of the panel's height.
    QToolButton* spread = m_ui->m_checkBoxSpread;
    const int y = static_cast<int>(panelHeight * 0.256 - spread->height() * 0.5);
    spread->move(spread->x(), y);
}

void DeviceEditor::keyPressEvent(QKeyEvent* event)
{
    // Enter in any field of the group form, or on a focused "+ Add", adds
    // the group (or saves the changes); the fields pass the key on to here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_ui->m_verticalWidgetAddBorder->currentIndex() == 0 && m_ui->m_verticalWidgetAddBorder->isVisible()) {
        if (focusWidget() == m_cancelEditButton)
            m_cancelEditButton->click();
        else
            onBtnAddDeviceClicked();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool DeviceEditor::eventFilter(QObject* watched, QEvent* event)
{
    // The shadow strip's own layout puts the button back at its spacer
    // whenever it runs; this filter runs after it and restores the place.
    if (watched == m_ui->m_widgetShadow
        && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize)) {
        placeSpreadButton(height());
    }
    return QWidget::eventFilter(watched, event);
}

void DeviceEditor::onSetDeviceTypes(const QVector<StructDeviceType>& deviceTypes)
{
    m_ui->m_comboBoxDeviceType->clear();
    for (const StructDeviceType& type : deviceTypes)
        m_ui->m_comboBoxDeviceType->addItem(type.name, type.type);
}

void DeviceEditor::onSetDeviceResolutions(const QMap<int, QString>& deviceTypes)
{
    m_ui->m_comboBoxResolution->clear();
    for (auto it = deviceTypes.cbegin(); it != deviceTypes.cend(); ++it)
        m_ui->m_comboBoxResolution->addItem(it.value(), it.key());
}

void DeviceEditor::onSetScenceRecommandRateText(const QString& rate)
{
    m_ui->m_lineEditScenceRecommandRate->setText(rate);
}

QObject* DeviceEditor::onGetScenceSelector()
{
    return m_ui->m_scenceSelector;
}
