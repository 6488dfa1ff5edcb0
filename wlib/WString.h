#pragma once
// An 8-bit text in the ANSI code page. Every text of the library is a WString; wide text is
// made only where an API insists on it.
#include <cstddef>

class WString {
public:
    WString() = default;
    WString(const char* text); // null stands for the empty text
    WString(const char* text, std::size_t length);
    WString(const WString& other) : WString(other.text_, other.length_) {}
    WString(WString&& other) noexcept;
    WString& operator=(const WString& other);
    WString& operator=(WString&& other) noexcept;
    ~WString();

    const char* GetText() const { return text_ ? text_ : ""; }
    std::size_t GetLength() const { return length_; }
    bool IsEmpty() const { return length_ == 0; }

    // Makes the text exactly `length` characters long: cut, or lengthened with NULs. Returns
    // its characters, writable up to `length`; a NUL always follows them.
    char* SetLength(std::size_t length);

    WString& operator+=(const WString& tail) { return Append(tail.text_, tail.length_); }
    WString& operator+=(const char* tail); // no temporary string for a literal
    friend WString operator+(WString head, const WString& tail) { return head += tail; }
    friend WString operator+(WString head, const char* tail) { return head += tail; }
    friend bool operator==(const WString& a, const WString& b) { return a.Equals(b); }
    friend bool operator!=(const WString& a, const WString& b) { return !a.Equals(b); }

    // Removes space characters (code 32) from both ends; tabs and other white space stay.
    WString& Trim();

private:
    WString& Append(const char* text, std::size_t length);
    bool Equals(const WString& other) const;

    char* text_ = nullptr; // null, or length_ characters and a NUL
    std::size_t length_ = 0;
};
