#include "titles/NameValidator.h"

#include "core/Text.h"
#include "persistence/CodePage.h"

namespace tessaro {

QValidator::State NameValidator::validate(QString& input, int& /*position*/) const {
    // The same rule as a saved game's name line, so that whatever the box takes loads back.
    const std::string name = input.toStdString();
    return holdsControlCharacter(name) || !toWindows1251(name) ? Invalid : Acceptable;
}

}  // namespace tessaro
