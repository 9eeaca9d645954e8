#pragma once

#include "FenworkGlobal.h"

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace aptui {

// The toolkit's frameless dialog: a title bar that moves the window, a centre
// area (a widget of the caller's, or a message text), and an optional row of
// OK / Cancel buttons at the bottom.
class FENWORK_EXPORT BaseDialog : public QDialog
{
    Q_OBJECT

public:
    BaseDialog(bool showIcon, bool showMinimize, bool showMaximize, bool resizable,
               bool showClose, bool modal, bool showBottom, QWidget* parent = nullptr);
    ~BaseDialog() override;

    void setCenterWidget(QWidget* widget);
    QWidget* centerWidget() const { return m_centerWidget; }
    void setTitle(const QString& title);
    QString title() const;
    void SetFixedSize(int width, int height);

    // OK accepts and Cancel rejects the dialog while the default connections
    // are on (the start state).
    void setEnableDefaultConnections(bool enable);
    void setBottomVisible(bool visible);
    bool isBottomVisible() const;
    // The message shown in the centre when no centre widget is set.
    void setDefaultText(const QString& text);
    QString defaultText() const;
    void setButtonTexts(const QString& okText, const QString& cancelText);
    void setCancelVisible(bool visible);
    // A further button between OK and Cancel that ends the dialog with
    // result (use a value other than Accepted and Rejected).
    QPushButton* addButton(const QString& text, int result);

    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

    // Where the dialog opens: centred on its parent's window, else on the
    // active window, else on the primary screen.
    QRect centredGeometry() const;

Q_SIGNALS:
    void signalOkClicked();
    void signalCancelClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void onOkClicked();
    void onCancelClicked();

    QWidget* m_titleBar = nullptr;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_titleLabel = nullptr;
    QToolButton* m_closeButton = nullptr;
    QVBoxLayout* m_centerLayout = nullptr;
    QWidget* m_centerWidget = nullptr;
    QLabel* m_textLabel = nullptr;
    QWidget* m_bottomBar = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_defaultConnections = true;
};

} // namespace aptui
