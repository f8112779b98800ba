#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora::forms {

struct JsonMember;

// A JSON value as the tables of word forms are read: an object keeps its
// members in the order written.
struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text;                                       // a string (UTF-8), a number or a boolean as written
    std::vector<JsonValue> items;                           // an array's
    std::vector<JsonMember> members;                        // an object's
};

// A member of an object (a struct, not a std::pair: a pair may not hold the
// incomplete JsonValue, which clang's checks of the standard library refuse).
struct JsonMember {
    std::string key;
    JsonValue value;
};

// Text that is not JSON; says what is wrong and at which byte.
class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The one value the text holds, blanks around it allowed. Arrays and objects
// nest at most 100 deep. Throws JsonError.
JsonValue parseJson(std::string_view text);

} // namespace zelvora::forms
