#include "WString.h"

#include "WHeap.h"

#include <cstdlib>
#include <cstring>
#include <utility>

WString::WString(const char* text) : WString(text, text ? std::strlen(text) : 0) {}

WString::WString(const char* text, std::size_t length) { Append(text, length); }

WString::WString(WString&& other) noexcept
    : text_(std::exchange(other.text_, nullptr)), length_(std::exchange(other.length_, 0)) {}

WString& WString::operator=(const WString& other) {
    if (this != &other)
        *this = WString(other);
    return *this;
}

WString& WString::operator=(WString&& other) noexcept {
    std::swap(text_, other.text_);
    std::swap(length_, other.length_);
    return *this;
}

WString::~WString() { WFreeBlock(text_); }

char* WString::SetLength(std::size_t length) {
    if (length == static_cast<std::size_t>(-1))
        std::abort(); // no room for the terminator
    text_ = static_cast<char*>(WResizeBlock(text_, length + 1));
    if (length > length_)
        std::memset(text_ + length_, 0, length - length_);
    text_[length] = '\0';
    length_ = length;
    return text_;
}

WString& WString::operator+=(const char* tail) {
    return tail ? Append(tail, std::strlen(tail)) : *this;
}

WString& WString::Append(const char* text, std::size_t length) {
    if (length == 0)
        return *this;
    // A new block, so that `text` may be this string's own.
    WString joined;
    char* target = joined.SetLength(length_ + length);
    std::memcpy(target, GetText(), length_);
    std::memcpy(target + length_, text, length);
    return *this = std::move(joined);
}

bool WString::Equals(const WString& other) const {
    return length_ == other.length_ && std::memcmp(GetText(), other.GetText(), length_) == 0;
}

WString& WString::Trim() {
    const char* text = GetText();
    std::size_t first = 0;
    while (first < length_ && text[first] == ' ')
        ++first;
    std::size_t end = length_;
    while (end > first && text[end - 1] == ' ')
        --end;
    if (first == 0 && end == length_)
        return *this;
    return *this = WString(text + first, end - first);
}
