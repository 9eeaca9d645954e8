#pragma once

#include "CardWidths.h"

#include <data/CheckState.h>
#include <data/DeviceTypes.h>

#include <QWidget>

#include <memory>

class QHBoxLayout;
class QLabel;

namespace Ui {
class DeviceItemWidget;
}

// One device group as a card of the device list: title row with icon, name
// and delete button, and the group's fields in one row on a wide card or two
// rows on a narrow one.
class DeviceItemWidget : public QWidget
{
    Q_OBJECT

public:
    DeviceItemWidget(QWidget* parent, const StructDeviceItem& deviceItem);
    ~DeviceItemWidget() override;

    // The group the card stands for: whatever is done with the card reads
    // the group from the plan by this number.
    int groupNumber() const { return m_item.groupNumber; }
    // The group as the card shows it.
    StructDeviceItem deviceItem() const;
    // Read-only view of the held group, for walks over many cards.
    const StructDeviceItem& deviceItemRef() const { return m_item; }

    // Shows another group (an edit of this one).
    void setDeviceItem(const StructDeviceItem& deviceItem) { showGroup(deviceItem); }

    // How long the group's recordings are kept and what they take on disk,
    // shown after its name.
    void setRecordingSummary(const QString& summary);
    // What the group's cameras see ("103.0 px/m, Observe"), marked when the
    // required level is not met; problem says what to change, empty for
    // none.
    void setDetail(const QString& detail, const QString& problem);
    QString detailText() const;
    // The group's worst state on the site (its detail, its switch, its
    // recorder; a CheckState), as a mark in the title row, with what to
    // change in its tooltip.
    void setSiteState(CheckState state, const QString& problems);
    CheckState siteState() const { return m_siteState; }

    // After a change of the video standard: the group now runs at another
    // frame rate, and maybe at another rate.
    void setFrameRateAndBitRate(const QString& frameRate, double bitrate);

    static constexpr int kOneRowWidth = CardWidths::kOneRow;
    static constexpr int kRateInLowerRowWidth = CardWidths::kRateInLowerRow;
    static constexpr int kTwoRowWidth = CardWidths::kTwoRow;
    static constexpr int kThreeRowWidth = CardWidths::kThreeRow;
    static constexpr int kMinimumWidth = CardWidths::kMinimum;

Q_SIGNALS:
    void signalDeleteClicked(QWidget* cell, int deviceGroupNumber);
    // A press of the left button on the card (not on its delete button),
    // with the keys held: the list chooses cards by it.
    void signalPressed(int deviceGroupNumber, Qt::KeyboardModifiers modifiers);
    // Double-click, or Enter while the card has the focus.
    void signalEditClicked(int deviceGroupNumber);

public Q_SLOTS:
    void OnDeleteButtonClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Arrangement { None, FiveRows, ThreeRows, ThreeRowsThirdInMiddle, RateInUpperRow, RateInLowerRow, OneRow };

    void showGroup(const StructDeviceItem& deviceItem);
    void relayout(int width);
    void fitRecordingSummary(int width);
    // False for a card that has not had its width yet (a card just made for
    // a list, before it is shown): the resize event that brings the width
    // arranges it, so arranging it for the default width first is wasted.
    bool hasWidth() const { return !testAttribute(Qt::WA_PendingResizeEvent); }
    void arrange(Arrangement arrangement);
    void setLabelWidths(int counts, int rate, int third, int fourth, int fifth);
    // How much wider than width the label must be to show its text whole.
    int textNeed(const QLabel* label, int width) const;
    // Widens the fields (indexes into fieldLabels()) whose text is cut, out
    // of spare; returns what is left of it.
    int giveToCutFields(QList<int>& widths, const QList<int>& fields, int spare) const;
    QList<QLabel*> fieldLabels() const;

    std::unique_ptr<Ui::DeviceItemWidget> m_ui;
    QLabel* m_recordingSummary = nullptr; // child of the card
    QLabel* m_detail = nullptr; // child of the card
    QLabel* m_siteMark = nullptr; // child of the card, made for the first mark
    CheckState m_siteState = CheckState::Ok;
    QHBoxLayout* m_middleRow = nullptr; // the third row's, between the form's two
    QList<QHBoxLayout*> m_narrowRows; // two more rows below it, for five rows
    QHBoxLayout* m_summaryRow = nullptr; // the recording figures' on a five-row card
    StructDeviceItem m_item;
    Arrangement m_arrangement = Arrangement::None;
};
