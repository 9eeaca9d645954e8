// The main window at its own minimum size, 1024 x 720, empty and with ten
// groups, in both rate modes (scene mode also with its recording fields
// unfolded), on both tabs, in the language setup.xml chooses ("-zh" names
// for Chinese): nothing may be cut off there.

#include "Parts.h"
#include "RenderSupport.h"
#include "Vantrel.h"


#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

bool renderMinSize(int& argc, char** argv, const QDir& outDir)
{
    const QString suffix = startLikeTheProgram(argc, argv);

    Vantrel window;
    window.resize(1024, 720);
    window.show();
    settle();
    // The empty list's invitation, in both rate modes.
    bool ok = saveShot(window, outDir, QStringLiteral("min-size-empty%1.png").arg(suffix));
    if (auto* variable = named<QAbstractButton>(window, "m_radioButtonVarRate"))
        variable->click();
    ok &= saveShot(window, outDir, QStringLiteral("min-size-empty-variable%1.png").arg(suffix));
    if (auto* fixed = named<QAbstractButton>(window, "m_radioButtonFixedRate"))
        fixed->click();
    const QStringList names = {QStringLiteral("Lobby"), QStringLiteral("Store Room Recorder"),
                               QStringLiteral("Car Park"), QStringLiteral("Corridor")};
    for (int group = 0; group < 10; ++group) {
        if (auto* type = named<QComboBox>(window, "m_comboBoxDeviceType"))
            type->setCurrentIndex(group % 3 == 1 ? 1 : 0);
        if (auto* name = named<QLineEdit>(window, "m_lineEditChannelName"))
            name->setText(names.at(group % names.size()));
        if (auto* channels = named<QSpinBox>(window, "channelCountsEdit"))
            channels->setValue(4 + group * 7);
        if (auto* add = named<QAbstractButton>(window, "m_btnAddDevice"))
            add->click();
        settle();
    }
    ok &= saveShot(window, outDir, QStringLiteral("min-size-bandwidth%1.png").arg(suffix));
    if (auto* variable = named<QAbstractButton>(window, "m_radioButtonVarRate"))
        variable->click();
    ok &= saveShot(window, outDir, QStringLiteral("min-size-variable%1.png").arg(suffix));
    // How a group records, unfolded: "+ Add" stays in the window.
    if (auto* recording = named<QAbstractButton>(window, "m_btnRecording"))
        recording->click();
    ok &= saveShot(window, outDir, QStringLiteral("min-size-recording%1.png").arg(suffix));
    if (auto* recording = named<QAbstractButton>(window, "m_btnRecording"))
        recording->click();
    if (auto* fixed = named<QAbstractButton>(window, "m_radioButtonFixedRate"))
        fixed->click();
    if (auto* encoding = named<QAbstractButton>(window, "encodingBtn"))
        encoding->click();
    ok &= saveShot(window, outDir, QStringLiteral("min-size-encoding%1.png").arg(suffix));
    // Forced below its minimum, as a tiling window manager does.
    if (auto* bandwidth = named<QAbstractButton>(window, "bandwidthBtn"))
        bandwidth->click();
    window.setMinimumSize(0, 0);
    window.resize(800, 560);
    ok &= saveShot(window, outDir, QStringLiteral("below-min-size%1.png").arg(suffix));
    return ok;
}
