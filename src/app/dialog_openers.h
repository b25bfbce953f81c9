#pragma once
// The input dialogs as the main window's openers see them: a dialog is
// made by a factory registered under its form name, shown modally, and
// reports through SubFormChanged whether it stored changed values. The
// dialogs live in a layer above this one; whoever builds the program (and
// a test) registers them with the main window.

#include <functional>
#include <memory>
#include <string>

#include "model/project_model.h"
#include "platform/forms/form.h"

namespace quorvel::app {

// Makes a fresh instance of one dialog on the project model.
using DialogFactory =
    std::function<std::unique_ptr<platform::Form>(model::ProjectModel&, platform::Platform&)>;

// The main window's command for a dialog: its button and menu item (either
// may be absent), the dialog's form name and whether the main window
// refreshes its controls after the dialog stored changes.
struct DialogOpener {
    const char* button;
    const char* menuItem;
    const char* dialog;
    bool refreshAfterChange;
};

// The openers of the slab, load, hole, moment and factor dialogs. The beam
// command chooses its dialog from the selected beam type (ShowBeamForm).
const DialogOpener* dialogOpeners(std::size_t& count);

// The message of an opener whose dialog is not built into the program.
std::string dialogUnavailableText(const platform::Platform& platform, const std::string& what);

}  // namespace quorvel::app
