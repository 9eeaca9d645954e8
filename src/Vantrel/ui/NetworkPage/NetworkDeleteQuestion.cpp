#include "NetworkDeleteQuestion.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

NetworkDeleteQuestion::NetworkDeleteQuestion(const QString& title, const QString& question,
                                             const QVector<Choice>& choices, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("NetworkDeleteQuestion"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    // The names in it come from files.
    auto* text = new QLabel(question, this);
    text->setObjectName(QStringLiteral("m_labelQuestion"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    layout->addWidget(text);
    m_choices = new QComboBox(this);
    m_choices->setObjectName(QStringLiteral("m_comboDestination"));
    for (const Choice& choice : choices)
        m_choices->addItem(choice.first, choice.second);
    m_choices->setVisible(!choices.isEmpty());
    layout->addWidget(m_choices);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!choices.isEmpty());
    buttons->button(QDialogButtonBox::Ok)->setVisible(!choices.isEmpty());
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

NetworkDeleteQuestion::~NetworkDeleteQuestion() = default;

QString NetworkDeleteQuestion::chosenId() const
{
    return m_choices->currentData().toString();
}
