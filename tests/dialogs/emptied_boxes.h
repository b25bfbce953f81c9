#pragma once
// A beam dialog opened on a new project of its beam type, with each of its
// numeric boxes emptied in turn and left: what the box then shows.

#include <functional>
#include <string>

#include "app/beam_types.h"
#include "app/input_tools.h"
#include "dialog_fixture.h"
#include "dialogs/concrete-beams/beam_dialog.h"
#include "model/field_limits.h"

namespace quorvel::dialogs::testing {

class EmptiedBoxTest : public DialogTest {
protected:
    // Chooses the beam type in the main window, as a user does.
    void chooseType(const app::BeamTypeInfo& type) {
        auto* option = dynamic_cast<platform::OptionButton*>(w.findControl(std::string(type.option)));
        ASSERT_NE(option, nullptr) << type.typeName;
        choose(*option);
    }

    // Opens the type's dialog and empties every box a user can type into
    // (shown, enabled, with a row of the field-limit table) that `wanted`
    // takes, leaves it and hands on the text it shows; then cancels.
    void emptyEachBox(const app::BeamTypeInfo& type, const std::function<bool(const model::BoxLimit&)>& wanted,
                      const std::function<void(BeamDialog&, platform::Control& box, const model::BoxLimit& row,
                                               const std::string& shown)>& seen) {
        open<BeamDialog>(w.cmdPalkki, std::string(type.dialog), [&](BeamDialog& d) {
            ui.setStrict(false);
            for (platform::Control* box : d.controls()) {
                const bool editable = box->kind() == platform::ControlKind::TextBox ||
                                      (box->kind() == platform::ControlKind::ComboBox &&
                                       static_cast<platform::ComboBox*>(box)->style() == platform::ComboStyle::DropDownCombo);
                const model::BoxLimit* row = app::boxLimitOf(*box);
                if (!editable || !row || !box->isEffectivelyVisible() || !box->enabled() || !wanted(*row)) continue;
                ui.paste(*box, "");
                ui.click(d.txtJannevali);  // the box is left
                seen(d, *box, *row,
                     box->kind() == platform::ControlKind::TextBox ? static_cast<platform::TextBox*>(box)->text()
                                                                   : static_cast<platform::ComboBox*>(box)->text());
            }
            ui.pressEscape();
        });
        ui.clearMessages();
        ui.setStrict(true);
    }
};

}  // namespace quorvel::dialogs::testing
