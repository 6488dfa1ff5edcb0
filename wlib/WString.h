#pragma once
// An 8-bit text in the ANSI code page. Every text of the library is a WString; wide text is
// made only where an API insists on it.
#include <cstddef>
#include <string>

class WString {
public:
    WString() = default;
    WString(const char* text) : text_(text ? text : "") {}
    WString(const char* text, std::size_t length) : text_(text, length) {}
    WString(std::string text) : text_(std::move(text)) {}

    const char* GetText() const { return text_.c_str(); }
    std::size_t GetLength() const { return text_.size(); }
    bool IsEmpty() const { return text_.empty(); }
    const std::string& Str() const { return text_; }

    WString& operator+=(const WString& tail) {
        text_ += tail.text_;
        return *this;
    }
    friend WString operator+(WString head, const WString& tail) { return head += tail; }
    friend bool operator==(const WString& a, const WString& b) { return a.text_ == b.text_; }
    friend bool operator!=(const WString& a, const WString& b) { return a.text_ != b.text_; }

    // Removes space characters (code 32) from both ends; tabs and other white space stay.
    WString& Trim();

private:
    std::string text_;
};
