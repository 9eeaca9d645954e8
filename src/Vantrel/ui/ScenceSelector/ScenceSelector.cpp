#include "ScenceSelector.h"

#include "ScenceRaidoButton.h"
#include "ui_ScenceSelector.h"

#include <Fenwork/PlainText.h>
#include <Fenwork/VerScrollBar.h>
#include <data/DataName.h>

#include <QFileInfo>
#include <QImage>
#include <QListWidgetItem>
#include <QPixmap>
#include <QResizeEvent>
#include <QStyle>

#include <utility>

namespace {

const QSize kScenceItemSize(70, 27);

const char kFailureStyle[] =
    "QLabel#m_labelScenceImage{background-color:#f4f5f6;border: 1px solid #dadada;}";
const char kFailureTemplate[] =
    "<html><head/><body><p align=\"center\"><span style=\" font-weight:600; color:#cccccc;\">%1</span></p></body></html>";

// Style rules that depend on the checked state only take effect after the
// button is polished again, by its own style and by the selector's.
void repolish(QWidget* button, QStyle* outerStyle)
{
    button->style()->unpolish(button);
    button->style()->polish(button);
    outerStyle->unpolish(button);
    outerStyle->polish(button);
    button->repaint();
}

} // namespace

ScenceSelector::ScenceSelector(QWidget* parent)
    : QWidget(parent)
{
}

ScenceSelector::~ScenceSelector() = default;

void ScenceSelector::makeForm()
{
    if (m_ui)
        return;
    m_ui = std::make_unique<Ui::ScenceSelector>();
    m_ui->setupUi(this);
    m_ui->m_listWidgetScences->setSpacing(5);
    m_ui->m_listWidgetScences->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ui->m_listWidgetScences->setVerticalScrollBar(new aptui::VerScrollBar(m_ui->m_listWidgetScences));
    // Made late, the list would end the window's Tab chain: it follows the
    // picker, where it was when the picker was made with its form.
    QWidget::setTabOrder(this, m_ui->m_listWidgetScences);
    if (!m_picturePath.isNull())
        setScencePicture(m_picturePath);
}

bool ScenceSelector::isHiddenOnPurpose() const
{
    return isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide);
}

void ScenceSelector::setScenceData(const QVector<SCENCE_ITEM>& scenceData)
{
    // Clearing the list only schedules the item widgets for deletion; they
    // go at once so that no stale button can report a click.
    if (m_ui)
        m_ui->m_listWidgetScences->clear();
    qDeleteAll(m_scenceButtons);
    m_scenceButtons.clear();
    m_waitingScences.clear();

    for (const SCENCE_ITEM& item : scenceData)
        addScenceItem(item);
}

void ScenceSelector::addScenceItem(const SCENCE_ITEM& scenceItem)
{
    // A picker hidden on purpose (the editor's, until variable rate is
    // chosen) makes its form and buttons when it is first shown or used:
    // most starts never show it, and every widget made is styled with the
    // window.
    if (isHiddenOnPurpose()) {
        m_waitingScences.append(scenceItem);
        return;
    }
    makeForm();
    addScenceButton(scenceItem);
}

void ScenceSelector::makeWaitingButtons()
{
    makeForm();
    const QVector<SCENCE_ITEM> waiting = std::exchange(m_waitingScences, {});
    // Widgets made late join the end of the window's Tab chain; the buttons
    // belong right after their list, where Tab reached them when they were
    // made with the window.
    QWidget* previous = m_ui->m_listWidgetScences;
    for (const SCENCE_ITEM& item : waiting) {
        addScenceButton(item);
        if (QWidget* button = m_scenceButtons.value(item.id)) {
            QWidget::setTabOrder(previous, button);
            previous = button;
        }
    }
}

void ScenceSelector::setVisible(bool visible)
{
    if (visible)
        makeWaitingButtons();
    QWidget::setVisible(visible);
}

void ScenceSelector::addScenceButton(const SCENCE_ITEM& scenceItem)
{
    if (m_scenceButtons.contains(scenceItem.id))
        return;

    QListWidget* list = m_ui->m_listWidgetScences;
    list->addItem(QString());
    const QString shown = DataName::shown(scenceItem.name);
    // Scene names come from the scene table, which the user may import.
    auto* button = new ScenceRaidoButton(nullptr, scenceItem.id, aptui::PlainText::mnemonicFree(shown));
    button->setToolTip(aptui::PlainText::toolTip(shown));
    QListWidgetItem* entry = list->item(list->count() - 1);
    entry->setSizeHint(kScenceItemSize);
    list->setItemWidget(entry, button);

    if (scenceItem.id == 0) {
        button->setCheckable(true);
        button->setChecked(true);
    }

    m_scenceButtons.insert(scenceItem.id, button);
    connect(button, &ScenceRaidoButton::signalScenceButtonClick, this, &ScenceSelector::OnScenceSelected);
}

void ScenceSelector::OnScenceSelected(int sceneType)
{
    makeWaitingButtons();
    // The editor reloads the scene even when it is already the selected one.
    Q_EMIT signalScenceChanged(sceneType);

    ScenceRaidoButton* selected = m_scenceButtons.value(sceneType);
    if (!selected || selected->isChecked())
        return;

    // Only the selected button is checkable, so a click on another button
    // never toggles it by itself.
    selected->setCheckable(true);
    selected->setChecked(true);
    repolish(selected, style());

    for (auto it = m_scenceButtons.cbegin(); it != m_scenceButtons.cend(); ++it) {
        if (it.key() == sceneType)
            continue;
        ScenceRaidoButton* other = it.value();
        other->setChecked(false);
        other->setCheckable(false);
        repolish(other, style());
    }
}

QImage ScenceSelector::filled(const QImage& image, const QSize& area)
{
    // The picture fills its area without being squashed: a shorter area (the
    // editor gives way when the recording fields open at the window's
    // smallest height) shows the middle band of it.
    if (area.isEmpty())
        return QImage();
    const QImage scaled = image.scaled(area, Qt::KeepAspectRatioByExpanding, Qt::FastTransformation);
    return scaled.copy((scaled.width() - area.width()) / 2, (scaled.height() - area.height()) / 2, area.width(),
                       area.height());
}

void ScenceSelector::setScencePicture(const QString& path)
{
    // Never null once set: the form shows it when it is made.
    m_picturePath = path.isNull() ? QLatin1String("") : path;
    if (!m_ui)
        return;
    aptui::Label* label = m_ui->m_labelScenceImage;

    const QFileInfo info(path);
    const bool usable = info.exists() && info.isFile() && info.suffix() == QLatin1String("png");
    label->clear();
    if (usable) {
        label->setStyleSheet(QString());
        // A file that does not decode leaves the picture area blank.
        const QImage image(path);
        if (image.isNull())
            label->setPixmap(QPixmap());
        else
            label->setPixmap(QPixmap::fromImage(filled(image, label->size())));
    } else {
        label->setStyleSheet(QLatin1String(kFailureStyle));
        label->setText(QLatin1String(kFailureTemplate).arg(tr("Get Picture Failure")));
    }
}

void ScenceSelector::resizeEvent(QResizeEvent* event)
{
    if (m_ui)
        setScencePicture(m_picturePath);
    QWidget::resizeEvent(event);
}
