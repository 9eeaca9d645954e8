#pragma once

#include <data/PlanComparison.h>
#include <data/PlanTypes.h>

#include <Fenwork/BaseDialog.h>

#include <functional>
#include <memory>

class EncodingCalculator;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

// "Compare with…": the open plan beside another plan file, or beside a copy
// of itself with one change (another codec, other days kept, another
// RAID). It shows the figures a design is judged by and the groups that
// differ, as "vantrel-cli diff" prints them. Names from files are shown as
// plain text.
class CompareDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    // Reads a plan file for the comparison: the plan, or an empty optional
    // after the reason was told.
    using PlanReader = std::function<std::optional<PlanData>(const QString& path)>;
    // Asks for a plan file; empty cancels.
    using FileAsker = std::function<QString()>;

    CompareDialog(const PlanData& plan, const QString& planName, QWidget* parent = nullptr);
    ~CompareDialog() override;

    void setPlanReader(PlanReader reader) { m_readPlan = std::move(reader); }
    void setFileAsker(FileAsker asker) { m_askFile = std::move(asker); }

    // The comparison shown; empty before the first.
    const std::optional<PlanComparison>& comparison() const { return m_comparison; }

public Q_SLOTS:
    // Compares with what the choice at the top says (a file is asked for).
    void compare();
    void compareWith(const PlanData& other, const QString& otherName);

private:
    void showComparison(const QString& otherName);

    PlanData m_plan;
    QString m_planName;
    std::unique_ptr<EncodingCalculator> m_calculator;
    std::optional<PlanComparison> m_comparison;
    PlanReader m_readPlan;
    FileAsker m_askFile;
    QComboBox* m_choice = nullptr;
    QStackedWidget* m_values = nullptr;
    QComboBox* m_encoding = nullptr;
    QSpinBox* m_days = nullptr;
    QComboBox* m_raid = nullptr;
    QPushButton* m_compareButton = nullptr;
    QTableWidget* m_figures = nullptr;
    QPlainTextEdit* m_groups = nullptr;
};
