#include "SectionBar.h"

#include "ui_SectionBar.h"

#include "SkinColours/SkinColours.h"

#include <Fenwork/Menu.h>
#include <Fenwork/ToolButton.h>
#include <Fenwork/WindowSheets.h>

#include <QAction>
#include <QKeySequence>
#include <QLabel>

#include <algorithm>

namespace {
// Where the export menu opens relative to the export button: above it, so
// the menu does not run off the bottom of the bar.
const QPoint kMenuOffset(-12, -170);
} // namespace

SectionBar::SectionBar(QWidget* parent)
    : aptui::Widget(parent)
    , m_ui(std::make_unique<Ui::SectionBar>())
{
    m_ui->setupUi(this);

    // The third tab follows the two of the form, in their size and style.
    m_storageButton = new aptui::ToolButton(this);
    m_storageButton->setObjectName(QStringLiteral("storageBtn"));
    m_storageButton->setText(tr("Storage"));
    m_storageButton->setFixedSize(m_ui->encodingBtn->minimumSize());
    m_storageButton->setCheckable(true);
    m_ui->verticalLayout->insertWidget(m_ui->verticalLayout->indexOf(m_ui->encodingBtn) + 1, m_storageButton);
    m_networkButton = new aptui::ToolButton(this);
    m_networkButton->setObjectName(QStringLiteral("networkBtn"));
    m_networkButton->setText(tr("Network"));
    m_networkButton->setFixedSize(m_ui->encodingBtn->minimumSize());
    m_networkButton->setCheckable(true);
    m_ui->verticalLayout->insertWidget(m_ui->verticalLayout->indexOf(m_storageButton) + 1, m_networkButton);

    connect(m_ui->encodingBtn, &QToolButton::clicked, this, &SectionBar::switchEncodingTab);
    connect(m_storageButton, &QToolButton::clicked, this, &SectionBar::switchStorageTab);
    connect(m_networkButton, &QToolButton::clicked, this, &SectionBar::switchNetworkTab);
    connect(m_ui->bandwidthBtn, &QToolButton::clicked, this, &SectionBar::switchNetTab);
    m_ui->btnExport->setToolTip(tr("Export"));
    connect(m_ui->btnExport, &QToolButton::clicked, this, &SectionBar::onPopupExport);

    // The tabs and the exports from the keyboard, in the window the bar is in.
    const QList<QPair<QToolButton*, QKeySequence>> tabs = {
        { m_ui->bandwidthBtn, QKeySequence(Qt::CTRL | Qt::Key_1) },
        { m_ui->encodingBtn, QKeySequence(Qt::CTRL | Qt::Key_2) },
        { m_storageButton, QKeySequence(Qt::CTRL | Qt::Key_3) },
        { m_networkButton, QKeySequence(Qt::CTRL | Qt::Key_4) } };
    addShortcut(m_ui->bandwidthBtn->text(), tabs.at(0).second, &SectionBar::switchNetTab);
    addShortcut(m_ui->encodingBtn->text(), tabs.at(1).second, &SectionBar::switchEncodingTab);
    addShortcut(m_storageButton->text(), tabs.at(2).second, &SectionBar::switchStorageTab);
    addShortcut(m_networkButton->text(), tabs.at(3).second, &SectionBar::switchNetworkTab);
    for (const auto& tab : tabs) {
        tab.first->setToolTip(QStringLiteral("%1 (%2)").arg(tab.first->text().simplified(),
                                                            tab.second.toString(QKeySequence::NativeText)));
    }
    m_exportActions << addShortcut(tr("Export PDF..."), QKeySequence(Qt::CTRL | Qt::Key_E), &SectionBar::signalExportPdf)
                    << addShortcut(tr("Export Excel..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
                                   &SectionBar::signalExportExcel);

    switchNetTab();
}

SectionBar::~SectionBar() = default;

QAction* SectionBar::addShortcut(const QString& text, const QKeySequence& key, void (SectionBar::*slot)())
{
    auto* action = new QAction(text, this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void SectionBar::checkOnly(QToolButton* tab)
{
    for (QToolButton* button : { static_cast<QToolButton*>(m_ui->bandwidthBtn),
                                 static_cast<QToolButton*>(m_ui->encodingBtn), m_storageButton, m_networkButton }) {
        button->setCheckable(true);
        button->setChecked(button == tab);
    }
}

void SectionBar::switchNetTab()
{
    checkOnly(m_ui->bandwidthBtn);
    Q_EMIT signalSwitchNetTab();
}

void SectionBar::switchEncodingTab()
{
    checkOnly(m_ui->encodingBtn);
    Q_EMIT signalSwitchEncodingTab();
}

void SectionBar::switchStorageTab()
{
    checkOnly(m_storageButton);
    Q_EMIT signalSwitchStorageTab();
}

void SectionBar::switchNetworkTab()
{
    checkOnly(m_networkButton);
    Q_EMIT signalSwitchNetworkTab();
}

void SectionBar::setProblemCount(int count)
{
    // Made at the first problem: hidden until then, it would be styled, with
    // a sheet of its own, in every start.
    if (!m_problemCount) {
        if (count <= 0)
            return;
        makeProblemBadge();
    }
    m_problemCount->setText(count > 0 ? QString::number(count) : QString());
    m_problemCount->setVisible(count > 0);
    m_problemCount->setToolTip(tr("%n problem(s) on the site", nullptr, count));
    // A hidden badge is not measured: its bold small font would be loaded
    // at start for nothing.
    if (count <= 0)
        return;
    m_problemCount->adjustSize();
    m_problemCount->resize(std::max(m_problemCount->width(), m_problemCount->height()), m_problemCount->height());
    m_problemCount->move(m_networkButton->width() - m_problemCount->width() - 2, 2);
}

QString SectionBar::problemCountText() const
{
    return m_problemCount ? m_problemCount->text() : QString();
}

void SectionBar::makeProblemBadge()
{
    // The count sits on the button's corner as a badge of its own, so the
    // button keeps its one word and its width.
    m_problemCount = new QLabel(m_networkButton);
    m_problemCount->setObjectName(QStringLiteral("m_labelProblemCount"));
    m_problemCount->setTextFormat(Qt::PlainText);
    m_problemCount->setAlignment(Qt::AlignCenter);
    m_problemCount->setStyleSheet(QStringLiteral("background:%1;color:white;border-radius:8px;padding:0 4px;"
                                                 "font-size:11px;font-weight:bold;")
                                      .arg(SkinColours::value("danger")));
}

aptui::Menu* SectionBar::exportMenu()
{
    // Made at its first opening: styled with the bar, its panel would be
    // part of every start.
    if (m_exportMenu)
        return m_exportMenu;
    m_exportMenu = new aptui::Menu(this);
    aptui::WindowSheets::dress(m_exportMenu, QStringLiteral("Menus"));
    m_exportAction = new ExportMenuAction(m_exportMenu);
    m_exportMenu->addAction(m_exportAction);

    m_exportMenu->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_exportMenu->setAttribute(Qt::WA_TranslucentBackground);
    m_exportMenu->setFocusPolicy(Qt::NoFocus);
    connect(m_exportAction, &ExportMenuAction::signalExport, this, &SectionBar::onExport);
    return m_exportMenu;
}

void SectionBar::onPopupExport()
{
    const QPoint anchor = mapToGlobal(pos()) + m_ui->btnExport->pos();
    exportMenu()->popup(anchor + kMenuOffset);
}

void SectionBar::onExport(ExportMenuAction::ExportType type)
{
    if (m_exportMenu)
        m_exportMenu->close();
    switch (type) {
    case ExportMenuAction::ExportPdf:
        Q_EMIT signalExportPdf();
        break;
    case ExportMenuAction::ExportExcel:
        Q_EMIT signalExportExcel();
        break;
    case ExportMenuAction::ExportScreenshot:
        Q_EMIT signalExportScreenshot();
        break;
    }
}
