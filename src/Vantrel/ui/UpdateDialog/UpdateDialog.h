#pragma once

#include <data/ProgressStep.h>

#include <Fenwork/BaseDialog.h>

#include <functional>
#include <memory>

class SceneTableCheck;

namespace Ui {
class UpdateDialog;
}

// Writes a scene table template for the user to fill in, imports a filled
// table with its pictures after showing what would be taken and refused, and
// brings the shipped scenes back. The scene list is read at start-up, so a
// successful import asks for a restart.
class UpdateDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    // Asks for a file name: (parent, caption, start path, filter).
    using FileAsker = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

    explicit UpdateDialog(QWidget* parent = nullptr);
    ~UpdateDialog() override;

    // Replace the file dialogs, e.g. to answer them without a window.
    void setSaveFileAsker(FileAsker asker);
    void setOpenFileAsker(FileAsker asker);
    // Replace the progress dialogs of the check and the import, e.g. to
    // cancel them in a test.
    void setProgress(std::function<ProgressStep(const QString& label)> progress);

    // The template: header, two sample rows and a final empty line.
    QString templateText() const;

public Q_SLOTS:
    void onExportTemplate();
    void onImportScene();
    void onRestoreShippedScenes();

private:
    enum class StatusKind { None, Export, Import, Restore };
    // The detail (a file name, a reason) goes on a second line.
    void showStatus(StatusKind kind, bool ok = false, const QString& detail = QString());
    bool confirmImport(const SceneTableCheck& check);

    std::unique_ptr<Ui::UpdateDialog> m_ui;
    QWidget* m_borderWidget = nullptr;
    FileAsker m_askSaveFile;
    FileAsker m_askOpenFile;
    std::function<ProgressStep(const QString& label)> m_progress;
};
