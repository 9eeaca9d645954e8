#include "EncodingAnswers.h"

#include "ui_EncodingAnswers.h"

EncodingAnswers::EncodingAnswers(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::EncodingAnswers>())
{
    m_ui->setupUi(this);
}

EncodingAnswers::~EncodingAnswers() = default;

EncodeingPage* EncodingAnswers::frameRatePage() const
{
    return m_ui->frameRatePage;
}

EncodeingPage* EncodingAnswers::resolutionPage() const
{
    return m_ui->resolutionPage;
}
