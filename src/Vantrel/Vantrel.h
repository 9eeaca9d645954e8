#pragma once

#include <Fenwork/ToolMainWindow.h>

class QCloseEvent;

// The program's main window: a frameless toolkit window whose client area
// holds the device editor and the capacity calculation area.
class Vantrel : public aptui::ToolMainWindow
{
    Q_OBJECT

public:
    explicit Vantrel(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~Vantrel() override;

protected:
    // Asks before the program ends.
    void closeEvent(QCloseEvent* event) override;
};
