#include "AnsiString.h"

#include <algorithm>

AnsiString::AnsiString(const char* text) : data_(text ? text : "") {}

AnsiString::AnsiString(const char* text, int length)
    : data_(text && length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string()) {}

// Out-of-range positions are clipped, never an error: callers pass
// positions computed from the text itself.
AnsiString AnsiString::SubString(int index, int count) const
{
    if (index < 1) {
        count += index - 1;
        index = 1;
    }
    if (count <= 0 || index > Length())
        return AnsiString();
    return AnsiString(data_.substr(static_cast<size_t>(index - 1), static_cast<size_t>(count)));
}

AnsiString& AnsiString::Delete(int index, int count)
{
    if (index >= 1 && index <= Length() && count > 0)
        data_.erase(static_cast<size_t>(index - 1), static_cast<size_t>(std::min(count, Length() - index + 1)));
    return *this;
}

AnsiString& AnsiString::Insert(const AnsiString& text, int index)
{
    index = std::clamp(index, 1, Length() + 1);
    data_.insert(static_cast<size_t>(index - 1), text.data_);
    return *this;
}

AnsiString& AnsiString::operator+=(const AnsiString& text)
{
    data_ += text.data_;
    return *this;
}

AnsiString operator+(const AnsiString& a, const AnsiString& b)
{
    std::string joined;
    joined.reserve(a.data_.size() + b.data_.size());
    joined += a.data_;
    joined += b.data_;
    return AnsiString(std::move(joined));
}
