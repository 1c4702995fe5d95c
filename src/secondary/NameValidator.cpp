#include "secondary/NameValidator.h"

#include <QStringEncoder>
#include <algorithm>

namespace tessaro {

QValidator::State NameValidator::validate(QString& input, int& /*position*/) const {
    const bool hasControl = std::any_of(input.cbegin(), input.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
    if (hasControl) {
        return Invalid;
    }
    QStringEncoder encoder("windows-1251");
    const QByteArray encoded = encoder.encode(input);
    return encoder.hasError() ? Invalid : Acceptable;
}

}  // namespace tessaro
