#pragma once
// The names of the model's numeric input fields in messages, in the two
// languages of the windows: the caption of the box that edits the field
// where one stands for just that element, else the field's own name with
// its side, row or load. A message never shows the model's field names.

#include <string>
#include <string_view>

namespace quorvel::model {

struct FieldName {
    std::string finnish;
    std::string english;
    // The name in the language of the index (1 English, any other Finnish).
    const std::string& text(int language) const { return language == 1 ? english : finnish; }
};

// The name of the field's element (0 for a plain field; the element
// numbers of field_limits.h). A field without a name of its own is named
// by its model name in both languages (no input field is: a test holds
// every row of the limits table to a name).
FieldName fieldName(std::string_view field, int element = 0);

// The English of a field's Finnish name in the table of names (the names
// of the fields that no box names element by element); empty when no
// field is named so.
std::string_view englishFieldName(std::string_view finnish);

}  // namespace quorvel::model
