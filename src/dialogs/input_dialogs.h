#pragma once
// Makes the input dialogs of this layer available to the main window's
// openers (the program and the tests call it once after building the
// main window).

#include "app/frm_quorvel.h"

namespace quorvel::dialogs {

void RegisterInputDialogs(app::frmQuorvel& mainWindow);

}  // namespace quorvel::dialogs
