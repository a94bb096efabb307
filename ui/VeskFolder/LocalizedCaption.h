// One caption of the folder browser with the list it is chosen from: the
// list can be replaced, and the caption follows the system's language.
#pragma once

#include "CaptionList.h"

#include <string>

namespace tarnwick::vesk {

class LocalizedCaption {
  public:
    LocalizedCaption(std::string languageCode, const char* builtInCommaText);

    const CaptionList& List() const { return list_; }
    const std::string& Caption() const { return caption_; }

    // Copies the list only when its text differs from the current one, then
    // chooses the caption again. True when it changed.
    bool Assign(const CaptionList& list);

    // Whether the list still reads as the built-in one: a stored form keeps
    // the list only when this is false.
    bool IsDefault() const { return list_.CommaText() == builtInCommaText_; }

  private:
    std::string languageCode_;
    std::string builtInCommaText_;
    CaptionList list_;
    std::string caption_;
};

} // namespace tarnwick::vesk
