#include "app/fileview.h"

#include <algorithm>

#include "app/input_tools.h"
#include "app/language.h"
#include "app/report_text.h"
#include "app/settings.h"
#include "platform/print_layout.h"

namespace quorvel::app {

namespace Keys = platform::Keys;

namespace {
constexpr int ViewerMargin = 7;
constexpr int TwipsPerPixel = 15;
// Twips: the gap around the text box and the buttons, a button's height,
// the text box's scroll bar and border beside its text, and what the
// screen keeps for the window frame and a panel.
constexpr int Gap = 120;
constexpr int ButtonHeight = 375;
constexpr int TextAllowance = 600;
constexpr int ScreenAllowance = 1200;
}  // namespace

Fileview::Fileview(model::ProjectModel& m, platform::Platform& p)
    : Form(p, "Fileview", "Tulokset", 11400, 7575), model_(m) {
    Text.setMultiLine(true);
    Text.setFont(platform::Font{"Courier New", 9});
    setKeyPreview(true);
    setResizable(true);
    onLoad = [this] { Form_Load(); };
    onResize = [this] { Form_Resize(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
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
    ApplyLanguage(*this, model_.LanguageIndex);
    const std::string text = loadReportText(platform(), model_.ViewFileName, ViewerMargin).value_or(std::string());
    if (const auto stored = LoadViewerSize(platform())) {
        const platform::ScreenSize screen = platform().screenSize();
        setClientSize(std::min(stored->width, screen.width - ScreenAllowance),
                      std::min(stored->height, screen.height - ScreenAllowance));
    } else {
        fitToText(text);
    }
    CenterForm(*this);
    Text.setText(text);
}

void Fileview::fitToText(const std::string& text) {
    int widest = 0;
    for (const std::string& line : printedLines(text))
        widest = std::max(widest, platform().textWidthPixels(Text.font(), line) * TwipsPerPixel);
    const platform::ScreenSize screen = platform().screenSize();
    setClientSize(std::min(widest + TextAllowance + 2 * Gap, screen.width - ScreenAllowance),
                  screen.height - ScreenAllowance);
}

// The text box fills the window above the buttons; the close button keeps
// to the right edge.
void Fileview::Form_Resize() {
    const int buttonTop = clientHeight() - ButtonHeight - Gap;
    Text.setPlace({Gap, Gap, std::max(Gap, clientWidth() - 2 * Gap), std::max(Gap, buttonTop - 2 * Gap)});
    cmdAlkuun.move(cmdAlkuun.left(), buttonTop);
    cmdLoppuun.move(cmdLoppuun.left(), buttonTop);
    cmdTulosta.move(cmdTulosta.left(), buttonTop);
    cmdPoistu.move(clientWidth() - Gap - cmdPoistu.width(), buttonTop);
}

void Fileview::Form_Unload(int&) { SaveViewerSize(platform(), {clientWidth(), clientHeight()}); }

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
    if (model_.PrintFontSize > 0) job.fontSize = platform::legibleFontSize(model_.PrintFontSize);
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
