#pragma once
// The names of the model's numeric input fields in messages, in the two
// languages of the windows: the caption of the box that edits the field
// where one stands for just that element, else the field's own name with
// its side, row or load. A message never shows the model's field names.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/beam_family.h"

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

// A section field as a beam family's dialog shows it: the key the sketch
// labels it with and the section rules' formulas write it by ("bt"), the
// caption in both languages ("Top plate width (bt)" of the A beam W), and
// its model field. The dialogs built from a table take their captions
// from here; the language files show the same texts (a test holds them
// to it).
struct SectionCaption {
    std::string_view key;
    std::string_view finnish;
    std::string_view english;
    std::string_view field;
    // The box shows a value worked out from the field and others (LBL's
    // bottom width is the plate's less its ledges): a message about the
    // field's own value does not name it by this caption.
    bool derived = false;
};
// The captions of the family's section: its dialog's dimension boxes and
// the other fields its section rules name; none for a family without a
// dialog (HX, SX, XX).
std::span<const SectionCaption> sectionCaptions(BeamFamily family);
// The caption of the family's key, or nullptr.
const SectionCaption* sectionCaption(BeamFamily family, std::string_view key);

// The field's name in a project of the family: a plain field that the
// family's dialog shows, as it stands, under one caption of its own is
// named by that caption, so that a message names the box the user mends; every other
// field as fieldName(field, element) names it.
FieldName fieldName(std::string_view field, int element, std::optional<BeamFamily> family);

// The words of a value beyond the bound that another field sets on its
// magnitude (FieldLimit::atMostField), after "the value V of F": below
// the negative bound "is below -3600 mm (minus half the beam's span)",
// above the positive one "is above 3600 mm (half the beam's span)", the
// bound named by its words or else by the other field's name. boundText is
// the bound's magnitude as the message shows numbers.
struct FieldLimit;
FieldName boundExceededWords(const FieldLimit& limit, bool below, const std::string& boundText,
                             std::optional<BeamFamily> family);

// The English of a field's Finnish name in the table of names (the names
// of the fields that no box names element by element); empty when no
// field is named so.
std::string_view englishFieldName(std::string_view finnish);

}  // namespace quorvel::model
