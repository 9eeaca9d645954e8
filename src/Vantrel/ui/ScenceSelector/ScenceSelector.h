#pragma once

#include <data/DeviceTypes.h>

#include <QImage>
#include <QMap>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class QResizeEvent;

namespace Ui {
class ScenceSelector;
}

// The scene picker of the device editor's variable-rate mode: a column of
// scene buttons, exactly one of them selected, beside a picture of the
// current scene. Its form is made once it has scenes to show, or shows;
// one hidden on purpose keeps its scenes and picture until then.
class ScenceSelector : public QWidget
{
    Q_OBJECT

public:
    // A push button that stands for one scene number (ScenceRaidoButton.h).
    class ScenceRaidoButton;

    explicit ScenceSelector(QWidget* parent = nullptr);
    ~ScenceSelector() override;

    // Shows the picture at path scaled to the picture area, or the failure
    // text when path is not a regular file with the suffix "png".
    void setScencePicture(const QString& path);
    // Checks the scene's button as a click would, and reports it.
    void selectScence(int sceneType) { OnScenceSelected(sceneType); }
    // A picker hidden on purpose makes its form and buttons when it is first
    // shown.
    void setVisible(bool visible) override;

Q_SIGNALS:
    void signalScenceChanged(int scenceType);

public Q_SLOTS:
    void setScenceData(const QVector<SCENCE_ITEM>& scenceData);
    void addScenceItem(const SCENCE_ITEM& scenceItem);

private Q_SLOTS:
    void OnScenceSelected(int sceneType);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void addScenceButton(const SCENCE_ITEM& scenceItem);
    // The list, the picture and the caption, once something needs them.
    void makeForm();
    void makeWaitingButtons();
    bool isHiddenOnPurpose() const;

    static QImage filled(const QImage& image, const QSize& area);

    std::unique_ptr<Ui::ScenceSelector> m_ui; // null until the form is made
    QMap<int, ScenceRaidoButton*> m_scenceButtons;
    QString m_picturePath;
    // Scenes handed in while hidden on purpose, in order, without buttons yet.
    QVector<SCENCE_ITEM> m_waitingScences;
};
