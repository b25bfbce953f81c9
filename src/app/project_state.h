#pragma once
// The project-state transition that every input edit goes through: the
// input is marked changed and the results are thrown away.

#include <string>

#include "model/project_model.h"

namespace quorvel::app {

// What marking the input changed does to the main window. The main window
// implements it; tests observe the calls.
class MainWindowState {
public:
    virtual ~MainWindowState() = default;
    // Hides the two core-filling notice labels (txtOntelotaytto1, txtOntelotaytto2).
    virtual void hideCoreFillingNotices() = 0;
    // Draws the utilisation gauges empty.
    virtual void clearResultGauges() = 0;
    // The caption of the results-table button cmdTaulukko.
    virtual void setTableButtonCaption(const std::string& caption) = 0;
    // Makes the calculate menu command cmdLaske0 available.
    virtual void enableCalculateCommand() = 0;
    // Shows the project's file and whether it has unsaved changes in the
    // window's title.
    virtual void showProjectTitle() = 0;
};

// Marks the input changed: clears the saved flags, rebuilds the two window
// titles from their paths with " *", hides the core-filling notices, sets
// InputChanged = -1 and ResultsValid = 0, clears the gauges and turns the
// results-table button back into the calculate button ("Laske" in Finnish,
// "Calculate" in English; another language leaves the caption) and shows
// the change in the window's title.
void MarkInputChanged(model::ProjectModel& m, MainWindowState& window);

// The results part of MarkInputChanged, also used when a calculation fails:
// hides the core-filling notices, sets ResultsValid = 0, clears the gauges,
// puts the calculate caption back on cmdTaulukko and makes the calculate
// command available. The input flags are left alone.
void MarkResultsInvalid(model::ProjectModel& m, MainWindowState& window);

}  // namespace quorvel::app
