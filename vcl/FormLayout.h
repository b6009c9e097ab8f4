#pragma once
// The text form of a window layout: nested "object Name: Class" ... "end"
// blocks holding "Name = value" lines. Reading never fails as a whole: a
// line that cannot be read is skipped and reported, the rest is kept.
#include <string>
#include <vector>

struct TLayoutValue {
    enum TKind { Integer, String, Identifier, Set };
    TKind Kind = Integer;
    int Number = 0;                  // Integer
    std::string Text;                // String (bytes as written), Identifier
    std::vector<std::string> Items;  // Set: the identifiers between the brackets
};

struct TLayoutProperty {
    std::string Name;  // may be dotted, as in "Font.Height"
    TLayoutValue Value;
    int Line = 0;
};

struct TLayoutObject {
    std::string Name;
    std::string ClassName;
    std::vector<TLayoutProperty> Properties;
    std::vector<TLayoutObject> Children;
    int Line = 0;

    // The last property of that name, or null.
    const TLayoutProperty* Find(const std::string& PropertyName) const;
};

struct TLayoutError {
    int Line;
    std::string Message;
};

struct TLayout {
    bool HasRoot = false;  // false when no object was found at all
    TLayoutObject Root;
    std::vector<TLayoutError> Errors;
};

TLayout ReadLayout(const char* Text, size_t Length);

// A value of the expected kind, or false; True and False are the booleans.
bool AsInteger(const TLayoutValue& Value, int& Out);
bool AsBoolean(const TLayoutValue& Value, bool& Out);
bool AsText(const TLayoutValue& Value, std::string& Out);
