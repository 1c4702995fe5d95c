#pragma once

#include "core/Text.h"

namespace tessaro {

// The texts that the rules compose from a template and a number or a name (fillIn). The screen
// recognises a composed text by its template, translates the template and fills the same values
// in again, so that a translation needs each template once, whatever the numbers.
inline constexpr const char* kCoursePriceText = GAME_TEXT("Стоимость обучения: $%1");
inline constexpr const char* kBoardWithSocketText = GAME_TEXT("Необходима системная плата с %1");
// %1 is the old part ("старую", "старый"), %2 the new one.
inline constexpr const char* kTradeInText = GAME_TEXT("Если продать %1, то %2 - $%3");
inline constexpr const char* kShortOfMoneyText = GAME_TEXT("У вас не хватает $%1");
inline constexpr const char* kProjectSoldText = GAME_TEXT("Вам удалось продать этот проект за $%1");
inline constexpr const char* kMissionFineText = GAME_TEXT("Вас обнаружили. Штраф $%1");
inline constexpr const char* kMissionRewardText =
    GAME_TEXT("Задание выполнено. На ваш счет переведено $%1");
// A saved game refused for its name: the line in the frame of the other load errors.
inline constexpr const char* kNameControlCharacterText =
    GAME_TEXT("Line %1: в имени игрока есть управляющий символ");

inline constexpr const char* kTextTemplates[] = {
    kCoursePriceText, kBoardWithSocketText, kTradeInText,       kShortOfMoneyText,
    kProjectSoldText, kMissionFineText,     kMissionRewardText, kNameControlCharacterText,
};

}  // namespace tessaro
