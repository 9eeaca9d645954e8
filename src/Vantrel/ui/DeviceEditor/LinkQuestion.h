#pragma once

#include <data/DeviceTypes.h>

#include <QObject>
#include <QString>
#include <QStringList>

class DeviceConfigStore;

namespace Ui {
class DeviceEditor;
}

// The encoding tab's form in the editor: the link (a type and one of its
// bandwidths, or a custom figure in Mbps), the streams, the standard and the
// encoding. Every change is reported as the question the encoding answers
// take (changed).
class LinkQuestion : public QObject
{
    Q_OBJECT

public:
    // The link in the data files' names (the boxes show their
    // translations), so that it can come back next run.
    struct Choice
    {
        QString type;
        QString bandwidth; // the choice's Show text
        bool custom = false;
        QString customMbps; // as typed
    };

    // The form's widgets stay the editor's; the store outlives this.
    LinkQuestion(Ui::DeviceEditor& ui, const DeviceConfigStore& store, QObject* parent);

    // Fills the boxes; nothing is reported yet.
    void fill(const QStringList& encodingTypes);
    // From now on every change of a field is reported.
    void connectFields();

    Choice choice() const;
    // Shows a kept link; a type or choice the data no longer holds leaves
    // that box as it is.
    void showChoice(const Choice& choice);

    // Reads the form (marking a custom figure that cannot be read) and
    // reports it.
    void report();
    // The custom figure's field takes over from the two boxes, or gives
    // way to them.
    void followCustomChoice();
    // The bandwidths of the chosen link type.
    void fillBandwidths();

Q_SIGNALS:
    void changed(const CodeParameter& question);

private:
    Ui::DeviceEditor& m_ui;
    const DeviceConfigStore& m_store;
};
