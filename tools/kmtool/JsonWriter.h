#pragma once

#include <cstdint>
#include <string>

// Builds one compact JSON value on a single line. Commas are placed automatically;
// keys are written with key() before each member of an object.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(const std::string& name);
    JsonWriter& value(int64_t number);
    JsonWriter& value(int number) { return value(int64_t(number)); }
    JsonWriter& value(double number);
    JsonWriter& value(bool flag);
    JsonWriter& value(const std::string& text);
    JsonWriter& value(const char* text) { return value(std::string(text)); }
    JsonWriter& null();

    const std::string& text() const { return out; }
    // Writes the text and a line feed to stdout.
    void print() const;

private:
    void separate();

    std::string out;
    bool needsComma = false;
};
