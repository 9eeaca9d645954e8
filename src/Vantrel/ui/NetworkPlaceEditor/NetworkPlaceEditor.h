#pragma once

#include <data/PlanNetwork.h>

#include <QWidget>

class QComboBox;
class QFormLayout;
class QToolButton;

// The "Network" section of the device editor: the switch the group's
// cameras plug into, the recorder that records them and the PoE class they
// draw (or their own supply). Folded like the View section, to one line that
// sums it up. It only offers the plan's own switches and recorders, and is
// hidden while the plan has none.
class NetworkPlaceEditor : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkPlaceEditor(QWidget* parent = nullptr);
    ~NetworkPlaceEditor() override;

    NetworkPlace place() const;
    void setPlace(const NetworkPlace& place);
    // The switches and recorders to choose from; a chosen one that is gone
    // falls back to none. An empty network hides the section.
    void setNetwork(const PlanNetwork& network);
    QString summaryText() const;

    // "Class 3 (15.4 W)": what a class reserves at the switch.
    static QString poeClassText(int poeClass);

Q_SIGNALS:
    void placeChanged();

private:
    // The fields are made at the first unfold: most plans have no network,
    // and a hidden widget is styled with the window all the same.
    void makeFields();
    void fillFields();
    void takeFieldChange();
    void showSummary();
    void unfold(bool open);

    NetworkPlace m_place;
    // Id and name of each switch and recorder the plan has, in its order.
    QVector<QPair<QString, QString>> m_switches;
    QVector<QPair<QString, QString>> m_recorders;
    QToolButton* m_header = nullptr;
    QWidget* m_fields = nullptr;
    QComboBox* m_switch = nullptr;
    QComboBox* m_recorder = nullptr;
    QComboBox* m_poeClass = nullptr;
};
