#pragma once

#include "FenworkGlobal.h"

#include <QIntValidator>

namespace aptui {

class FENWORK_EXPORT IntValidator : public QIntValidator
{
    Q_OBJECT

public:
    IntValidator(int minimum, int maximum, QObject* parent = nullptr);
    ~IntValidator() override;

    // Unlike QIntValidator, a number above the maximum is Invalid at once
    // even when it has no more digits than the maximum; with clamping on it
    // becomes the maximum instead, so a typed digit is never just dropped.
    State validate(QString& input, int& pos) const override;

    void setClampsToMaximum(bool clamps) { m_clamps = clamps; }
    // Whether a text was clamped since the last call; asks only once.
    bool takeClamped() const;

private:
    bool m_clamps = false;
    mutable bool m_clamped = false;
};

} // namespace aptui
