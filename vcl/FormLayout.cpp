#include "FormLayout.h"

#include <cctype>
#include <climits>
#include <deque>

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A cursor over one line.
class TLineReader {
public:
    TLineReader(const char* begin, const char* end) : p_(begin), end_(end) {}

    void SkipBlanks()
    {
        while (p_ < end_ && IsBlank(*p_))
            ++p_;
    }
    bool AtEnd()
    {
        SkipBlanks();
        return p_ == end_;
    }
    bool Take(char c)
    {
        SkipBlanks();
        if (p_ < end_ && *p_ == c) {
            ++p_;
            return true;
        }
        return false;
    }
    // An identifier; with Dotted, also "Font.Height".
    bool Identifier(std::string& out, bool dotted = false)
    {
        SkipBlanks();
        const char* start = p_;
        for (;;) {
            if (p_ == end_ || !IsIdentStart(*p_))
                break;
            while (p_ < end_ && IsIdentChar(*p_))
                ++p_;
            if (!dotted || p_ == end_ || *p_ != '.' || p_ + 1 == end_ || !IsIdentStart(p_[1]))
                break;
            ++p_;
        }
        out.assign(start, p_);
        return !out.empty();
    }
    // A decimal number, or a hexadecimal one after '$'; optional sign.
    bool Integer(int& out)
    {
        SkipBlanks();
        bool negative = false;
        if (p_ < end_ && (*p_ == '-' || *p_ == '+'))
            negative = *p_++ == '-';
        int base = 10;
        if (p_ < end_ && *p_ == '$') {
            base = 16;
            ++p_;
        }
        long long value = 0;
        int digits = 0;
        for (; p_ < end_; ++p_, ++digits) {
            int d = std::isdigit(static_cast<unsigned char>(*p_)) ? *p_ - '0'
                    : base == 16 && std::isxdigit(static_cast<unsigned char>(*p_))
                        ? std::tolower(static_cast<unsigned char>(*p_)) - 'a' + 10
                        : -1;
            if (d < 0)
                break;
            value = value * base + d;
            if (value > static_cast<long long>(INT_MAX) + 1)
                return false;
        }
        if (negative)
            value = -value;
        if (digits == 0 || value > INT_MAX || value < INT_MIN)
            return false;
        out = static_cast<int>(value);
        return true;
    }
    // Quoted pieces ('it''s') and character codes (#13) written together.
    bool String(std::string& out)
    {
        SkipBlanks();
        out.clear();
        bool any = false;
        while (p_ < end_ && (*p_ == '\'' || *p_ == '#')) {
            any = true;
            if (*p_ == '#') {
                ++p_;
                int code;
                if (!Integer(code) || code < 0 || code > 255)
                    return false;
                out += static_cast<char>(code);
                continue;
            }
            ++p_;
            for (;;) {
                if (p_ == end_)
                    return false;  // unterminated
                if (*p_ == '\'') {
                    if (p_ + 1 < end_ && p_[1] == '\'') {
                        out += '\'';
                        p_ += 2;
                        continue;
                    }
                    ++p_;
                    break;
                }
                out += *p_++;
            }
        }
        return any;
    }
    char Peek()
    {
        SkipBlanks();
        return p_ < end_ ? *p_ : '\0';
    }

private:
    const char* p_;
    const char* end_;
};

// Reads the text after '=': false when it is not one whole value.
bool ReadValue(TLineReader& line, TLayoutValue& value)
{
    char c = line.Peek();
    bool ok;
    if (c == '\'' || c == '#') {
        value.Kind = TLayoutValue::String;
        ok = line.String(value.Text);
    } else if (c == '[') {
        value.Kind = TLayoutValue::Set;
        line.Take('[');
        ok = true;
        if (!line.Take(']')) {
            do {
                std::string item;
                ok = line.Identifier(item);
                value.Items.push_back(item);
            } while (ok && line.Take(','));
            ok = ok && line.Take(']');
        }
    } else if (IsIdentStart(c)) {
        value.Kind = TLayoutValue::Identifier;
        ok = line.Identifier(value.Text);
    } else {
        value.Kind = TLayoutValue::Integer;
        ok = line.Integer(value.Number);
    }
    return ok && line.AtEnd();
}

// A window layout nests a few levels; far more is a broken text.
constexpr size_t MaxDepth = 32;

bool IsIgnored(const std::deque<TLayoutObject>& ignored, const TLayoutObject* object)
{
    for (const TLayoutObject& o : ignored)
        if (&o == object)
            return true;
    return false;
}

}  // namespace

const TLayoutProperty* TLayoutObject::Find(const std::string& PropertyName) const
{
    for (auto it = Properties.rbegin(); it != Properties.rend(); ++it)
        if (it->Name == PropertyName)
            return &*it;
    return nullptr;
}

TLayout ReadLayout(const char* Text, size_t Length)
{
    TLayout layout;
    std::vector<TLayoutObject*> open;  // innermost last; each lives in its parent, which is not appended to meanwhile
    std::deque<TLayoutObject> ignored;  // objects read only so that their "end" closes them
    auto error = [&](int line, std::string message) { layout.Errors.push_back({line, std::move(message)}); };

    const char* end = Text + Length;
    int lineNumber = 0;
    for (const char* p = Text; p < end;) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\n')
            ++lineEnd;
        ++lineNumber;
        TLineReader line(p, lineEnd);
        p = lineEnd < end ? lineEnd + 1 : end;

        if (line.AtEnd())
            continue;
        std::string word;
        if (!line.Identifier(word, true)) {
            error(lineNumber, "cannot read this line");
            continue;
        }
        if (word == "object") {
            TLayoutObject object;
            object.Line = lineNumber;
            if (!line.Identifier(object.Name) || !line.Take(':') || !line.Identifier(object.ClassName) ||
                !line.AtEnd()) {
                error(lineNumber, "expected \"object Name: Class\"; the object is ignored");
                open.push_back(&ignored.emplace_back());
                continue;
            }
            if (open.empty()) {
                if (layout.HasRoot) {
                    error(lineNumber, "a second top-level object is ignored");
                    open.push_back(&ignored.emplace_back());
                    continue;
                }
                layout.HasRoot = true;
                layout.Root = std::move(object);
                open.push_back(&layout.Root);
            } else if (IsIgnored(ignored, open.back())) {
                open.push_back(&ignored.emplace_back());  // inside an ignored object
            } else if (open.size() >= MaxDepth) {
                error(lineNumber, "objects nested too deep are ignored");
                open.push_back(&ignored.emplace_back());
            } else {
                open.back()->Children.push_back(std::move(object));
                open.push_back(&open.back()->Children.back());
            }
        } else if (word == "end" && line.AtEnd()) {
            if (open.empty())
                error(lineNumber, "\"end\" without an object");
            else
                open.pop_back();
        } else {
            TLayoutProperty property;
            property.Name = word;
            property.Line = lineNumber;
            if (!line.Take('=') || !ReadValue(line, property.Value)) {
                error(lineNumber, "cannot read the value of " + word);
                continue;
            }
            if (open.empty()) {
                error(lineNumber, word + " is outside any object");
                continue;
            }
            open.back()->Properties.push_back(std::move(property));
        }
    }
    if (!open.empty())
        error(lineNumber, "missing \"end\" for " + open.back()->Name);
    if (!layout.HasRoot && layout.Errors.empty())
        error(lineNumber, "no object");
    return layout;
}

bool AsInteger(const TLayoutValue& Value, int& Out)
{
    if (Value.Kind != TLayoutValue::Integer)
        return false;
    Out = Value.Number;
    return true;
}

bool AsBoolean(const TLayoutValue& Value, bool& Out)
{
    if (Value.Kind != TLayoutValue::Identifier || (Value.Text != "True" && Value.Text != "False"))
        return false;
    Out = Value.Text == "True";
    return true;
}

bool AsText(const TLayoutValue& Value, std::string& Out)
{
    if (Value.Kind != TLayoutValue::String)
        return false;
    Out = Value.Text;
    return true;
}
