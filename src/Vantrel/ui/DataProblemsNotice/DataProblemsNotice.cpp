#include "DataProblemsNotice.h"

#include <Fenwork/BaseDialog.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

QString DataProblemsNotice::listText(const DataProblems& problems)
{
    QStringList lines;
    lines.reserve(problems.size());
    for (const DataProblem& problem : problems)
        lines.append(problem.text());
    return lines.join(QLatin1Char('\n'));
}

void DataProblemsNotice::showModal(const DataProblems& problems, QWidget* parent)
{
    if (problems.isEmpty())
        return;
    const QString list = listText(problems);
    qWarning("%s", qPrintable(list));

    aptui::BaseDialog dialog(false, false, false, false, true, true, true, parent);
    dialog.setObjectName(QStringLiteral("DataProblemsNotice"));
    dialog.setTitle(tr("Data files"));
    dialog.setCancelVisible(false);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* lead = new QLabel(tr("These rows of the data files were left out; the other rows are in use. "
                               "Mend the files beside the program and start it again."), content);
    lead->setTextFormat(Qt::PlainText);
    lead->setWordWrap(true);
    layout->addWidget(lead);
    // A long list scrolls instead of pushing the button off the screen.
    auto* lines = new QPlainTextEdit(list, content);
    lines->setObjectName(QStringLiteral("DataProblemsNotice_list"));
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(lines, 1);
    dialog.setCenterWidget(content);
    dialog.SetFixedSize(560, 360);
    dialog.exec();
}
