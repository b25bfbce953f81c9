#include "app/fileview.h"

#include "app/input_tools.h"
#include "app/language.h"
#include "app/report_text.h"

namespace quorvel::app {

namespace Keys = platform::Keys;

namespace {
constexpr int ViewerMargin = 7;
}  // namespace

Fileview::Fileview(model::ProjectModel& m, platform::Platform& p)
    : Form(p, "Fileview", "Tulokset", 11400, 7575), model_(m) {
    Text.setMultiLine(true);
    Text.setFont(platform::Font{"Courier New", 9});
    setKeyPreview(true);
    onLoad = [this] { Form_Load(); };
    onKeyDown = [this](int& keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    cmdAlkuun.onClick = [this] { cmdAlkuun_Click(); };
    cmdLoppuun.onClick = [this] { cmdLoppuun_Click(); };
    cmdTulosta.onClick = [this] { cmdTulosta_Click(); };
    cmdPoistu.onClick = [this] { cmdPoistu_Click(); };
    Text.onKeyDown = [this](int& keyCode, int shift) { Text_KeyDown(keyCode, shift); };
    Text.onKeyPress = [this](int& key) { Text_KeyPress(key); };
    Text.onKeyUp = [this](int& keyCode, int shift) { Text_KeyUp(keyCode, shift); };
}

Fileview::~Fileview() = default;

void Fileview::Form_Load() {
    CenterForm(*this);
    ApplyLanguage(*this, model_.LanguageIndex);
    Text.setText(loadReportText(platform(), model_.ViewFileName, ViewerMargin).value_or(std::string()));
}

void Fileview::Form_KeyDown(int& keyCode, int) {
    if (keyCode == Keys::Escape) unload();
}

void Fileview::cmdAlkuun_Click() {
    Text.setSelLength(0);
    Text.setSelStart(0);
}

void Fileview::cmdLoppuun_Click() {
    Text.setSelLength(0);
    Text.setSelStart(Text.length());
}

// What the box shows, edits included, in the report font of the settings.
void Fileview::cmdTulosta_Click() {
    platform::PrintJob job;
    if (!model_.PrintFontName.empty()) job.fontName = model_.PrintFontName;
    if (model_.PrintFontSize > 0) job.fontSize = model_.PrintFontSize;
    job.lines = printedLines(Text.text());
    platform().print(job);
}

void Fileview::cmdPoistu_Click() { unload(); }

void Fileview::Text_KeyDown(int& keyCode, int) {
    if (keyCode == Keys::F7) {
        unload();
        return;
    }
    // Ctrl on its own is the closing shortcut; Ctrl with another key (copy,
    // select all) is that key's shortcut, and releasing Ctrl afterwards
    // must not close the window.
    ctrlAlone_ = keyCode == Keys::Control;
}

void Fileview::Text_KeyPress(int& keyAscii) {
    if (keyAscii == Keys::Escape) unload();
}

void Fileview::Text_KeyUp(int& keyCode, int) {
    if (keyCode == Keys::Control && ctrlAlone_) {
        ctrlAlone_ = false;
        unload();
    }
}

}  // namespace quorvel::app
