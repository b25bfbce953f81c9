#include "inputfile/input_file_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <memory>
#include <vector>

#include "inputfile/beam_section.h"
#include "inputfile/beam_section_fields.h"
#include "inputfile/company_header.h"
#include "inputfile/data_line.h"
#include "inputfile/text_fields.h"
#include "runtime/data_files.h"
#include "model/field_limits.h"
#include "model/field_names.h"
#include "runtime/errors.h"
#include "runtime/input_items.h"
#include "runtime/number_text.h"
#include "runtime/text_file.h"

namespace quorvel::inputfile {

using model::ProjectModel;
using runtime::NumberKind;
using runtime::RunTimeError;
using runtime::Value;

double steelStrengthOf(const std::string& field) {
    // An omitted field reads as 0.
    if (field.empty()) return 0.0;
    std::size_t i = 0;
    while (i < field.size() && ((field[i] >= 'A' && field[i] <= 'Z') || (field[i] >= 'a' && field[i] <= 'z'))) ++i;
    std::string_view number = std::string_view(field).substr(i);
    // The subgrades of EN 10025-2, -3 and -4 after the yield strength.
    for (std::string_view subgrade : {"JR", "J0", "J2", "K2", "NL", "ML", "N", "M"})
        if (number.size() > subgrade.size() && number.ends_with(subgrade)) {
            number.remove_suffix(subgrade.size());
            break;
        }
    return runtime::fieldNumber(number).value_or(std::nan(""));
}

namespace {

constexpr int maxLines = 32767;

// The data file a project line names (the slab catalogue, the beam
// library): its first field with the extension ".mit", which the program
// leaves out when it writes the name, unless the name ends in it already
// ("ONTELO.MIT", in any case). A "/" ends the data of a line, so a name
// with a folder ("/dev/zero") leaves the field empty: the name is then
// taken as the line writes it, for messages to quote what the file holds.
std::string dataFileName(const std::string& field, const std::string& line) {
    std::string name = field;
    if (name.empty()) {
        const std::size_t from = line.find_first_not_of(" \t");
        if (from != std::string::npos) name = line.substr(from, line.find_first_of(" \t,", from) - from);
    }
    constexpr std::string_view extension = ".mit";
    if (name.size() > extension.size() &&
        runtime::equalIgnoringAsciiCase(std::string_view(name).substr(name.size() - extension.size()), extension))
        return name;
    return name + std::string(extension);
}

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

class Reader {
public:
    Reader(ProjectModel& m, runtime::Messages* messages, runtime::TextFileReader& file,
           std::vector<LineProblem>* problems, ReadMode mode)
        : m_(m), log_(m.ErrorLogFolder(), m.DataFiles), report_{log_, messages, problems, true}, file_(file),
          forCalculation_(mode == ReadMode::ForCalculation) {}

    // Reads every record; returns the first flagged line or 0.
    void readAll() {
        // The count names the line a file that ends too early lacks.
        counter_ = 1;
        m_.TitleLine1 = file_.readLine();
        counter_ = 2;
        m_.TitleLine2 = file_.readLine();

        const std::string catalogueLine = file_.peekLine();
        read(1);
        m_.SlabFileName = dataFileName(t(1), catalogueLine);
        if (leftover_) leftover_->end.name = {"Laattatiedosto", "Slab catalogue"};
        for (int s = 1; s <= 2; ++s) {
            read(10);
            m_.SlabTypeName(s) = upper(t(1));
            m_.BottomStrandCode(s) = t(2);
            m_.TopStrandCode(s) = t(3);
            m_.StrandInitialStress(s) = f(4, "StrandInitialStress", s);
            m_.StrandPrestressLoss(s) = f(5, "StrandPrestressLoss", s, 100) * 0.01;  // written in per cent
            m_.SlabConcreteClass(s) = f(6, "SlabConcreteClass", s);
            m_.ConcreteQualityClass(s + 3) = whole(7, "ConcreteQualityClass", s + 3);
            m_.CoreFillingLength(s) = f(8, "CoreFillingLength", s);
            m_.BeamSpacing(s, 1) = f(9, "BeamSpacing", decltype(m_.BeamSpacing)::elementNumber(s, 1));
            m_.BeamSpacing(s, 2) = f(10, "BeamSpacing", decltype(m_.BeamSpacing)::elementNumber(s, 2));
        }
        read(1);
        m_.FirstJointDistance = f(1, "FirstJointDistance", 0);
        read(5);
        m_.ToppingConcreteClass = f(1, "ToppingConcreteClass", 0);
        m_.ConcreteQualityClass(6) = whole(2, "ConcreteQualityClass", 6);
        m_.ToppingThickness = f(3, "ToppingThickness", 0);
        m_.ToppingReinforcementArea = f(4, "ToppingReinforcementArea", 0);
        m_.ToppingReinforcementStrength = f(5, "ToppingReinforcementStrength", 0);
        if (forCalculation_) {
            if (m_.ToppingReinforcementStrength < 0.001) m_.ToppingReinforcementStrength = 500;
            if (m_.ToppingThickness < 0.001) {
                m_.ToppingThickness = 0.0001;
                m_.ToppingReinforcementArea = 0;
            }
        }

        const std::string libraryLine = file_.peekLine();
        read(3, false);  // the material group follows on the line
        const int16_t materialLine = counter_;
        m_.BeamLibraryFileName = dataFileName(t(1), libraryLine);
        // The calculation knows the type names in upper case; the project
        // keeps the name as its file spells it (the window writes "Apalkki").
        m_.BeamTypeName = forCalculation_ ? upper(t(2)) : t(2);
        m_.BeamSpan = f(3, "BeamSpan", 0);
        std::string materialRest = t(4);

        readSectionRecord();
        sectionLine_ = counter_;
        // A section record that could not be read leaves the category of
        // the project before: its fields and the material group it decides
        // are not held to limits (the record's own problem says it all).
        const bool sectionRead = flags_[static_cast<std::size_t>(counter_)] == 0;
        if (sectionRead) noteSectionFields(materialLine);
        readMaterialGroup(materialRest, materialLine, sectionRead, libraryLine);
        readReinforcement();

        read(2);
        m_.JointConcreteClass = f(1, "JointConcreteClass", 0);
        m_.ConcreteQualityClass(3) = whole(2, "ConcreteQualityClass", 3);
        if (forCalculation_) {
            if (m_.JointConcreteClass < 10) m_.JointConcreteClass = 10;
            if (m_.ConcreteQualityClass(3) == 0) m_.ConcreteQualityClass(3) = 2;
        }
        if (upper(m_.BeamTypeName) == "BESUPER") {
            m_.InfillConcreteClass = m_.JointConcreteClass;
            m_.ConcreteQualityClass(2) = m_.ConcreteQualityClass(3);
        }
        read(6);
        for (int s = 1; s <= 2; ++s) {
            m_.SlabBottomGap(s) = corrected(f(s, "SlabBottomGap", s), 0.001, 0.001);
            m_.JointGroutWidth(s) = corrected(f(s + 2, "JointGroutWidth", s), 0.001, 0.001);
            // The slab checks divide by the support length: the calculation
            // takes none below 0.11 mm.
            m_.SlabSupportLength(s) = corrected(f(s + 4, "SlabSupportLength", s), 0.11, 0.11);
        }
        read(7);
        m_.PartialFactorPermanent = f(1, "PartialFactorPermanent", 0);
        m_.PartialFactorVariable = f(2, "PartialFactorVariable", 0);
        m_.AdditionalSafetyFactor = f(3, "AdditionalSafetyFactor", 0);
        if (forCalculation_ && m_.AdditionalSafetyFactor == 0) m_.AdditionalSafetyFactor = 1.2;
        m_.SlabSelfWeightFactor(1) = f(4, "SlabSelfWeightFactor", 1);
        m_.SlabSelfWeightFactor(2) = f(5, "SlabSelfWeightFactor", 2);
        m_.ConsequenceClassFactorKfi = f(6, "ConsequenceClassFactorKfi", 0);
        m_.ImposedLoadPsi1 = f(7, "ImposedLoadPsi1", 0);
        for (int s = 1; s <= 2; ++s) {
            read(3);
            // The calculation takes no slab load below 0.0011.
            m_.ToppingLoad(s) = corrected(f(1, "ToppingLoad", s), 0.0011, 0.0011);
            m_.SlabImposedLoadPermanent(s) = corrected(f(2, "SlabImposedLoadPermanent", s), 0.0011, 0.0011);
            m_.SlabImposedLoadVariable(s) = corrected(f(3, "SlabImposedLoadVariable", s), 0.0011, 0.0011);
        }
        read(2);
        m_.SlabFieldEdgeDistance1 = f(1, "SlabFieldEdgeDistance1", 0);
        m_.SlabFieldEdgeDistance2 = f(2, "SlabFieldEdgeDistance2", 0);
        readSlabLoads();
        read(4);
        m_.BeamLineLoadG1 = f(1, "BeamLineLoadG1", 0);
        m_.BeamLineLoadG2 = f(2, "BeamLineLoadG2", 0);
        m_.BeamLineLoadGX = f(3, "BeamLineLoadGX", 0);
        m_.BeamLineLoadGLength = f(4, "BeamLineLoadGLength", 0);
        read(4);
        m_.BeamLineLoadQ1 = f(1, "BeamLineLoadQ1", 0);
        m_.BeamLineLoadQ2 = f(2, "BeamLineLoadQ2", 0);
        m_.BeamLineLoadQX = f(3, "BeamLineLoadQX", 0);
        m_.BeamLineLoadQLength = f(4, "BeamLineLoadQLength", 0);
        read(1);
        m_.BeamPointLoadCount = static_cast<int16_t>(count(1, "BeamPointLoadCount", 0, 5));
        for (int p = 1; p <= m_.BeamPointLoadCount; ++p) {
            read(3);
            m_.BeamPointLoad(1, p) = f(1, "BeamPointLoad", decltype(m_.BeamPointLoad)::elementNumber(1, p));
            m_.BeamPointLoad(2, p) = f(2, "BeamPointLoad", decltype(m_.BeamPointLoad)::elementNumber(2, p));
            m_.BeamPointLoadX(p) = f(3, "BeamPointLoadX", p);
        }
        read(8);
        m_.SupportMomentStartBeforeGrouting = f(1, "SupportMomentStartBeforeGrouting", 0);
        m_.SupportMomentEndBeforeGrouting = f(2, "SupportMomentEndBeforeGrouting", 0);
        m_.SupportMomentStartBeforeTopping = f(3, "SupportMomentStartBeforeTopping", 0);
        m_.SupportMomentEndBeforeTopping = f(4, "SupportMomentEndBeforeTopping", 0);
        m_.SupportMomentStartPermanent = f(5, "SupportMomentStartPermanent", 0);
        m_.SupportMomentEndPermanent = f(6, "SupportMomentEndPermanent", 0);
        m_.SupportMomentStartVariable = f(7, "SupportMomentStartVariable", 0);
        m_.SupportMomentEndVariable = f(8, "SupportMomentEndVariable", 0);
        defaults_[1] = "0.2";
        read(1);
        m_.AllowedCrackWidth = f(1, "AllowedCrackWidth", 0);
        defaults_[1] = "1";
        read(1);
        m_.SlabTensileStrengthFactor = f(1, "SlabTensileStrengthFactor", 0);
        read(2);
        if (m_.SlabsOnLedge == 0) {
            m_.DowelsOnBeamTop = whole16(1, "DowelsOnBeamTop", 0);
            m_.DowelledConnection = 0;
            m_.BetaY = f(2, "BetaY", 0);
            m_.BetaYAsStored = m_.BetaY;
        } else {
            m_.DowelsOnBeamTop = 0;
            m_.DowelledConnection = whole16(1, "DowelledConnection", 0);
            m_.BetaY = 1;
            f(2, "BetaY", 0);  // the writer puts 1.0 there; still a factor in its range
        }
        for (int s = 1; s <= 2; ++s) {
            read(1);
            m_.HoleCount(s) = static_cast<int16_t>(count(1, "HoleCount", s, 2));
            for (int h = 1; h <= m_.HoleCount(s); ++h) {
                read(4);
                m_.HoleX(s, h) = f(1, "HoleX", decltype(m_.HoleX)::elementNumber(s, h));
                m_.HoleWidthB(s, h) = f(2, "HoleWidthB", decltype(m_.HoleWidthB)::elementNumber(s, h));
                m_.HoleY(s, h) = f(3, "HoleY", decltype(m_.HoleY)::elementNumber(s, h));
                m_.HoleLengthA(s, h) = f(4, "HoleLengthA", decltype(m_.HoleLengthA)::elementNumber(s, h));
            }
        }
        if (m_.HoleCount(1) + m_.HoleCount(2) > 0) {
            read(2);
            m_.SlabFieldEdgeDistance1 = f(1, "SlabFieldEdgeDistance1", 0);
            m_.SlabFieldEdgeDistance2 = f(2, "SlabFieldEdgeDistance2", 0);
        }
        defaults_[1] = "0";
        read(1);
        m_.LanguageIndex = whole16(1, "LanguageIndex", 0);
        // Record 39, which files written before it was added lack (also
        // when they end with blank lines): the ratio of a new project.
        if (file_.peekLine().find_first_not_of(" \t") == std::string::npos) {
            m_.ReleaseStrengthRatio = Value(0.7);
        } else {
            read(1);
            m_.ReleaseStrengthRatio = f(1, "ReleaseStrengthRatio", 0);
        }
        nameLeftover();
    }

    // Every value stored in a field against the field's limits (those the
    // windows of the project's beam family hold it to) and against the
    // field that bounds it (a prestress at most the steel's strength): a
    // value outside them flags its line, named with the field and the
    // limit. The left slab side is held to its limits only when it carries
    // slabs; otherwise only to what a single-precision field keeps.
    void checkLimits(std::vector<LineProblem>& problems, bool leftSideCarriesSlabs) {
        const std::optional<model::BeamFamily> family = m_.Family();
        // The section record's category decides how record 8 and the
        // reinforcement records read: a category outside its range explains
        // whatever else would be found.
        for (const StoredValue& v : stored_)
            if (v.field == "BeamCategory" && !model::withinFieldLimit(v.field, 0, v.value)) {
                const std::string range =
                    model::describeRange(model::fieldLimit(v.field)->range, model::fieldUnit(v.field));
                problems.push_back(OutsideLimitsProblem(v.line, typed(v), caption(v), caption(v, 1), range, "BeamCategory"));
                raiseFlag(v.line, 1);
                return;
            }
        for (const StoredValue& v : stored_) {
            // Whole numbers are the boxes' matter: the file keeps what
            // it was given (line loads of 4.2 kN/m among them).
            const model::FieldLimit* limit = model::fieldLimit(v.field, v.element);
            const bool sideInUse = !limit || !limit->slabSideOnly || leftSideCarriesSlabs;
            model::NumberRange range =
                sideInUse ? model::projectFileRange(v.field, v.element, family).value_or(model::NumberRange{})
                          : model::NumberRange{};
            // The range as the file writes the field (a loss in per cent).
            if (range.hasMinimum()) range.minimum *= v.scale;
            if (range.hasMaximum()) range.maximum *= v.scale;
            const std::string field = std::string(v.field);
            if (!range.contains(v.value) || !model::NumberRange{}.contains(v.value)) {
                const std::string limitText =
                    model::describeRange(range, v.scale == 100 ? std::string_view("%") : model::fieldUnit(v.field));
                problems.push_back(OutsideLimitsProblem(v.line, typed(v), caption(v), caption(v, 1), limitText, field,
                                                        v.element));
                raiseFlag(v.line, 1);
                continue;
            }
            if (!limit || limit->atMostField.empty() || !sideInUse) continue;
            const auto bound = std::find_if(stored_.begin(), stored_.end(), [&](const StoredValue& other) {
                return other.field == limit->atMostField && other.element == 0;
            });
            // A bound outside its own limits is named on its own line.
            if (bound == stored_.end() || !model::withinFieldLimit(bound->field, 0, bound->value)) continue;
            const double most = limit->atMostFactor * bound->value;
            if (std::fabs(v.value) <= most) continue;
            const model::FieldName words = model::boundExceededWords(*limit, v.value < 0, shown(most), family);
            problems.push_back({v.line, "kentän " + caption(v) + " arvo " + typed(v) + " " + words.finnish,
                                "the value " + typed(v) + " of " + caption(v, 1) + " " + words.english, field,
                                v.element});
            raiseFlag(v.line, 1);
        }
        if (materialLeftover_ && std::none_of(problems.begin(), problems.end(), [&](const LineProblem& p) {
                return p.field == "BeamCategory" || p.line == sectionLine_;
            })) {
            raiseFlag(materialLeftover_->line, 1);
            problems.push_back(std::move(*materialLeftover_));
        }
    }

    int16_t lineCount() const { return counter_; }

    struct StoredValue {
        std::string_view field;
        int element;
        double value;  // as the file writes it
        int line;
        double scale = 1.0;  // the file writes the field times this
        std::string text = {};  // as the file writes it; empty: as the program writes value
    };
    const std::vector<StoredValue>& stored() const { return stored_; }

private:
    // The field by its name in the language (1 English): the caption of the
    // box that edits just this element where there is one, a section field
    // by the caption of the project's beam dialog.
    std::string caption(const StoredValue& v, int language = 0) const {
        return model::fieldName(v.field, v.element, m_.Family()).text(language);
    }
    static std::string shown(double value) { return TypedValue(value, {}); }
    static std::string typed(const StoredValue& v) { return TypedValue(v.value, v.text); }

public:
    int16_t flagOf(int line) const { return flags_[static_cast<std::size_t>(line)]; }
    ErrorLog& log() { return log_; }

private:
    // Reads the next record with n fields into the work arrays, flagging
    // its line when it is short.
    // A record that is its line whole ends after its n fields (or with "/"
    // and a comment): what stands after them ("7200,5", whose comma
    // separates fields, leaves "5") is named with the field it follows,
    // never dropped. That field is named once the record has read it.
    // A number written with a decimal comma before the last field ("20,5"
    // among ten fields) leaves the last field's text over: the number is
    // named where it stands instead, when the record reads that field as a
    // number.
    void read(int n, bool wholeLine = true) {
        nameLeftover();
        const std::string line = file_.peekLine();
        ReadDataLine(report_, file_, counter_, n, values_, texts_, defaults_, nextFlag());
        if (!wholeLine || flags_[static_cast<std::size_t>(counter_)] != 0) return;
        if (!LeftoverTextProblem(counter_, n, t(n + 1), "", "")) return;
        leftover_ = Leftover{counter_, {n, t(n + 1)}};
        if (auto cut = FindDecimalCommaCut(line, n)) leftover_->cut = Leftover::Place{cut->place, cut->text};
    }
    // What the line read last holds after its last field, waiting for that
    // field's name; the field's model name when it is a number field. The
    // same for a number a decimal comma cut before it.
    struct Leftover {
        struct Place {
            int place;
            std::string text;
            model::FieldName name = {};
            std::string field = {};
            int element = 0;
        };
        int line;
        Place end;
        std::optional<Place> cut = {};
    };
    std::optional<Leftover> leftover_;
    // The text left after the material values of record 8.
    std::optional<LineProblem> materialLeftover_;
    int sectionLine_ = 0;
    // The section record's numbers as its line writes them (ReadBeamSection).
    std::vector<std::string> sectionTexts_;
    // Field k of the line read last, read as the named field.
    void noteFieldRead(int k, std::string_view field, int element) {
        if (!leftover_ || leftover_->line != counter_) return;
        for (Leftover::Place* at : {&leftover_->end, leftover_->cut ? &*leftover_->cut : nullptr})
            if (at && k + place_ == at->place) *at = {at->place, at->text, model::fieldName(field, element, m_.Family()),
                                                      std::string(field), element};
    }

public:
    // Names the text left after the last field of the line read last.
    void nameLeftover() {
        if (!leftover_) return;
        const Leftover l = *leftover_;
        leftover_.reset();
        if (l.cut && !l.cut->field.empty())
            raiseOn(l.line, DecimalCommaProblem(l.line, {l.cut->place, l.cut->text}, l.cut->name.finnish,
                                                l.cut->name.english, l.cut->field, l.cut->element));
        else if (auto problem = LeftoverTextProblem(l.line, l.end.place, l.end.text, l.end.name.finnish,
                                                    l.end.name.english, l.end.field, l.end.element))
            raiseOn(l.line, std::move(*problem));
    }

private:
    // Flags the current line with its problem, as a problem of the read or
    // a message.
    void raise(LineProblem problem) { raiseOn(counter_, std::move(problem)); }
    void raiseOn(int lineNumber, LineProblem problem) {
        raiseFlag(lineNumber, 1);
        if (report_.problems) {
            report_.problems->push_back(std::move(problem));
            return;
        }
        const std::string line = std::to_string(lineNumber);
        if (report_.messages)
            report_.messages->push_back({"Rivi " + line + ": " + problem.finnish, "Line " + line + ": " + problem.english});
        log_.write("Rivi " + line + ": " + problem.finnish);
    }
    int16_t& nextFlag() {
        if (counter_ >= maxLines) throw RunTimeError(runtime::ErrOverflow);
        return flags_[static_cast<std::size_t>(counter_) + 1];
    }
    // Field k of the line as a number. A text that is no number ("2O",
    // "480mm", "xx") is never cut to its leading digits or read as 0, nor
    // is a number beyond the double range ("1e400") stopped on: its line
    // is flagged, the field named with the text quoted, and the value
    // taken is no number either (NaN). A field the line does not give holds
    // its default, the program's own text.
    // A field of a count, a class or a flag (whole) holds a whole number:
    // one that is not ("5.5" bars, "2.5" for a class) is named in the same
    // way, never rounded or cut to its whole part.
    double number(int k, std::string_view field, int element, bool whole = false) {
        noteFieldRead(k, field, element);
        const model::FieldName name = model::fieldName(field, element, m_.Family());
        auto problem = (whole ? WholeNumberFieldProblem : NumberFieldProblem)(counter_, k + place_, t(k), name.finnish,
                                                                             name.english, field, element);
        if (!problem) return values_[static_cast<std::size_t>(k)];
        const runtime::Message tab = TabNote(t(k));
        problem->finnish += tab.finnish;
        problem->english += tab.english;
        raise(std::move(*problem));
        // A number that is not whole is still a number: its whole part
        // reads the lines a count says follow.
        const bool aNumber = whole && !NumberFieldProblem(counter_, k + place_, t(k), "", "");
        return aNumber ? values_[static_cast<std::size_t>(k)] : std::nan("");
    }
    void notANumber(int place, const std::string& text, std::string_view field, int element) {
        const model::FieldName name = model::fieldName(field, element, m_.Family());
        raise(NotANumberProblem(counter_, place, text, name.finnish, name.english, field, element));
    }
    // Field k of the line, noted with the model field it is stored in, so
    // that a value outside the field's limits is named with its line (the
    // file writes the field times scale).
    Value f(int k, std::string_view field, int element, double scale = 1.0, bool whole = false) {
        const double v = number(k, field, element, whole);
        if (!std::isnan(v)) stored_.push_back({field, element, v, counter_, scale, t(k)});
        return Value(v);
    }
    // Field k of a count, a class or a flag, noted as f notes a field. The
    // value taken from a number that is not whole (named) is its whole
    // part, so that the lines a count says follow are read as before.
    static double wholePart(double v) { return std::isfinite(v) ? std::floor(v) : v; }
    Value whole(int k, std::string_view field, int element) {
        return Value(wholePart(f(k, field, element, 1.0, true).number()));
    }
    // The same as a 16-bit number. A value no 16-bit number holds stops
    // the read with error 6, unless the limits of the field are checked
    // afterwards: it is then kept as 0 and named there.
    int16_t whole16(int k, std::string_view field, int element) {
        const double w = whole(k, field, element).number();
        if (report_.problems && !(w > -32768.5 && w < 32767.5)) return 0;
        return runtime::toInt16(w);
    }
    const std::string& t(int k) const { return texts_[static_cast<std::size_t>(k)]; }
    // What the calculation takes for a value below limit: the value read,
    // or replacement when the file is read for a calculation. A file read
    // for the user keeps what it holds.
    Value corrected(const Value& v, double limit, double replacement) const {
        return forCalculation_ && v < limit ? Value(replacement) : v;
    }

    // The section record's fields (and the category and ledge flag it
    // sets), noted on the record's line: the file's section record, or the
    // line of record 8 when the section comes from a beam library.
    void noteSectionFields(int16_t materialLine) {
        const int line = namesBeamLibrary(m_) ? materialLine : counter_;
        auto typed = [&](std::size_t i) { return i < sectionTexts_.size() ? sectionTexts_[i] : std::string(); };
        stored_.push_back({"BeamCategory", 0, m_.BeamCategory.number(), line, 1.0, typed(0)});
        stored_.push_back({"SlabsOnLedge", 0, static_cast<double>(m_.SlabsOnLedge), line, 1.0, typed(1)});
        // A parameter that is no number is named already.
        const std::vector<SectionField> fields = namedSectionParameterFields(m_, m_.Family());
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (!std::isnan(fields[i].value->number()))
                stored_.push_back({fields[i].name, fields[i].element, fields[i].value->number(), line, 1.0,
                                   typed(i + 2)});
    }

    // A count read from the file: its whole part, which must lie in
    // 0..max. A count outside that range flags the line and is held to the
    // range, so no record can reach beyond its array.
    int count(int k, std::string_view field, int element, int max) {
        const double v = number(k, field, element, true);
        if (std::isnan(v)) return 0;
        const double w = wholePart(v);
        if (w >= 0 && w <= max) return static_cast<int>(w);
        flags_[static_cast<std::size_t>(counter_)] = 1;
        if (report_.problems) {
            const model::FieldName name = model::fieldName(field, element, m_.Family());
            report_.problems->push_back(OutsideLimitsProblem(counter_, TypedValue(v, t(k)), name.finnish, name.english,
                                                             model::describeRange({0, static_cast<double>(max)})));
        }
        return w < 0 || std::isnan(w) ? 0 : max;
    }

    // Record 9. With a beam library the section comes from the library; the
    // section record that the writer also puts into the file is then passed
    // over, so that every later record is read from its own line. A fault of
    // the library (missing file, unknown type, short entry) is flagged on
    // the section record's line, or on the line of record 8 that names the
    // library when the file holds no section record.
    void readSectionRecord() {
        if (!namesBeamLibrary(m_)) {
            ReadBeamSection(m_, report_, file_, counter_, nextFlag(), &sectionTexts_);
            return;
        }
        const bool hasSectionRecord = upper(firstField(file_.peekLine())) == m_.BeamTypeName;
        if (hasSectionRecord) {
            nextFlag() = 0;
            file_.readLine();
            ++counter_;
        }
        int16_t sectionFlag = 0;
        ReadBeamSection(m_, report_, file_, counter_, sectionFlag, &sectionTexts_);
        raiseFlag(counter_, sectionFlag);
    }

    // Flags a line unless it is flagged already.
    void raiseFlag(int line, int16_t flag) {
        int16_t& current = flags_[static_cast<std::size_t>(line)];
        if (flag != 0 && current == 0) current = flag;
    }

    static std::string firstField(const std::string& line) {
        const auto start = line.find_first_not_of(' ');
        if (start == std::string::npos) return "";
        const auto end = line.find_first_of(" ,/", start);
        return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
    }

    // The material group of record 8, chosen by the category that the
    // section record has just set (lineText: the line as it stands).
    void readMaterialGroup(std::string rest, int16_t line, bool noteValues, const std::string& lineText) {
        const Value category = m_.BeamCategory;
        const bool steel = category == 1 || category == 4;
        const bool prestressed = category == 3 || category == 5;
        struct MaterialField {
            std::string_view field;
            int element;
        };
        const std::vector<MaterialField> fields =
            steel         ? std::vector<MaterialField>{{"SteelStrength", 0}, {"SteelStrength2", 0}, {"SteelStrength3", 0}}
            : prestressed ? std::vector<MaterialField>{{"SteelStrength", 0}, {"BeamConcreteClass", 0},
                                                       {"ConcreteQualityClass", 1}}
                          : std::vector<MaterialField>{{"BeamConcreteClass", 0}, {"ConcreteQualityClass", 1}};
        int16_t count = 2;
        // A steel beam's line may give one strength for all three: the
        // others then default to 355.
        const std::size_t fromFile = rest.size();
        if (steel) {
            count = 3;
            rest += " 355 355";
        } else if (prestressed) {
            count = 3;
        }
        m_.MaterialParameterCount = count;
        int16_t flag = 0;
        ParseDataFields(report_, count, rest, values_, texts_, defaults_, flag);
        // What the file's own text holds after the last material value.
        std::string leftover = texts_[static_cast<std::size_t>(count) + 1];
        leftover.resize(std::min(leftover.size(), fromFile - std::min(fromFile, rest.size() - leftover.size())));
        raiseFlag(line, flag);
        if (flag == 1 && report_.problems) {
            // The parser's own entry has no line; this one says it all.
            if (!report_.problems->empty() && report_.problems->back().line == 0) report_.problems->pop_back();
            report_.problems->push_back({line, "palkin materiaaliparametreja liian vähän: tarvitaan " +
                                                   std::to_string(count),
                                         "too few beam material values: " + std::to_string(count) + " needed"});
        } else if (flag == 1) {
            if (report_.messages)
                report_.messages->push_back(
                    {"Palkin materiaaliparametreja liian vähän", "Too few beam material values"});
            log_.write("Rivillä " + runtime::numberStr(line, NumberKind::Integer) + " " +
                       "Palkin materiaaliparametreja liian vähän; tarvittava määrä " +
                       runtime::numberStr(count, NumberKind::Integer) + " " + " kpl");
        }
        // The material values stand behind the library, type and span:
        // value k is field k + 3 of the line.
        const int16_t lineRead = counter_;
        counter_ = line;
        place_ = 3;
        auto noteAt = [&](double v, int k) {
            const MaterialField& f = fields[static_cast<std::size_t>(k) - 1];
            if (noteValues && !std::isnan(v)) stored_.push_back({f.field, f.element, v, line, 1.0, t(k)});
            return Value(v);
        };
        auto steelAt = [&](int k, std::string_view field) {
            try {
                const double v = steelStrengthOf(t(k));
                if (std::isnan(v)) notANumber(k + place_, t(k), field, 0);
                return noteAt(v, k);
            } catch (const RunTimeError& e) {
                if (e.number() != runtime::ErrOverflow) throw;
                const model::FieldName name = model::fieldName(field, 0, m_.Family());
                raise(TooLargeNumberProblem(counter_, k + place_, t(k), name.finnish, name.english, field, 0));
                return Value(std::nan(""));
            }
        };
        if (steel) {
            m_.SteelStrength = steelAt(1, "SteelStrength");
            m_.SteelStrength2 = steelAt(2, "SteelStrength2");
            m_.SteelStrength3 = steelAt(3, "SteelStrength3");
        } else if (prestressed) {
            m_.SteelStrength = steelAt(1, "SteelStrength");
            m_.BeamConcreteClass = noteAt(number(2, "BeamConcreteClass", 0), 2);
            m_.ConcreteQualityClass(1) = noteAt(number(3, "ConcreteQualityClass", 1, true), 3);
        } else {
            m_.BeamConcreteClass = noteAt(number(1, "BeamConcreteClass", 0), 1);
            m_.ConcreteQualityClass(1) = noteAt(number(2, "ConcreteQualityClass", 1, true), 2);
        }
        if (flag == 0) {
            const auto [last, element] = fields.back();
            const model::FieldName name = model::fieldName(last, element, m_.Family());
            // Said with the limits: the section record's category decides
            // how many values the line holds, and one outside its range
            // explains the text left over.
            materialLeftover_ =
                LeftoverTextProblem(line, count + place_, leftover, name.finnish, name.english, last, element);
            // A number written with a decimal comma explains it whatever
            // the category: named where it stands, at once.
            const auto cut = materialLeftover_ ? FindDecimalCommaCut(lineText, count + place_) : std::nullopt;
            if (cut) {
                materialLeftover_.reset();
                const MaterialField f = cut->place > place_ ? fields[static_cast<std::size_t>(cut->place - place_) - 1]
                                        : cut->place == 3   ? MaterialField{"BeamSpan", 0}
                                                            : MaterialField{};
                const model::FieldName cutName = !f.field.empty() ? model::fieldName(f.field, f.element, m_.Family())
                                                 : cut->place == 1 ? model::FieldName{"Palkkikirjasto", "Beam library"}
                                                                   : model::FieldName{"Palkkityyppi", "Beam type"};
                raise(DecimalCommaProblem(line, *cut, cutName.finnish, cutName.english, f.field, f.element));
            }
            if (materialLeftover_ && !report_.problems) raise(std::move(*materialLeftover_));
        }
        place_ = 0;
        counter_ = lineRead;
    }

    // Records 10 to 16 by category and family.
    void readReinforcement() {
        const Value category = m_.BeamCategory;
        const std::optional<model::BeamFamily> family = m_.Family();
        if (category != 1 && category != 4) {
            read(3);
            m_.ReinforcementModulus = f(1, "ReinforcementModulus", 0);
            m_.ReinforcementStrength = f(2, "ReinforcementStrength", 0);
            m_.ReinforcementRowCount = static_cast<int16_t>(count(3, "ReinforcementRowCount", 0, 10));
            for (int r = 1; r <= m_.ReinforcementRowCount; ++r) {
                read(4);
                m_.BarsInRow(r) = whole16(1, "BarsInRow", r);
                m_.BarArea(r) = f(2, "BarArea", r);
                m_.BarDistanceFromBottom(r) = f(3, "BarDistanceFromBottom", r);
                m_.BarPrestress(r) = corrected(f(4, "BarPrestress", r), 0.0011, 0.00001);
            }
            if (hasTopRebarRecords(family)) {
                read(3);
                m_.TopRebarModulus = f(1, "TopRebarModulus", 0);
                m_.TopRebarStrength = f(2, "TopRebarStrength", 0);
                m_.TopRebarRowCount = static_cast<int16_t>(count(3, "TopRebarRowCount", 0, 10));
                for (int r = 1; r <= m_.TopRebarRowCount; ++r) {
                    read(4);
                    m_.TopBarsInRow(r) = whole16(1, "TopBarsInRow", r);
                    m_.TopBarArea(r) = f(2, "TopBarArea", r);
                    m_.TopBarDistanceFromTop(r) = f(3, "TopBarDistanceFromTop", r);
                    if (family == model::BeamFamily::BE)
                        m_.TopBarDistanceFromBottom(r) = m_.TopBarDistanceFromTop(r);
                    else if (family == model::BeamFamily::AP && r == 1)
                        m_.TopBarDistanceFromBottom(r) =
                            m_.BottomFlangeThickness + m_.BeamHeight + m_.TopBarDistanceFromTop(1);
                    else if (family == model::BeamFamily::AP)
                        m_.TopBarDistanceFromBottom(r) =
                            m_.BottomFlangeThickness + m_.BeamHeight - m_.TopBarDistanceFromTop(r);
                    else
                        m_.TopBarDistanceFromBottom(r) = m_.OverallBeamHeight - m_.TopBarDistanceFromTop(r);
                    m_.TopBarPrestress(r) = corrected(f(4, "TopBarPrestress", r), 0.0011, 0.00001);
                }
            }
        }
        if (category == 4 || category == 5) {
            read(2);
            m_.InfillConcreteClass = f(1, "InfillConcreteClass", 0);
            m_.ConcreteQualityClass(2) = whole(2, "ConcreteQualityClass", 2);
            read(3);
            m_.SteelBeamRebarModulus = f(1, "SteelBeamRebarModulus", 0);
            m_.SteelBeamRebarStrength = f(2, "SteelBeamRebarStrength", 0);
            m_.SteelBeamRebarRowCount = static_cast<int16_t>(count(3, "SteelBeamRebarRowCount", 0, 10));
            for (int r = 1; r <= m_.SteelBeamRebarRowCount; ++r) {
                read(4);
                m_.SteelBeamBarsInRow(r) = whole16(1, "SteelBeamBarsInRow", r);
                m_.SteelBeamBarArea(r) = f(2, "SteelBeamBarArea", r);
                m_.SteelBeamBarDistance(r) = f(3, "SteelBeamBarDistance", r);
                m_.SteelBeamBarPrestress(r) = corrected(f(4, "SteelBeamBarPrestress", r), 0.001, 0.001);
            }
        }
    }

    // Records 23 to 26.
    void readSlabLoads() {
        for (int s = 1; s <= 2; ++s) {
            read(1);
            m_.SlabLineLoadCount(s) = static_cast<double>(count(1, "SlabLineLoadCount", s, 5));
            for (int i = 1; i <= static_cast<int>(m_.SlabLineLoadCount(s)); ++i) {
                read(3);
                m_.SlabLineLoadG(i, s) = f(1, "SlabLineLoadG", decltype(m_.SlabLineLoadG)::elementNumber(i, s));
                m_.SlabLineLoadQ(i, s) = f(2, "SlabLineLoadQ", decltype(m_.SlabLineLoadQ)::elementNumber(i, s));
                m_.SlabLineLoadY(i, s) = f(3, "SlabLineLoadY", decltype(m_.SlabLineLoadY)::elementNumber(i, s));
            }
        }
        for (int s = 1; s <= 2; ++s) {
            read(1);
            m_.SlabPointLoadCount(s) = static_cast<double>(count(1, "SlabPointLoadCount", s, 5));
            for (int i = 1; i <= static_cast<int>(m_.SlabPointLoadCount(s)); ++i) {
                read(4);
                m_.SlabPointLoadG(i, s) = f(1, "SlabPointLoadG", decltype(m_.SlabPointLoadG)::elementNumber(i, s));
                m_.SlabPointLoadQ(i, s) = f(2, "SlabPointLoadQ", decltype(m_.SlabPointLoadQ)::elementNumber(i, s));
                m_.SlabPointLoadX(i, s) = f(3, "SlabPointLoadX", decltype(m_.SlabPointLoadX)::elementNumber(i, s));
                m_.SlabPointLoadY(i, s) = f(4, "SlabPointLoadY", decltype(m_.SlabPointLoadY)::elementNumber(i, s));
            }
        }
    }

    ProjectModel& m_;
    ErrorLog log_;
    DataLineReporting report_;
    runtime::TextFileReader& file_;
    const bool forCalculation_;
    int16_t counter_ = 0;
    // Work arrays of this read only: no default or value of an earlier read
    // carries over.
    std::vector<double> values_ = std::vector<double>(21, 0.0);
    std::vector<std::string> texts_ = std::vector<std::string>(21);
    std::vector<std::string> defaults_ = std::vector<std::string>(21);
    std::vector<int16_t> flags_ = std::vector<int16_t>(maxLines + 2, 0);

    std::vector<StoredValue> stored_;
    // Where field 1 of the fields read stands on its line, less one (the
    // material values stand behind three fields of their line).
    int place_ = 0;
};

// Reads fileName into m. With problems set, every problem met goes to that
// list, the one that stopped the read last; otherwise what the user is told
// goes to messages.
// The file's lines: those of the named file, or of the bytes given for it.
// A UTF-8 byte-order mark at the start marks the text after it as UTF-8
// (an editor saved the file so): the mark is no part of the title, and the
// text is taken as the characters it holds, in the file's own encoding.
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

runtime::TextFileReader linesAfterMark(std::string_view bytes) {
    return runtime::TextFileReader::fromBytes(runtime::utf8ToCp1252(bytes.substr(Utf8Mark.size())));
}

struct InputSource {
    const std::string* fileName = nullptr;
    std::string_view bytes;
    runtime::TextFileReader open() const {
        if (!fileName) return bytes.starts_with(Utf8Mark) ? linesAfterMark(bytes) : runtime::TextFileReader::fromBytes(bytes);
        if (runtime::readRegularFilePrefix(*fileName, Utf8Mark.size()).starts_with(Utf8Mark))
            return linesAfterMark(runtime::readRegularFile(*fileName));
        return runtime::TextFileReader(*fileName);
    }
};

int16_t readInputFile(ProjectModel& m, runtime::Messages* messages, const InputSource& source,
                      int16_t& firstErrorLine, std::vector<LineProblem>* problems, ReadMode mode,
                      bool leftSideCarriesSlabs = false) {
    std::unique_ptr<Reader> reader;
    try {
        runtime::TextFileReader file = source.open();
        m.CompanyName = ReadCompanyName(m.DataPath, m.DataFiles);
        reader = std::make_unique<Reader>(m, messages, file, problems, mode);
        reader->readAll();
        if (problems) reader->checkLimits(*problems, leftSideCarriesSlabs);

        std::string list;
        std::string englishList;
        firstErrorLine = 0;
        for (int i = 1; i <= reader->lineCount(); ++i) {
            if (reader->flagOf(i) == 0) continue;
            list += "Lähtötietovirhe rivillä " + runtime::numberStr(i, NumberKind::Integer) + "\r\n";
            englishList += "Input data error on line " + std::to_string(i) + "\r\n";
            if (firstErrorLine == 0) firstErrorLine = static_cast<int16_t>(i);
        }
        if (list.empty()) return 0;
        if (messages)
            messages->push_back(
                {"Lähtötietovirheitä:\n" + list + "Virheilmoitukset tiedostossa " + ErrorLog::fileName,
                 "Input data errors:\n" + englishList + "The error messages are in the file " + ErrorLog::fileName});
        reader->log().write(list);
        return -1;
    } catch (const RunTimeError& e) {
        if (problems) problems->push_back(ErrorProblem(reader ? reader->lineCount() : 0, e.number()));
        return static_cast<int16_t>(e.number());
    }
}

// The first byte of the file that no text file holds (a control character
// other than tab, line ends and the end-of-file mark), as the problem of its
// line; nothing for a text file.
template <typename NextByte>
std::optional<LineProblem> firstBinaryByte(NextByte nextByte) {
    int line = 1;
    char previous = 0;
    for (char c; nextByte(c); previous = c) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n' && previous != '\r') ++line;
        if (c == '\r') ++line;
        if (byte < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\x1a')
            return LineProblem{line, "tiedostossa on binääritietoa eikä tekstiä: se ei ole lähtötietotiedosto",
                               "the file holds binary data, not text: it is not an input data file"};
    }
    return std::nullopt;
}

std::optional<LineProblem> binaryContent(std::string_view bytes);

// A file that cannot be read is left to the reader, which reports it; one
// larger than any text file the program reads is no project.
std::optional<LineProblem> binaryContent(const std::string& fileName) {
    try {
        const std::string bytes = runtime::readRegularFilePrefix(fileName, runtime::LargestTextFile);
        if (bytes.size() > runtime::LargestTextFile)
            return LineProblem{0, "tiedosto on liian suuri lähtötiedoiksi (yli 1 Mt)",
                               "the file is too large for input data (over 1 MB)"};
        return binaryContent(std::string_view(bytes));
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

std::optional<LineProblem> binaryContent(std::string_view bytes) {
    std::size_t next = 0;
    return firstBinaryByte([&](char& c) {
        if (next >= bytes.size()) return false;
        c = bytes[next++];
        return true;
    });
}

// ReadProjectFile of a source.
std::optional<LineProblem> readProject(ProjectModel& m, const InputSource& source, bool leftSideCarriesSlabs) {
    if (auto binary = source.fileName ? binaryContent(*source.fileName) : binaryContent(source.bytes)) return binary;
    std::vector<LineProblem> problems;
    int16_t firstErrorLine = 0;
    const std::string loadedCatalogue = m.SlabFileName;
    const int16_t e = readInputFile(m, nullptr, source, firstErrorLine, &problems, ReadMode::AsEntered, leftSideCarriesSlabs);
    // The strand designations and the strands' initial stress of a file
    // read through, held to the slab catalogue loaded in m when the file names that one (another one is
    // loaded, and held to, by the caller).
    if (e <= 0 && runtime::equalIgnoringAsciiCase(loadedCatalogue, m.SlabFileName))
        if (auto strands = findStrandProblem(m, leftSideCarriesSlabs)) {
            if (e == 0) return strands;
            problems.push_back(*strands);
        }
    if (e == 0) return std::nullopt;
    // The earliest problem explains the rest: a count held to its range or
    // a short line puts every later record on the wrong line, up to an
    // error that stops the read.
    if (e < 0 && std::none_of(problems.begin(), problems.end(),
                              [&](const LineProblem& p) { return p.line == firstErrorLine; }))
        problems.push_back({firstErrorLine, "rivin tiedot ovat virheelliset", "the data of the line is wrong"});
    // The section record's category decides how the material line before
    // it reads: a category refused explains what that line lacks, and
    // stands before it.
    auto order = [](const LineProblem& p) {
        const int line = p.line > 0 ? p.line : INT32_MAX;
        return p.field == "BeamCategory" && p.line > 0 ? std::pair{line - 1, 0} : std::pair{line, 1};
    };
    return *std::min_element(problems.begin(), problems.end(),
                             [&](const LineProblem& a, const LineProblem& b) { return order(a) < order(b); });
}

}  // namespace

std::optional<LineProblem> FirstUnheldCharacter(const std::string& fileName) {
    try {
        if (!runtime::readRegularFilePrefix(fileName, Utf8Mark.size()).starts_with(Utf8Mark)) return std::nullopt;
        const std::vector<std::string> lines =
            runtime::splitLines(std::string_view(runtime::readRegularFile(fileName)).substr(Utf8Mark.size()));
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (const auto unheld = runtime::firstUnheldCharacter(lines[i]))
                return LineProblem{static_cast<int>(i + 1),
                                   "merkki \"" + unheld->character +
                                       "\" ei mahdu lähtötietoihin (Windows-1252), ja se luetaan merkkinä \"?\"",
                                   "the character \"" + unheld->character +
                                       "\" does not fit the input data (Windows-1252) and is read as \"?\""};
    } catch (const RunTimeError&) {
    }
    return std::nullopt;
}

int16_t ReadInputDataFile(ProjectModel& m, runtime::Messages& messages, const std::string& fileName,
                          int16_t& firstErrorLine, ReadMode mode) {
    return readInputFile(m, &messages, InputSource{&fileName, {}}, firstErrorLine, nullptr, mode);
}

int16_t ReadInputDataBytes(ProjectModel& m, runtime::Messages& messages, std::string_view bytes,
                           int16_t& firstErrorLine, ReadMode mode) {
    return readInputFile(m, &messages, InputSource{nullptr, bytes}, firstErrorLine, nullptr, mode);
}

std::optional<LineProblem> ReadProjectFile(ProjectModel& m, const std::string& fileName, bool leftSideCarriesSlabs) {
    return readProject(m, InputSource{&fileName, {}}, leftSideCarriesSlabs);
}

std::optional<LineProblem> ReadProjectBytes(ProjectModel& m, std::string_view bytes, bool leftSideCarriesSlabs) {
    return readProject(m, InputSource{nullptr, bytes}, leftSideCarriesSlabs);
}

}  // namespace quorvel::inputfile
