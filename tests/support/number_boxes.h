#pragma once
// The boxes of a window that take numbers, as the number rule's tests
// enumerate them on either backend.

#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace quorvel::testing {

// Boxes that hold text, not numbers.
inline bool holdsText(const platform::Control& c) {
    const std::string& n = c.name();
    return n == "txtOtsikko1" || n == "txtOtsikko2" || n == "txtVasenylapunos" || n == "txtOikeaylapunos" ||
           n == "cboVasenalapunos" || n == "cboOikeaalapunos";
}

// The numeric boxes a user can reach: text boxes and editable combos,
// shown, enabled and not read-only.
inline std::vector<platform::Control*> reachableBoxes(platform::Form& form) {
    std::vector<platform::Control*> boxes;
    for (platform::Control* c : form.controls()) {
        const bool text = c->kind() == platform::ControlKind::TextBox &&
                          !static_cast<platform::TextBox*>(c)->locked();
        const bool combo = c->kind() == platform::ControlKind::ComboBox &&
                           static_cast<platform::ComboBox*>(c)->style() != platform::ComboStyle::DropDownList;
        if ((text || combo) && c->canTakeFocus() && !holdsText(*c)) boxes.push_back(c);
    }
    return boxes;
}

// The text a box holds, whichever kind it is.
inline std::string boxText(const platform::Control& c) {
    if (c.kind() == platform::ControlKind::ComboBox) return static_cast<const platform::ComboBox&>(c).text();
    return static_cast<const platform::TextBox&>(c).text();
}

// Whether the box's whole text is selected, so that the next key typed
// replaces it.
inline bool wholeTextSelected(const platform::Control& c) {
    if (c.kind() == platform::ControlKind::ComboBox) return static_cast<const platform::ComboBox&>(c).wholeTextSelected();
    const auto& box = static_cast<const platform::TextBox&>(c);
    return box.selStart() == 0 && box.selLength() == box.length();
}

}  // namespace quorvel::testing
