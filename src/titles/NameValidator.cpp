#include "titles/NameValidator.h"

#include <QStringEncoder>

#include "core/Text.h"

namespace tessaro {

QValidator::State NameValidator::validate(QString& input, int& /*position*/) const {
    // The same rule as a saved game's name line, so that whatever the box takes loads back.
    if (holdsControlCharacter(input.toStdString())) {
        return Invalid;
    }
    QStringEncoder encoder("windows-1251");
    const QByteArray encoded = encoder.encode(input);
    return encoder.hasError() ? Invalid : Acceptable;
}

}  // namespace tessaro
