#include "core/Text.h"

namespace tessaro {

std::string firstCharacters(const std::string& utf8, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) {
            return utf8.substr(0, i);
        }
    }
    return utf8;
}

}  // namespace tessaro
