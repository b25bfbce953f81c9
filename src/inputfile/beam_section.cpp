#include "inputfile/beam_section.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "inputfile/beam_section_fields.h"
#include "model/field_limits.h"
#include "model/field_names.h"
#include "runtime/errors.h"
#include "runtime/messages.h"
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

// Where a section record stands: the project file's own line, or a line
// of the beam library it names (said before the field).
struct RecordPlace {
    int line;  // the project file's line
    model::FieldName where = {};
};

void reportProblem(DataLineReporting& report, const RecordPlace& record, LineProblem problem, int16_t& errorFlag);

// Whether a field of the section record is a number (whole: a whole
// number); a field that is not (or holds one beyond the double range) is
// named (place: its place on the line) and flags the record. A number
// that is not whole is named and still taken.
bool numberField(DataLineReporting& report, const RecordPlace& record, int place, const std::string& text,
                 std::string_view field, int element, const model::FieldName& name, int16_t& errorFlag,
                 bool whole = false) {
    auto found = (whole ? WholeNumberFieldProblem : NumberFieldProblem)(record.line, place, text, name.finnish,
                                                                        name.english, field, element);
    if (!found) return true;
    const runtime::Message tab = TabNote(text);
    found->finnish += tab.finnish;
    found->english += tab.english;
    reportProblem(report, record, std::move(*found), errorFlag);
    // A number that is not whole is still a number: its whole part reads
    // the record as before.
    return whole && !NumberFieldProblem(record.line, place, text, "", "");
}

// A problem of the section record, said where it stands (the beam
// library's line before it), flagging the record.
void reportProblem(DataLineReporting& report, const RecordPlace& record, LineProblem problem, int16_t& errorFlag) {
    const int line = record.line;
    problem.finnish = record.where.finnish + problem.finnish;
    problem.english = record.where.english + problem.english;
    errorFlag = 1;
    const std::string l = std::to_string(line);
    report.errorLog.write("Rivi " + l + ": " + problem.finnish);
    if (report.problems)
        report.problems->push_back(std::move(problem));
    else if (report.messages)
        report.messages->push_back({"Rivi " + l + ": " + problem.finnish, "Line " + l + ": " + problem.english});
}

// The model field of field k of the record's own numbers (the category
// and the ledge flag), and its name, for the fields before the parameters
// (position + 1: the parameter count).
std::string_view recordField(int k) { return k == 2 ? "BeamCategory" : k == 3 ? "SlabsOnLedge" : ""; }
model::FieldName recordFieldName(int k, int position) {
    if (k == 1) return {"Palkkityyppi", "Beam type"};
    if (k == 2 || k == 3) return model::fieldName(recordField(k));
    if (k == position + 1) return {"Poikkileikkauksen mittojen lkm", "Number of section dimensions"};
    if (k == 4) return {"Laattojen alapinnan taso", "Level of the slab bottoms"};
    return {"Saumavalu", "Joint grout"};
}

}  // namespace

bool namesBeamLibrary(const model::ProjectModel& m) {
    const std::string& name = m.BeamLibraryFileName;
    const std::string stem = name.size() >= 4 ? name.substr(0, name.size() - 4) : name;
    return stem != "0";
}

void ReadBeamSection(model::ProjectModel& m, DataLineReporting& report, runtime::TextFileReader& inputFile,
                     int16_t& lineCounter, int16_t& errorFlag, std::vector<std::string>* typedTexts) {
    errorFlag = 0;
    if (typedTexts) typedTexts->clear();
    // Fresh work arrays on every call: nothing of an earlier record can
    // stand in for a parameter this record does not give.
    std::vector<double> values(31, 0.0);
    std::vector<std::string> texts(31);
    const std::vector<std::string> defaults(31);
    int16_t lineFlag = 0;
    int position = 3;
    RecordPlace record{lineCounter};
    std::string lineText;  // the record's line as it stands

    try {
        if (namesBeamLibrary(m)) {
            m.CurrentFileNumber = 4;
            const std::string libraryPath = runtime::resolveFile(m.DataPath, m.BeamLibraryFileName);
            runtime::TextFileReader library(libraryPath);
            // The library as it is named on disk ("KIRJASTO.MIT" for a
            // project's "KIRJASTO.mit").
            const std::string libraryName = libraryPath.substr(libraryPath.find_last_of('/') + 1);
            int16_t libraryCounter = 0;
            const std::string wanted = upper(m.BeamTypeName);
            // The library's own short lines are the library's matter: a
            // reader that collects problems keeps them apart from the lines
            // of the project file.
            std::vector<LineProblem> libraryProblems;
            DataLineReporting libraryReport = report;
            if (report.problems) libraryReport.problems = &libraryProblems;
            do {
                lineText = library.peekLine();
                ReadDataLine(libraryReport, library, libraryCounter, 6, values, texts, defaults, lineFlag);
            } while (texts[1] != "LOPPU" && texts[1] != wanted);
            if (texts[1] == "LOPPU") {
                if (report.problems)
                    report.problems->push_back(
                        {lineCounter, "palkkikirjastossa " + libraryName + " ei ole palkkityyppiä " + wanted,
                         "the beam library " + libraryName + " has no beam type " + wanted});
                else if (report.messages)
                    report.messages->push_back({"*** Virhe: Palkkityyppi " + m.BeamTypeName + " tuntematon",
                                                "*** Error: beam type " + m.BeamTypeName + " unknown"});
                errorFlag = 1;
            } else if (lineFlag == 1 && report.problems) {
                report.problems->push_back({lineCounter,
                                            "palkkikirjaston " + libraryName + " palkkityypin " + wanted +
                                                " rivillä on liian vähän lukuja",
                                            "the line of beam type " + wanted + " in the beam library " +
                                                libraryName + " holds too few numbers"});
            }
            if (lineFlag == 1) errorFlag = 1;
            position = 5;
            const std::string n = std::to_string(libraryCounter);
            record.where = {"palkkikirjaston " + libraryName + " rivillä " + n + " ",
                            "line " + n + " of the beam library " + libraryName + ", "};
        } else {
            m.CurrentFileNumber = 1;
            lineText = inputFile.peekLine();
            ReadDataLine(report, inputFile, lineCounter, 4, values, texts, defaults, lineFlag);
            errorFlag = lineFlag;
        }
        record.line = lineCounter;
        // The record's own numbers: the category, the ledge flag (a
        // library's line then gives the slab bottom level and the joint
        // width) and the parameter count. Its structure needs the counts: a
        // text that is no number stands as 0 there, the record refused. The
        // category, the flag and the count are whole numbers: one that is
        // not is named, never cut to its whole part.
        for (int k = 2; k <= position + 1; ++k) {
            const bool whole = k <= 3 || k == position + 1;
            if (!numberField(report, record, k, texts[static_cast<std::size_t>(k)], recordField(k), 0,
                             recordFieldName(k, position), errorFlag, whole))
                values[static_cast<std::size_t>(k)] = 0;
        }
        if (typedTexts) *typedTexts = {texts[2], texts[3]};

        // A category or a flag beyond what its model field holds is named
        // with its text and the field's limits, and held as 0.
        auto held = [&](int k, double lowest, double highest) {
            const auto at = static_cast<std::size_t>(k);
            const double v = std::floor(values[at]);
            if (v >= lowest && v <= highest) return v;
            const std::string_view field = recordField(k);
            const model::FieldName name = recordFieldName(k, position);
            reportProblem(report, record,
                          OutsideLimitsProblem(record.line, TypedValue(values[at], texts[at]), name.finnish,
                                               name.english, model::describeRange(model::fieldLimit(field)->range),
                                               field),
                          errorFlag);
            return 0.0;
        };
        m.BeamCategory = held(2, INT32_MIN, INT32_MAX);
        m.SlabsOnLedge = static_cast<int16_t>(held(3, INT16_MIN, INT16_MAX));
        if (position == 5) {
            m.SlabBottomLevel(1) = values[4];
            m.SlabBottomLevel(2) = m.SlabBottomLevel(1);
            m.JointGroutWidth(1) = values[5];
            m.JointGroutWidth(2) = m.JointGroutWidth(1);
        }
        const std::optional<model::BeamFamily> family = m.Family();
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
            // A tab before the parameters joined two of the record's own
            // fields, which the parameters' short line then shows; a decimal
            // comma among them put its decimals into the count.
            const runtime::Message tab = rest.find('\t') == std::string::npos ? TabNote(lineText) : runtime::Message{};
            const auto cut = FindDecimalCommaCut(lineText, position + 2);
            if (report.problems && !report.problems->empty() && report.problems->back().line == 0) {
                report.problems->back().line = lineCounter;
                report.problems->back().finnish += tab.finnish;
                report.problems->back().english += tab.english;
                if (cut) report.problems->pop_back();
            }
            if (cut) {
                const model::FieldName name = recordFieldName(cut->place, position);
                reportProblem(report, record,
                              DecimalCommaProblem(lineCounter, *cut, name.finnish, name.english, recordField(cut->place)),
                              errorFlag);
            }
            report.errorLog.write("Virhe rivillä " + runtime::numberStr(lineCounter, NumberKind::Integer) + " ");
            errorFlag = 1;
        } else {
            // The record ends after its n dimensions: what stands after them
            // is named with the field it follows.
            const auto fields = known ? namedSectionParameterFields(m, family) : std::vector<SectionField>{};
            model::FieldName name{"Poikkileikkauksen mittojen lkm", "Number of section dimensions"};
            std::string_view field;
            int element = 0;
            if (n > 0 && static_cast<std::size_t>(n) <= fields.size()) {
                field = fields[static_cast<std::size_t>(n) - 1].name;
                element = fields[static_cast<std::size_t>(n) - 1].element;
                name = model::fieldName(field, element, family);
            } else if (n > 0) {
                name = {};
            }
            if (auto problem = LeftoverTextProblem(lineCounter, n + position + 1,
                                                   texts[static_cast<std::size_t>(n) + 1], name.finnish,
                                                   name.english, field, element)) {
                // A number written with a decimal comma left it: named
                // where it stands.
                if (auto cut = FindDecimalCommaCut(lineText, n + position + 1)) {
                    const int parameter = cut->place - position - 1;
                    field = recordField(cut->place);
                    element = 0;
                    name = recordFieldName(cut->place, position);
                    if (parameter >= 1 && static_cast<std::size_t>(parameter) <= fields.size()) {
                        field = fields[static_cast<std::size_t>(parameter) - 1].name;
                        element = fields[static_cast<std::size_t>(parameter) - 1].element;
                        name = model::fieldName(field, element, family);
                    } else if (parameter >= 1) {
                        name = {"Poikkileikkauksen mitta " + std::to_string(parameter),
                                "Section dimension " + std::to_string(parameter)};
                    }
                    problem = DecimalCommaProblem(lineCounter, *cut, name.finnish, name.english, field, element);
                }
                reportProblem(report, record, std::move(*problem), errorFlag);
            }
        }

        if (known) {
            const auto fields = namedSectionParameterFields(m, family);
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const bool given = i + 1 <= static_cast<std::size_t>(n);
                if (typedTexts) typedTexts->push_back(given ? texts[i + 1] : std::string());
                double v = given ? values[i + 1] : 0.0;
                if (given && !numberField(report, record, static_cast<int>(i) + position + 2, texts[i + 1],
                                          fields[i].name, fields[i].element,
                                          model::fieldName(fields[i].name, fields[i].element, family),
                                          errorFlag))
                    v = std::nan("");
                *fields[i].value = runtime::Value(v);
            }
            completeSectionFields(m, family);
        }
    } catch (const RunTimeError& e) {
        errorFlag = static_cast<int16_t>(e.number());
        if (report.problems) {
            if (e.number() == runtime::ErrFileNotFound && namesBeamLibrary(m))
                report.problems->push_back(
                    {lineCounter, "palkkikirjastoa " + runtime::startOfLongText(m.BeamLibraryFileName) + " ei löydy",
                     "the beam library " + runtime::startOfLongText(m.BeamLibraryFileName) + " is not found"});
            else
                report.problems->push_back(ErrorProblem(lineCounter, e.number()));
        }
    }
}

}  // namespace quorvel::inputfile
