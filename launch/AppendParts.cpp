#include "AppendParts.h"

namespace tarnwick {

void AppendParts(std::string& text, std::initializer_list<std::string_view> parts) {
    for (const std::string_view part : parts)
        text += part;
}

} // namespace tarnwick
