#pragma once
// The JSON of a run, written from tables of (key, value accessor): the keys are those the README
// documents and stay as they are whatever the fields behind them are called. Both modules write
// their results through these.

#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace orvane {

// A real number, or null when it is not finite.
inline nlohmann::json Real(double v) {
    return std::isfinite(v) ? nlohmann::json(v) : nlohmann::json();
}

// One key of the JSON and how its value is taken from the record `T`.
template <class T> struct JsonKey {
    std::string_view key;
    nlohmann::json (*value)(const T &);
};

// Every key of `keys` with its value from `record`.
template <class T>
void PutKeys(nlohmann::json &j, std::span<const JsonKey<T>> keys, const T &record) {
    for (const JsonKey<T> &k : keys)
        j[std::string(k.key)] = k.value(record);
}

} // namespace orvane
