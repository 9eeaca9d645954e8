#pragma once

#include <Fenwork/Widget.h>
#include <data/DeviceTypes.h>
#include <data/EncodingFit.h>

#include <memory>
#include <optional>

class DeviceAddPage;
class EncodeingPage;
class EncodingAnswers;
class EncodingCalculator;
class PlanDocument;
class WidgetDeviceListBorder;

namespace Ui {
class CapacityCalculation;
}

namespace aptui {
class StackedWidget;
}

// The central page: the device list with the bandwidth figures (bandwidth
// tab) and the two encoding answers (encoding tab) in one stack, replaced by
// a placeholder while no device group exists.
class CapacityCalculation : public aptui::Widget
{
    Q_OBJECT

public:
    explicit CapacityCalculation(QWidget* parent = nullptr);
    ~CapacityCalculation() override;

    // The plan the device list and the figures show; set once.
    void setDocument(PlanDocument* document);
    // 0 selects the bandwidth section, anything else the encoding section.
    void setCurrentSection(int index);
    DeviceAddPage* deviceAddPage() const;
    // The Encoding tab's answers; none until the tab is first shown.
    EncodingAnswers* encodingAnswers() const;
    bool isShowingNullPage() const;

Q_SIGNALS:
    void signalCover();
    void signalDisvocer();

public Q_SLOTS:
    void showNullPage();
    void showNormalPage();
    void onClearDeviceItems();
    void onCalculationCodeParameter(CodeParameter codeParameter);

private:
    // The counts, the total and the gauge, for the plan as it is now.
    void showFigures();
    // A search's answer, or "0" three times when nothing fits.
    static void showFit(EncodeingPage* page, const std::optional<EncodingFit>& fit);
    // The stack's sections become its pages when it is first shown.
    void takeSections();
    void makeEncodingAnswers();
    // The latest question's two answers, in the answer pages.
    void showAnswers();
    void showCurrentSection();

    std::unique_ptr<Ui::CapacityCalculation> m_ui;
    aptui::StackedWidget* m_stackedWidget = nullptr;
    std::unique_ptr<EncodingCalculator> m_calculator;
    WidgetDeviceListBorder* m_deviceListBorder = nullptr; // child of the page
    EncodingAnswers* m_answers = nullptr; // a page of the stack once made
    std::optional<CodeParameter> m_question;
    PlanDocument* m_document = nullptr;
    int m_currentSection = 0;
    bool m_sectionsTaken = false;
};
