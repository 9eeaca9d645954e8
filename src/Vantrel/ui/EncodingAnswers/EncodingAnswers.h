#pragma once

#include <QWidget>

#include <memory>

class EncodeingPage;

namespace Ui {
class EncodingAnswers;
}

// The Encoding tab's two answers side by side: the best frame rate and the
// best resolution a link carries. Their large figures are rich text in
// fonts of their own, which makes them the dearest widgets of the window to
// make, so the central page makes them when the tab is first shown.
class EncodingAnswers : public QWidget
{
    Q_OBJECT

public:
    explicit EncodingAnswers(QWidget* parent = nullptr);
    ~EncodingAnswers() override;

    EncodeingPage* frameRatePage() const;
    EncodeingPage* resolutionPage() const;

private:
    std::unique_ptr<Ui::EncodingAnswers> m_ui;
};
