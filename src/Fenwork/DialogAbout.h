#pragma once

#include "FenworkGlobal.h"
#include "Widget.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace aptui {

// The about box of a program: its name and version and two action buttons,
// shown as the popup of the title bar's about button. The corner button
// closes the popup.
class FENWORK_EXPORT DialogAbout : public Widget
{
    Q_OBJECT

public:
    explicit DialogAbout(QWidget* parent = nullptr);
    ~DialogAbout() override;

    void SetNameValue(const QString& name);
    QString nameValue() const;
    void SetVersionValue(const QString& version);
    QString versionValue() const;
    void SetBtn1Text(const QString& text);
    void SetBtn2Text(const QString& text);
    void setConerBtnVisible(bool visible);
    bool isConerBtnVisible() const;

    QPushButton* button1() const { return m_btn1; }
    QPushButton* button2() const { return m_btn2; }
    QToolButton* conerButton() const { return m_btnConer; }

Q_SIGNALS:
    void siganlBtn1Clicked();
    void siganlBtn2Clicked();
    void signalConerBtnClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onConerClicked();

    QLabel* m_logo = nullptr;
    QLabel* m_nameCaption = nullptr;
    QLabel* m_nameValue = nullptr;
    QLabel* m_versionCaption = nullptr;
    QLabel* m_versionValue = nullptr;
    QPushButton* m_btn1 = nullptr;
    QPushButton* m_btn2 = nullptr;
    QToolButton* m_btnConer = nullptr;
};

} // namespace aptui
