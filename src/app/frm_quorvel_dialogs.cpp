// The main window's dialog openers: the buttons and menu items of the input
// dialogs, the beam command choosing the dialog of the selected beam type,
// and what the window does when a dialog closed with stored changes.

#include <iterator>

#include "app/beam_types.h"
#include "app/dialog_openers.h"
#include "app/frm_quorvel.h"
#include "app/language.h"

namespace quorvel::app {

namespace {

constexpr DialogOpener kOpeners[] = {
    {"cmdLaatasto", "cmdLaatasto0", "frm2Ontelolaatasto", true},
    {"cmdLaatankuormat", "cmdLaatankuormat0", "frmLaatankuormat", true},
    {"cmdReiat", "cmdReiat0", "frmReiat", false},
    {"cmdKuormat", "cmdKuormat0", "frmKuormat", true},
    {"cmdTukimomentit", "cmdTukimomentit0", "frmTukimomentit", false},
    {nullptr, "cmdKertoimet", "frmKertoimet", false},
};

}  // namespace

const DialogOpener* dialogOpeners(std::size_t& count) {
    count = std::size(kOpeners);
    return kOpeners;
}

std::string dialogUnavailableText(const platform::Platform& platform, const std::string& what) {
    return what + byLanguage(platform, ": syöttöikkuna ei ole käytettävissä tässä ohjelmaversiossa.",
                             ": the input window is not available in this version of the program.");
}

// Each opener's button and menu item run the opener; they stay disabled
// until their dialog is registered. A menu item only runs its button's
// handler. The beam command is always available: it names the beam type
// whose dialog is missing.
void frmQuorvel::wireDialogOpeners() {
    for (const DialogOpener& o : kOpeners) {
        const DialogOpener* opener = &o;
        auto open = [this, opener] { openDialog(opener->dialog, opener->refreshAfterChange); };
        platform::Control* button = o.button ? findControl(o.button) : nullptr;
        platform::Control* item = findControl(o.menuItem);
        if (button) {
            button->onClick = open;
            item->onClick = [button] { button->fireClick(); };
        } else {
            item->onClick = open;
        }
        for (platform::Control* c : {button, item})
            if (c) c->setEnabled(false);
    }
    cmdPalkki.onClick = [this] { ShowBeamForm(); };
    cmdPalkki0.onClick = [this] { cmdPalkki.fireClick(); };
}

void frmQuorvel::registerDialog(const std::string& formName, DialogFactory factory) {
    dialogFactories_[formName] = std::move(factory);
    for (const DialogOpener& o : kOpeners) {
        if (formName != o.dialog) continue;
        for (const char* name : {o.button, o.menuItem})
            if (name) findControl(name)->setEnabled(true);
    }
}

bool frmQuorvel::hasDialog(const std::string& formName) const {
    return dialogFactories_.count(formName) != 0;
}

void frmQuorvel::openDialog(const std::string& formName, bool refreshAfterChange) {
    auto it = dialogFactories_.find(formName);
    if (it == dialogFactories_.end()) {
        platform().messageBox(dialogUnavailableText(platform(), formName), platform::Buttons::Ok, platform::Icon::Information);
        return;
    }
    {
        // A fresh instance each time: every opening loads the dialog from
        // the model, and nothing of an earlier opening survives.
        std::unique_ptr<platform::Form> dialog = it->second(model_, platform());
        dialog->showModal();
        dialog->unload();
    }
    if (model_.SubFormChanged != 1) return;
    if (refreshAfterChange) RefreshMainForm();
    model_.SubFormChanged = 0;
    MarkInputChanged(model_, *this);
}

void frmQuorvel::ShowBeamForm() {
    for (const BeamTypeInfo& type : BeamTypes()) {
        auto* option = static_cast<OptionButton*>(findControl(std::string(type.option)));
        if (!option || !option->value()) continue;
        const std::string dialog(type.dialog);
        if (!hasDialog(dialog)) {
            platform().messageBox(dialogUnavailableText(platform(), std::string(type.typeName)), platform::Buttons::Ok,
                                  platform::Icon::Information);
            return;
        }
        openDialog(dialog, true);
        return;
    }
}

}  // namespace quorvel::app
