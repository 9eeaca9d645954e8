#pragma once

#include <data/DeviceTypes.h>

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class DeviceConfigStore;
class QWidget;

namespace Ui {
class LinkQuestion;
}

// The encoding tab's form in the editor: the link (a type and one of its
// bandwidths, or a custom figure in Mbps), the streams, the standard and the
// encoding. Every change is reported as the question the encoding answers
// take (changed).
//
// The form is made when the Encoding tab first shows it. Until then the
// question is the form's start with the kept link, asked and answered
// without a widget: most starts never open the tab, and every field made
// with the window is styled with it.
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

    // The store outlives this.
    LinkQuestion(const DeviceConfigStore& store, QObject* parent);
    ~LinkQuestion() override;

    // The encodings offered; nothing is reported yet.
    void fill(const QStringList& encodingTypes);
    // Makes the form in page (an empty page of the editor), showing the
    // question as it stands; from then on every change of a field is
    // reported. Later calls do nothing.
    void makeForm(QWidget* page);
    bool hasForm() const;
    // The form's fields in Tab order (none before it is made).
    QList<QWidget*> fields() const;

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
    // What the form would show, while there is none.
    struct Unmade
    {
        QStringList linkTypes;
        Choice link;
    };

    void fillForm();
    void connectFields();
    QString firstBandwidthOf(const QString& linkType) const;

    const DeviceConfigStore& m_store;
    QStringList m_encodingTypes;
    Unmade m_unmade;
    std::unique_ptr<Ui::LinkQuestion> m_ui; // null until the form is made
};
