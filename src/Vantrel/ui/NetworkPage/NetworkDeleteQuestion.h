#pragma once

#include <QDialog>
#include <QPair>
#include <QVector>

class QComboBox;

// Asks where what a deleted switch or recorder holds goes: each choice a
// text and the id it stands for (empty for none). Without a choice it only
// says why the deletion cannot be done, and offers Cancel.
class NetworkDeleteQuestion : public QDialog
{
    Q_OBJECT

public:
    using Choice = QPair<QString, QString>;

    NetworkDeleteQuestion(const QString& title, const QString& question, const QVector<Choice>& choices,
                          QWidget* parent = nullptr);
    ~NetworkDeleteQuestion() override;

    QString chosenId() const;

private:
    QComboBox* m_choices = nullptr;
};
