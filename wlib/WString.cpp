#include "WString.h"

WString& WString::Trim() {
    const std::size_t first = text_.find_first_not_of(' ');
    if (first == std::string::npos) {
        text_.clear();
        return *this;
    }
    text_.erase(text_.find_last_not_of(' ') + 1);
    text_.erase(0, first);
    return *this;
}
