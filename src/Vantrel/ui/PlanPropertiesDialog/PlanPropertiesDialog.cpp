#include "PlanPropertiesDialog.h"

#include <Fenwork/Label.h>
#include <Fenwork/LineEdit.h>
#include <Fenwork/PushButton.h>
#include <Fenwork/WarningDlg.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kLogoWidth = 200;
constexpr int kLogoHeight = 80;

QLineEdit* lineEdit(const char* name, QWidget* parent)
{
    auto* edit = new aptui::LineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(PlanProperties::kMaxLineLength);
    return edit;
}

} // namespace

PlanPropertiesDialog::PlanPropertiesDialog(QWidget* parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
    , m_askOpenFile([](QWidget* parent, const QString& caption, const QString& start, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, start, filter);
    })
{
    setObjectName(QStringLiteral("PlanPropertiesDialog"));
    setTitle(tr("Plan properties"));
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("PlanPropertiesDialog_m_formWidget"));
    auto* layout = new QFormLayout(form);
    m_lineEditSite = lineEdit("m_lineEditSite", form);
    m_lineEditCustomer = lineEdit("m_lineEditCustomer", form);
    m_lineEditAddress = lineEdit("m_lineEditAddress", form);
    m_lineEditDesigner = lineEdit("m_lineEditDesigner", form);
    m_textEditNotes = new QPlainTextEdit(form);
    m_textEditNotes->setObjectName(QStringLiteral("m_textEditNotes"));
    m_textEditNotes->setTabChangesFocus(true);

    m_labelLogo = new aptui::Label(form);
    m_labelLogo->setObjectName(QStringLiteral("m_labelLogo"));
    m_labelLogo->setFixedSize(kLogoWidth, kLogoHeight);
    m_labelLogo->setAlignment(Qt::AlignCenter);
    m_buttonChooseLogo = new aptui::PushButton(form);
    m_buttonChooseLogo->setObjectName(QStringLiteral("m_buttonChooseLogo"));
    m_buttonChooseLogo->setText(tr("Choose..."));
    m_buttonRemoveLogo = new aptui::PushButton(form);
    m_buttonRemoveLogo->setObjectName(QStringLiteral("m_buttonRemoveLogo"));
    m_buttonRemoveLogo->setText(tr("Remove"));
    auto* logoButtons = new QVBoxLayout;
    logoButtons->addWidget(m_buttonChooseLogo);
    logoButtons->addWidget(m_buttonRemoveLogo);
    logoButtons->addStretch();
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(m_labelLogo);
    logoRow->addLayout(logoButtons);
    logoRow->addStretch();

    layout->addRow(tr("Site name"), m_lineEditSite);
    layout->addRow(tr("Customer"), m_lineEditCustomer);
    layout->addRow(tr("Address"), m_lineEditAddress);
    layout->addRow(tr("Designer"), m_lineEditDesigner);
    layout->addRow(tr("Notes"), m_textEditNotes);
    layout->addRow(tr("Logo"), logoRow);
    setCenterWidget(form);
    SetFixedSize(520, 460);

    connect(m_buttonChooseLogo, &QPushButton::clicked, this, &PlanPropertiesDialog::onChooseLogo);
    connect(m_buttonRemoveLogo, &QPushButton::clicked, this, &PlanPropertiesDialog::onRemoveLogo);
    connect(m_textEditNotes, &QPlainTextEdit::textChanged, this, &PlanPropertiesDialog::limitNotes);
    showLogo();
}

PlanPropertiesDialog::~PlanPropertiesDialog() = default;

void PlanPropertiesDialog::setOpenFileAsker(FileAsker asker)
{
    m_askOpenFile = std::move(asker);
}

void PlanPropertiesDialog::setProperties(const PlanProperties& properties)
{
    // A text an older program let grow past the limit is shown whole, not
    // cut where nobody asked for it.
    const auto fill = [](QLineEdit* edit, const QString& text) {
        edit->setMaxLength(std::max<int>(PlanProperties::kMaxLineLength, int(text.size())));
        edit->setText(text);
    };
    fill(m_lineEditSite, properties.siteName);
    fill(m_lineEditCustomer, properties.customer);
    fill(m_lineEditAddress, properties.address);
    fill(m_lineEditDesigner, properties.designer);
    {
        const QSignalBlocker blocker(m_textEditNotes);
        m_notesLimit = std::max<int>(PlanProperties::kMaxNotesLength, int(properties.notes.size()));
        m_textEditNotes->setPlainText(properties.notes);
    }
    m_logo = properties.logo;
    showLogo();
}

PlanProperties PlanPropertiesDialog::properties() const
{
    return { m_lineEditSite->text(),     m_lineEditCustomer->text(),       m_lineEditAddress->text(),
             m_lineEditDesigner->text(), m_textEditNotes->toPlainText(), m_logo };
}

void PlanPropertiesDialog::onChooseLogo()
{
    const QString path = m_askOpenFile(this, tr("Choose a logo"), QDir::homePath(),
                                       tr("Pictures (*.png *.jpg *.jpeg)"));
    if (!path.isEmpty())
        loadLogo(path);
}

void PlanPropertiesDialog::onRemoveLogo()
{
    m_logo.clear();
    showLogo();
}

bool PlanPropertiesDialog::loadLogo(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        aptui::WarningDlg::ShowMessageInfo(tr("Plan properties"),
                                           tr("%1 cannot be read (%2).").arg(name, file.errorString()), this);
        return false;
    }
    // One byte over the limit is enough to know it is too large.
    const QByteArray bytes = file.read(PlanProperties::kMaxLogoBytes + 1);
    QString problem = bytes.isEmpty() ? tr("a PNG or JPEG picture") : PlanProperties::logoProblem(bytes);
    // Its first bytes may say PNG of a file that is none.
    if (problem.isEmpty() && QImage::fromData(bytes).isNull())
        problem = tr("a picture that can be read");
    if (!problem.isEmpty()) {
        aptui::WarningDlg::ShowMessageInfo(tr("Plan properties"),
                                           tr("%1 was not taken as the logo; a logo must be %2.").arg(name, problem),
                                           this);
        return false;
    }
    m_logo = bytes;
    showLogo();
    return true;
}

void PlanPropertiesDialog::showLogo()
{
    const QImage image = QImage::fromData(m_logo);
    if (image.isNull()) {
        m_labelLogo->setPixmap(QPixmap());
        m_labelLogo->setText(m_logo.isEmpty() ? tr("No logo") : tr("The logo cannot be shown"));
    } else {
        m_labelLogo->setPixmap(QPixmap::fromImage(
            image.scaled(m_labelLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    m_buttonRemoveLogo->setEnabled(!m_logo.isEmpty());
}

void PlanPropertiesDialog::limitNotes()
{
    const QString notes = m_textEditNotes->toPlainText();
    if (notes.size() <= m_notesLimit)
        return;
    const QSignalBlocker blocker(m_textEditNotes);
    m_textEditNotes->setPlainText(notes.left(m_notesLimit));
    m_textEditNotes->moveCursor(QTextCursor::End);
}
