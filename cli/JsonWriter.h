#pragma once

#include <concepts>
#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

// Writes JSON to a stream as it goes: objects and arrays opened and closed in
// order, commas and string escapes taken care of. Doubles are written with
// 17 significant digits, so a reader gets back the very number.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    JsonWriter& key(std::string_view name); // inside an object, before its value
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(double number);
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(std::uint64_t number);
    JsonWriter& value(bool flag);
    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, std::int64_t>) JsonWriter& value(T number) {
        return value(static_cast<std::int64_t>(number));
    }
    JsonWriter& null();

    template <typename T>
    JsonWriter& field(std::string_view name, const T& v) {
        return key(name).value(v);
    }

private:
    void beforeValue();
    std::ostream& out_;
    std::vector<bool> first_; // per open object or array: nothing written in it yet
    bool afterKey_ = false;
};
