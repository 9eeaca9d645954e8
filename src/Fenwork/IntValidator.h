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
    // even when it has no more digits than the maximum.
    State validate(QString& input, int& pos) const override;
};

} // namespace aptui
