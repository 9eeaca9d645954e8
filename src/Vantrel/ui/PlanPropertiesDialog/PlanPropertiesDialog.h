#pragma once

#include <data/PlanProperties.h>

#include <Fenwork/BaseDialog.h>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The plan's properties as a report's first page shows them: site name,
// customer, address, designer, notes and a logo. Every text is shown and
// kept as typed; none is read as markup.
class PlanPropertiesDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    // Asks for a file name: (parent, caption, start path, filter).
    using FileAsker = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

    explicit PlanPropertiesDialog(QWidget* parent = nullptr);
    ~PlanPropertiesDialog() override;

    void setProperties(const PlanProperties& properties);
    PlanProperties properties() const;

    // Replaces the file dialog, e.g. to answer it without a window.
    void setOpenFileAsker(FileAsker asker);

public Q_SLOTS:
    void onChooseLogo();
    void onRemoveLogo();

private:
    // Takes the picture in path, or says why not and keeps the one shown.
    bool loadLogo(const QString& path);
    void showLogo();
    // A pasted text longer than the plan file keeps is cut to its limit.
    void limitNotes();

    QLineEdit* m_lineEditSite = nullptr;
    QLineEdit* m_lineEditCustomer = nullptr;
    QLineEdit* m_lineEditAddress = nullptr;
    QLineEdit* m_lineEditDesigner = nullptr;
    QPlainTextEdit* m_textEditNotes = nullptr;
    QLabel* m_labelLogo = nullptr;
    QPushButton* m_buttonChooseLogo = nullptr;
    QPushButton* m_buttonRemoveLogo = nullptr;
    QByteArray m_logo;
    int m_notesLimit = PlanProperties::kMaxNotesLength;
    FileAsker m_askOpenFile;
};
