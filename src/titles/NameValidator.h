#pragma once

#include <QValidator>

namespace tessaro {

// The name box takes only what a saved game can store: characters of the Windows-1251 code
// page, and no line breaks, tabs or other control characters.
class NameValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

}  // namespace tessaro
