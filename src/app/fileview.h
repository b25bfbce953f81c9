#pragma once
// The report viewer: the text report of the last calculation, each line
// behind a margin of seven blanks, in an editable box whose text can be
// selected and copied; buttons to put the caret at the start or the end, to
// print what the box shows and to close. Edits live only while the window
// is open. Esc, F7, and the Ctrl key pressed and released on its own close
// the window. The window opens wide enough for the report's widest line and
// as high as the screen allows, or at the size the user last left it (kept
// in the settings); it can be resized and maximised, the text box growing
// with it.

#include "model/project_model.h"
#include "platform/forms/form.h"

namespace quorvel::app {

class Fileview : public platform::Form {
public:
    using CommandButton = platform::CommandButton;
    using TextBox = platform::TextBox;

    Fileview(model::ProjectModel& m, platform::Platform& p);
    ~Fileview() override;

    TextBox Text{*this, "Text", {120, 120, 11160, 6840}};
    CommandButton cmdAlkuun{*this, "cmdAlkuun", {120, 7080, 1455, 375}, "&Alkuun"};
    CommandButton cmdLoppuun{*this, "cmdLoppuun", {1680, 7080, 1455, 375}, "&Loppuun"};
    CommandButton cmdTulosta{*this, "cmdTulosta", {3240, 7080, 1455, 375}, "&Tulosta"};
    CommandButton cmdPoistu{*this, "cmdPoistu", {9825, 7080, 1455, 375}, "&Poistu"};

    void Form_Load();
    void Form_Resize();
    void Form_Unload(int& cancel);
    void Form_KeyDown(int& keyCode, int shift);
    void cmdAlkuun_Click();
    void cmdLoppuun_Click();
    void cmdTulosta_Click();
    void cmdPoistu_Click();
    void Text_KeyDown(int& keyCode, int shift);
    void Text_KeyPress(int& keyAscii);
    void Text_KeyUp(int& keyCode, int shift);

private:
    // The client size that shows the text's widest line whole and as many
    // lines as the screen holds, within the screen.
    void fitToText(const std::string& text);
    model::ProjectModel& model_;
    // The Ctrl key is down and no other key was pressed since.
    bool ctrlAlone_ = false;
};

}  // namespace quorvel::app
