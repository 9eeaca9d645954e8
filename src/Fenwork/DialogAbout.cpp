#include "DialogAbout.h"

#include "WindowSheets.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace aptui {

DialogAbout::DialogAbout(QWidget* parent)
    : Widget(parent)
{
    setObjectName(QStringLiteral("DialogAbout"));
    setAttribute(Qt::WA_StyledBackground);
    WindowSheets::dress(this, QStringLiteral("About"));
    setMinimumWidth(340);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(20, 12, 12, 18);
    outer->setSpacing(14);

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("DialogAbout_logo"));
    m_logo->setFixedSize(48, 48);
    m_logo->setScaledContents(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    m_nameCaption = new QLabel(tr("Name:"), this);
    m_nameCaption->setObjectName(QStringLiteral("DialogAbout_nameCaption"));
    m_nameValue = new QLabel(this);
    m_nameValue->setObjectName(QStringLiteral("DialogAbout_nameValue"));
    m_versionCaption = new QLabel(tr("Version:"), this);
    m_versionCaption->setObjectName(QStringLiteral("DialogAbout_versionCaption"));
    m_versionValue = new QLabel(this);
    m_versionValue->setObjectName(QStringLiteral("DialogAbout_versionValue"));
    m_versionValue->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel* label : {m_nameCaption, m_nameValue, m_versionCaption, m_versionValue})
        label->setTextFormat(Qt::PlainText);
    grid->addWidget(m_nameCaption, 0, 0);
    grid->addWidget(m_nameValue, 0, 1);
    grid->addWidget(m_versionCaption, 1, 0);
    grid->addWidget(m_versionValue, 1, 1);
    grid->setColumnStretch(1, 1);

    m_btnConer = new QToolButton(this);
    m_btnConer->setObjectName(QStringLiteral("DialogAbout_btnConer"));
    m_btnConer->setText(QStringLiteral("\u00d7"));
    m_btnConer->setFixedSize(22, 22);
    m_btnConer->setAutoRaise(true);
    m_btnConer->setFocusPolicy(Qt::NoFocus);

    top->addWidget(m_logo, 0, Qt::AlignTop);
    top->addLayout(grid, 1);
    top->addWidget(m_btnConer, 0, Qt::AlignTop);
    outer->addSpacing(6);
    outer->addLayout(top);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 8, 0);
    buttons->setSpacing(12);
    m_btn1 = new QPushButton(this);
    m_btn1->setObjectName(QStringLiteral("DialogAbout_btn1"));
    m_btn2 = new QPushButton(this);
    m_btn2->setObjectName(QStringLiteral("DialogAbout_btn2"));
    for (QPushButton* button : {m_btn1, m_btn2}) {
        button->setMinimumHeight(30);
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(button, 1);
    }
    outer->addLayout(buttons);

    connect(m_btn1, &QPushButton::clicked, this, &DialogAbout::siganlBtn1Clicked);
    connect(m_btn2, &QPushButton::clicked, this, &DialogAbout::siganlBtn2Clicked);
    connect(m_btnConer, &QToolButton::clicked, this, &DialogAbout::onConerClicked);
}

DialogAbout::~DialogAbout() = default;

void DialogAbout::SetNameValue(const QString& name)
{
    m_nameValue->setText(name);
}

QString DialogAbout::nameValue() const
{
    return m_nameValue->text();
}

void DialogAbout::SetVersionValue(const QString& version)
{
    m_versionValue->setText(version);
}

QString DialogAbout::versionValue() const
{
    return m_versionValue->text();
}

void DialogAbout::SetBtn1Text(const QString& text)
{
    m_btn1->setText(text);
}

void DialogAbout::SetBtn2Text(const QString& text)
{
    m_btn2->setText(text);
}

void DialogAbout::setConerBtnVisible(bool visible)
{
    m_btnConer->setVisible(visible);
}

bool DialogAbout::isConerBtnVisible() const
{
    return !m_btnConer->isHidden();
}

void DialogAbout::showEvent(QShowEvent* event)
{
    // The program's icon is set at start-up, after the box is built.
    const QIcon icon = QApplication::windowIcon();
    m_logo->setPixmap(icon.pixmap(QSize(48, 48)));
    m_logo->setVisible(!icon.isNull());
    Widget::showEvent(event);
}

void DialogAbout::onConerClicked()
{
    Q_EMIT signalConerBtnClicked();
    // Inside the about popup the top-level is the popup itself.
    window()->close();
}

} // namespace aptui
