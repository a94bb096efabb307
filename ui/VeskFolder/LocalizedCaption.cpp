#include "LocalizedCaption.h"

#include <utility>

namespace tarnwick::vesk {

LocalizedCaption::LocalizedCaption(std::string languageCode, const char* builtInCommaText)
    : languageCode_(std::move(languageCode)), builtInCommaText_(builtInCommaText),
      list_(CaptionList::FromCommaText(builtInCommaText_)),
      caption_(ResolveCaption(list_, languageCode_)) {}

bool LocalizedCaption::Assign(const CaptionList& list) {
    if (list.CommaText() == list_.CommaText()) return false;
    list_ = list;
    caption_ = ResolveCaption(list_, languageCode_);
    return true;
}

} // namespace tarnwick::vesk
