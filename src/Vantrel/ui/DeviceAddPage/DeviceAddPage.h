#pragma once

#include <data/BandwidthTotal.h>
#include <data/DeviceTypes.h>
#include <data/GroupBulkChange.h>
#include <data/PlanTypes.h>

#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class CardSelection;
class DeviceItemWidget;
class EncodingCalculator;
class PlanDocument;
class PlanEditor;
class QKeyEvent;
class QPoint;

namespace Ui {
class DeviceAddWidget;
}

// The list of device groups on the bandwidth tab. The groups live in the
// plan document the window hands over; the cards are its view, one per group
// in plan order, and every action on a card reads the group from the plan by
// its number. Every edit goes through the plan editor, so it can be undone,
// and after every change the page publishes the document's channel counts
// and total bandwidth with its unit.
class DeviceAddPage : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceAddPage(QWidget* parent = nullptr);
    ~DeviceAddPage() override;

    // The plan the page shows and edits; set once, before the page is used.
    void setDocument(PlanDocument* document);

    DeviceItemWidget* cardOf(int groupNumber) const;
    // The cards chosen with clicks, Ctrl+click, Shift+click and Ctrl+A.
    CardSelection* selection() const { return m_selection; }
    // Scrolls the group's card into the middle of the list and gives it the
    // focus.
    void showGroup(int groupNumber);

Q_SIGNALS:
    void signalDeviceChanged(QString channelCount, QString IPCCount, QString DVRCount, QString bandWidth,
                             QString unit);
    // The group number that became free, or 0 when all groups were removed.
    void signalDeviceDelete(int deviceGroupNumber);
    // A group holds this number again (undo, redo, an opened plan).
    void signalGroupNumberInUse(int deviceGroupNumber);
    // The user asked to change or copy a group.
    void signalEditDevice(const StructDeviceItem& item);
    void signalDuplicateDevice(const StructDeviceItem& item);
    // The group to change, with how it records.
    void signalEditGroup(const PlanGroup& group);
    void signalCover();
    void signalDisvocer();

public Q_SLOTS:
    void onSetDeviceTypeData(QVector<StructDeviceItem> deviceItems);
    void onAddDeviceTypeItem(StructDeviceItem deviceTypeItem);
    void onDeleteDeviceItem(QWidget* cell, int deviceGroupNumber);
    int getDeviceGroupNumber() const;
    int getAllDeviceCount() const;
    int getIPCCount() const;
    int getDVRCount() const;
    void clearDeviceItems();
    void onFrametareStandardChanged(VideoStandard videoStandardValue);
    // Replaces the group with the same number in place, keeping how it
    // records; a group deleted meanwhile comes back at the end.
    void onReplaceDeviceItem(const StructDeviceItem& item);
    // A group with how it records: the editor's add and edit, a duplicate.
    void onAddGroup(const PlanGroup& group);
    void onReplaceGroup(const PlanGroup& group);
    // A copy goes right after its original (at the end if that is gone).
    void onAddGroupAfter(int groupNumber, const PlanGroup& group);
    // A copy of the group under the lowest free number, named after it.
    void onDuplicateGroup(int groupNumber);
    // Marks the card of the group being changed (0: none) with the dynamic
    // property "editing", which the skin shows.
    void setEditedGroup(int groupNumber);
    // The chosen groups, each as one step of the history: deleted, copied
    // (each copy right after its original), or changed in the fields the
    // user sets in one dialog (one chosen group opens the editor instead).
    void deleteSelected();
    void duplicateSelected();
    void editSelected();
    // What "Edit selected..." does once its dialog is accepted.
    void changeSelected(const GroupBulkChange::Fields& fields);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onGroupInserted(int row);
    void onGroupRemoved(int row, const PlanGroup& group);
    void onGroupsReplaced(const QVector<int>& rows);
    void onGroupsReset();
    void onGroupAdded(int row);
    void showCardMenu(DeviceItemWidget* card, const QPoint& globalPos);
    void editGroup(int groupNumber);

    DeviceItemWidget* makeCard(const PlanGroup& group);
    static void showRecording(DeviceItemWidget* card, const PlanGroup& group);
    void markEditing(DeviceItemWidget* card, int groupNumber) const;
    void markSelected(DeviceItemWidget* card) const;
    void showSelection();
    DeviceItemWidget* cardAt(int row) const;
    void publishTotals();
    // Marks the cards whose group, switch or recorder breaks or nears a
    // rule of the site.
    void showSiteStates();
    void showSiteState(DeviceItemWidget* card, int row) const;

    std::unique_ptr<Ui::DeviceAddWidget> m_ui;
    std::unique_ptr<EncodingCalculator> m_calculator;
    PlanDocument* m_document = nullptr;
    PlanEditor* m_planEditor = nullptr;
    int m_editedGroupNumber = 0;
    CardSelection* m_selection = nullptr; // child of the page
};
