// The main window as a user sees it, dressed by the shell's skin and style
// sheets and driven through its widgets as a user would.

#include "Parts.h"
#include "RenderSupport.h"
#include "UpdateDialog/UpdateDialog.h"
#include "Vantrel.h"

#include <Fenwork/BaseDialog.h>
#include <Fenwork/Menu.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>
#include <QStyle>
#include <QTextStream>

namespace {

QDir g_outDir;
bool g_ok = true;

void save(QWidget* widget, const QString& name)
{
    g_ok &= widget && saveShot(*widget, g_outDir, name);
}

template<typename T>
T* child(QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QLatin1String(name));
    if (!widget) {
        QTextStream(stderr) << "no widget named " << name << '\n';
        g_ok = false;
    }
    return widget;
}

void click(QWidget* window, const char* name)
{
    if (auto* button = child<QAbstractButton>(window, name))
        button->click();
    settle();
}

void choose(QWidget* window, const char* comboName, const QString& text)
{
    auto* box = child<QComboBox>(window, comboName);
    if (!box)
        return;
    const int index = box->findText(text, Qt::MatchStartsWith);
    if (index < 0) {
        QTextStream(stderr) << comboName << " offers no " << text << '\n';
        return;
    }
    box->setCurrentIndex(index);
}

void setNumber(QWidget* window, const char* spinName, int value)
{
    if (auto* spin = child<QSpinBox>(window, spinName))
        spin->setValue(value);
}

void setText(QWidget* window, const char* editName, const QString& text)
{
    if (auto* edit = child<QLineEdit>(window, editName))
        edit->setText(text);
}

} // namespace

bool renderWindow(int& argc, char** argv, const QDir& outDir)
{
    startLikeTheProgram(argc, argv);
    g_outDir = outDir;

    Vantrel window;
    window.resize(1200, 750);
    window.show();
    save(&window, QStringLiteral("bandwidth-empty.png"));

    // Three groups through the editor: two fixed-rate groups and a scene group.
    choose(&window, "m_comboBoxDeviceType", QStringLiteral("IPC"));
    choose(&window, "m_comboBoxResolution", QStringLiteral("1080P"));
    setText(&window, "m_lineEditChannelName", QStringLiteral("Lobby"));
    setNumber(&window, "channelCountsEdit", 8);
    setNumber(&window, "streamCountsEdit", 2);
    click(&window, "m_btnAddDevice");

    choose(&window, "m_comboBoxDeviceType", QStringLiteral("DVR"));
    choose(&window, "m_comboBoxResolution", QStringLiteral("4K"));
    setText(&window, "m_lineEditChannelName", QStringLiteral("Store Room Recorder"));
    setNumber(&window, "channelCountsEdit", 16);
    setNumber(&window, "streamCountsEdit", 1);
    click(&window, "m_btnAddDevice");

    choose(&window, "m_comboBoxDeviceType", QStringLiteral("IPC"));
    click(&window, "m_radioButtonVarRate");
    const QList<QAbstractButton*> scenes =
        child<QWidget>(&window, "m_listWidgetScences")->findChildren<QAbstractButton*>();
    if (scenes.size() > 2)
        scenes.at(2)->click();
    settle();
    setText(&window, "m_lineEditChannelName", QStringLiteral("Car Park"));
    setNumber(&window, "channelCountsEdit", 4);
    click(&window, "m_btnAddDevice");
    save(&window, QStringLiteral("bandwidth-variable.png"));

    setText(&window, "m_lineEditScenceRecommandRate", QStringLiteral("-5"));
    click(&window, "m_btnAddDevice");
    save(&window, QStringLiteral("bandwidth-rate-rejected.png"));
    click(&window, "m_radioButtonFixedRate");
    // The scene mode's wider editor made the window grow; back to the start size.
    window.resize(1200, 750);
    save(&window, QStringLiteral("bandwidth-tab.png"));

    if (auto* resolutions = child<QComboBox>(&window, "m_comboBoxResolution")) {
        resolutions->showPopup();
        save(resolutions->view()->window(), QStringLiteral("combo-popup.png"));
        resolutions->hidePopup();
    }

    click(&window, "m_checkBoxSpread");
    save(&window, QStringLiteral("bandwidth-collapsed.png"));
    click(&window, "m_checkBoxSpread");

    click(&window, "encodingBtn");
    save(&window, QStringLiteral("encoding-tab.png"));
    click(&window, "customBandCheckbox_2");
    save(&window, QStringLiteral("encoding-custom.png"));
    click(&window, "customBandCheckbox_2");

    window.showAboutMenu();
    save(window.aboutMenu(), QStringLiteral("about-menu.png"));
    window.aboutMenu()->close();

    window.enableCover();
    {
        UpdateDialog dialog(&window);
        dialog.show();
        save(&dialog, QStringLiteral("update-dialog-start.png"));
        // A template written to a scratch file shows the status line.
        const QString scratch = QDir::temp().filePath(QStringLiteral("render_window_template.csv"));
        dialog.setSaveFileAsker([scratch](QWidget*, const QString&, const QString&, const QString&) { return scratch; });
        dialog.onExportTemplate();
        save(&dialog, QStringLiteral("update-dialog.png"));
        QFile::remove(scratch);
    }
    {
        // The question the "Clear" button and closing the window ask.
        aptui::BaseDialog question(false, false, false, false, true, true, true, &window);
        question.setObjectName(QStringLiteral("APP_WARNINGDLG"));
        question.setTitle(QCoreApplication::translate("CapacityCalculation", "Clear"));
        question.setDefaultText(QCoreApplication::translate("CapacityCalculation", "Clear all the channels?"));
        question.SetFixedSize(400, 220);
        question.show();
        save(&question, QStringLiteral("question-dialog.png"));
    }
    save(&window, QStringLiteral("window-covered.png"));
    window.disableCover();

    click(&window, "bandwidthBtn");
    window.resize(1400, 900);
    save(&window, QStringLiteral("bandwidth-large.png"));
    window.resize(1024, 720);
    save(&window, QStringLiteral("bandwidth-small.png"));
    click(&window, "encodingBtn");
    save(&window, QStringLiteral("encoding-small.png"));

    // Hover looks, side by side: each control as the pointer over it shows it.
    {
        const char* hoverable[] = {"bandwidthBtn", "encodingBtn", "m_checkBoxSpread", "m_btnAddDevice",
                                   "m_btnDelete", "m_btnClear", "m_comboBoxDeviceType", "m_lineEditChannelName"};
        QList<QPixmap> shots;
        for (const char* name : hoverable) {
            QWidget* widget = child<QWidget>(&window, name);
            if (!widget)
                continue;
            widget->setAttribute(Qt::WA_UnderMouse, true);
            widget->update();
            settle();
            shots.append(widget->grab());
            widget->setAttribute(Qt::WA_UnderMouse, false);
            widget->update();
        }
        int width = 10;
        int height = 0;
        for (const QPixmap& shot : shots) {
            width += shot.width() + 10;
            height = qMax(height, shot.height());
        }
        QPixmap sheet(width, height + 20);
        sheet.fill(QColor(0xf2, 0xf3, 0xf7));
        QPainter painter(&sheet);
        int x = 10;
        for (const QPixmap& shot : shots) {
            painter.drawPixmap(x, 10, shot);
            x += shot.width() + 10;
        }
        painter.end();
        const QString path = g_outDir.filePath(QStringLiteral("hover-states.png"));
        g_ok &= sheet.save(path);
        QTextStream(stdout) << "wrote " << path << '\n';
    }

    // Enough groups to scroll the list.
    click(&window, "bandwidthBtn");
    window.resize(1200, 750);
    for (int group = 0; group < 6; ++group) {
        choose(&window, "m_comboBoxDeviceType", group % 2 ? QStringLiteral("DVR") : QStringLiteral("IPC"));
        setText(&window, "m_lineEditChannelName", QStringLiteral("Corridor"));
        setNumber(&window, "channelCountsEdit", 2 + group);
        click(&window, "m_btnAddDevice");
    }
    save(&window, QStringLiteral("bandwidth-scrolling.png"));
    return g_ok;
}
