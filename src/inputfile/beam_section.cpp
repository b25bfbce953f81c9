#include "inputfile/beam_section.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "inputfile/beam_section_fields.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quorvel::inputfile {

using runtime::NumberKind;
using runtime::RunTimeError;

namespace {

constexpr int maxSectionParameters = 29;  // what the rest of one line can carry

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

}  // namespace

bool namesBeamLibrary(const model::ProjectModel& m) {
    const std::string& name = m.BeamLibraryFileName;
    const std::string stem = name.size() >= 4 ? name.substr(0, name.size() - 4) : name;
    return stem != "0";
}

void ReadBeamSection(model::ProjectModel& m, DataLineReporting& report, runtime::TextFileReader& inputFile,
                     int16_t& lineCounter, int16_t& errorFlag) {
    errorFlag = 0;
    // Fresh work arrays on every call: nothing of an earlier record can
    // stand in for a parameter this record does not give.
    std::vector<double> values(31, 0.0);
    std::vector<std::string> texts(31);
    const std::vector<std::string> defaults(31);
    int16_t lineFlag = 0;
    int position = 3;

    try {
        if (namesBeamLibrary(m)) {
            m.CurrentFileNumber = 4;
            runtime::TextFileReader library(runtime::resolveFile(m.DataPath, m.BeamLibraryFileName));
            int16_t libraryCounter = 0;
            const std::string wanted = upper(m.BeamTypeName);
            // The library's own short lines are the library's matter: a
            // reader that collects problems keeps them apart from the lines
            // of the project file.
            std::vector<LineProblem> libraryProblems;
            DataLineReporting libraryReport = report;
            if (report.problems) libraryReport.problems = &libraryProblems;
            do {
                ReadDataLine(libraryReport, library, libraryCounter, 6, values, texts, defaults, lineFlag);
            } while (texts[1] != "LOPPU" && texts[1] != wanted);
            if (texts[1] == "LOPPU") {
                if (report.problems)
                    report.problems->push_back(
                        {lineCounter, "palkkikirjastossa " + m.BeamLibraryFileName + " ei ole palkkityyppiä " + wanted,
                         "the beam library " + m.BeamLibraryFileName + " has no beam type " + wanted});
                else if (report.messages)
                    report.messages->push_back({"*** Virhe: Palkkityyppi " + m.BeamTypeName + " tuntematon",
                                                "*** Error: beam type " + m.BeamTypeName + " unknown"});
                errorFlag = 1;
            } else if (lineFlag == 1 && report.problems) {
                report.problems->push_back({lineCounter,
                                            "palkkikirjaston " + m.BeamLibraryFileName + " palkkityypin " + wanted +
                                                " rivillä on liian vähän lukuja",
                                            "the line of beam type " + wanted + " in the beam library " +
                                                m.BeamLibraryFileName + " holds too few numbers"});
            }
            if (lineFlag == 1) errorFlag = 1;
            position = 5;
        } else {
            m.CurrentFileNumber = 1;
            ReadDataLine(report, inputFile, lineCounter, 4, values, texts, defaults, lineFlag);
            errorFlag = lineFlag;
        }

        m.BeamCategory = static_cast<double>(runtime::floorToInt32(values[2]));
        m.SlabsOnLedge = runtime::toInt16(std::floor(values[3]));
        if (position == 5) {
            m.SlabBottomLevel(1) = values[4];
            m.SlabBottomLevel(2) = m.SlabBottomLevel(1);
            m.JointGroutWidth(1) = values[5];
            m.JointGroutWidth(2) = m.JointGroutWidth(1);
        }
        const std::string family = m.BeamFamilyCode();
        const bool known = isKnownSectionFamily(family);
        if (!known) m.BeamTypeName = texts[1];

        // A parameter count the line cannot hold is a flagged line, never
        // an access beyond the work arrays.
        int n = runtime::floorToInt32(values[static_cast<std::size_t>(position) + 1]);
        if (n < 0 || n > maxSectionParameters) {
            errorFlag = 1;
            n = std::clamp(n, 0, maxSectionParameters);
        }
        m.MaterialParameterCount = static_cast<int16_t>(n);
        const std::string rest = texts[static_cast<std::size_t>(position) + 2];

        std::fill(values.begin(), values.end(), 0.0);
        int16_t groupFlag = 0;
        ParseDataFields(report, n, rest, values, texts, defaults, groupFlag);
        if (groupFlag == 1) {
            if (report.problems && !report.problems->empty() && report.problems->back().line == 0)
                report.problems->back().line = lineCounter;
            report.errorLog.write("Virhe rivillä " + runtime::numberStr(lineCounter, NumberKind::Integer) + " ");
            errorFlag = 1;
        }

        if (known) {
            const auto fields = sectionParameterFields(m, family);
            for (std::size_t i = 0; i < fields.size(); ++i)
                *fields[i] = i + 1 <= static_cast<std::size_t>(n) ? runtime::Value(values[i + 1]) : runtime::Value(0);
            completeSectionFields(m, family);
        }
    } catch (const RunTimeError& e) {
        errorFlag = static_cast<int16_t>(e.number());
        if (report.problems) {
            if (e.number() == runtime::ErrFileNotFound && namesBeamLibrary(m))
                report.problems->push_back({lineCounter, "palkkikirjastoa " + m.BeamLibraryFileName + " ei löydy",
                                            "the beam library " + m.BeamLibraryFileName + " is not found"});
            else
                report.problems->push_back(ErrorProblem(lineCounter, e.number()));
        }
    }
}

}  // namespace quorvel::inputfile
