#pragma once
// 8-bit text in the system code page; character positions count from 1.
#include <string>

class AnsiString {
public:
    AnsiString() = default;
    AnsiString(const char* text);
    AnsiString(const char* text, int length);

    const char* c_str() const { return data_.c_str(); }
    int Length() const { return static_cast<int>(data_.size()); }
    bool IsEmpty() const { return data_.empty(); }

    char operator[](int index) const { return data_[index - 1]; }
    char& operator[](int index) { return data_[index - 1]; }

    AnsiString SubString(int index, int count) const;
    AnsiString& Delete(int index, int count);
    AnsiString& Insert(const AnsiString& text, int index);

    AnsiString& operator+=(const AnsiString& text);
    friend AnsiString operator+(const AnsiString& a, const AnsiString& b);
    friend bool operator==(const AnsiString& a, const AnsiString& b) { return a.data_ == b.data_; }
    friend bool operator!=(const AnsiString& a, const AnsiString& b) { return a.data_ != b.data_; }

private:
    explicit AnsiString(std::string data) : data_(std::move(data)) {}
    std::string data_;
};
