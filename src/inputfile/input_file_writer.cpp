#include "inputfile/input_file_writer.h"

#include <cmath>

#include "inputfile/beam_section_fields.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"
#include "runtime/text_file.h"

namespace quorvel::inputfile {

using model::ProjectModel;
using runtime::NumberKind;
using runtime::RunTimeError;
using runtime::Value;

RecordLine& RecordLine::text(const std::string& s) {
    line_ += s.empty() ? std::string(",,") : s;
    return *this;
}

RecordLine& RecordLine::number(const Value& v) {
    const std::string t = runtime::numberStr(v);
    if (t.front() == '-' && !line_.empty() && line_.back() != ' ') line_ += ' ';
    line_ += t;
    return *this;
}

RecordLine& RecordLine::number(int v) { return number(Value(v)); }

RecordLine& RecordLine::gap() {
    line_ += ' ';
    return *this;
}

RecordLine& RecordLine::raw(const std::string& s) {
    line_ += s;
    return *this;
}

namespace {

// A file name without its extension (the last four characters); a name
// shorter than that cannot be written (invalid argument).
std::string withoutExtension(const std::string& name) {
    if (name.size() < 4) throw RunTimeError(runtime::ErrInvalidCall);
    return name.substr(0, name.size() - 4);
}

// A count used as a loop bound: its whole part.
int wholeCount(double count) { return runtime::floorToInt32(count); }

// value * factor in the precision of value (a single stays single).
Value scaled(const Value& v, double factor) {
    switch (v.kind()) {
    case NumberKind::Single: return Value(static_cast<float>(static_cast<float>(v.number()) * static_cast<float>(factor)));
    case NumberKind::Double: return Value(v.number() * factor);
    default: {
        const double r = v.number() * factor;
        if (r == std::trunc(r) && std::fabs(r) < 2147483648.0) return Value(static_cast<int32_t>(r));
        return Value(r);
    }
    }
}

bool categoryIs(const Value& c, std::initializer_list<int> values) {
    for (int v : values)
        if (c.number() == v) return true;
    return false;
}

class Writer {
public:
    // The file's bytes (Windows-1252, CR LF line ends) go to out.
    Writer(ProjectModel& m, std::string& out) : m_(m), out_(out) {}

    void writeAll() {
        const std::optional<model::BeamFamily> family = m_.Family();
        if (m_.SlabFileName.empty()) m_.SlabFileName = "ONTELO.mit";
        if (m_.BeamLibraryFileName.empty()) m_.BeamLibraryFileName = "0.mit";

        put(RecordLine().raw(m_.TitleLine1));
        put(RecordLine().raw(m_.TitleLine2));
        put(RecordLine().text(withoutExtension(m_.SlabFileName)));
        for (int s = 1; s <= 2; ++s) {
            put(RecordLine()
                    .text(m_.SlabTypeName(s)).gap()
                    .text(m_.BottomStrandCode(s)).gap()
                    .text(m_.TopStrandCode(s)).gap()
                    .number(m_.StrandInitialStress(s))
                    .number(scaled(m_.StrandPrestressLoss(s), 100))
                    .number(m_.SlabConcreteClass(s))
                    .number(m_.ConcreteQualityClass(s + 3)).gap()
                    .number(m_.CoreFillingLength(s))
                    .number(m_.BeamSpacing(s, 1))
                    .number(m_.BeamSpacing(s, 2)));
        }
        put(RecordLine().number(m_.FirstJointDistance));
        put(RecordLine()
                .number(m_.ToppingConcreteClass).gap()
                .number(m_.ConcreteQualityClass(6)).gap()
                .number(m_.ToppingThickness).gap()
                .number(m_.ToppingReinforcementArea).gap()
                .number(m_.ToppingReinforcementStrength));

        writeBeamRecords(family);

        put(RecordLine().number(m_.JointConcreteClass).number(m_.ConcreteQualityClass(3)));
        put(RecordLine()
                .number(m_.SlabBottomGap(1)).number(m_.SlabBottomGap(2))
                .number(m_.JointGroutWidth(1)).number(m_.JointGroutWidth(2))
                .number(m_.SlabSupportLength(1)).number(m_.SlabSupportLength(2)));
        put(RecordLine()
                .number(m_.PartialFactorPermanent).number(m_.PartialFactorVariable)
                .number(m_.AdditionalSafetyFactor).number(m_.SlabSelfWeightFactor(1))
                .number(m_.SlabSelfWeightFactor(2)).number(m_.ConsequenceClassFactorKfi)
                .number(m_.ImposedLoadPsi1));
        for (int s = 1; s <= 2; ++s)
            put(RecordLine()
                    .number(m_.ToppingLoad(s))
                    .number(m_.SlabImposedLoadPermanent(s))
                    .number(m_.SlabImposedLoadVariable(s)));
        put(RecordLine().number(m_.SlabFieldEdgeDistance1).gap().number(m_.SlabFieldEdgeDistance2));
        writeSlabLoads();
        put(RecordLine()
                .number(m_.BeamLineLoadG1).gap()
                .number(m_.BeamLineLoadG2).number(m_.BeamLineLoadGX).number(m_.BeamLineLoadGLength));
        put(RecordLine()
                .number(m_.BeamLineLoadQ1).gap()
                .number(m_.BeamLineLoadQ2).number(m_.BeamLineLoadQX).number(m_.BeamLineLoadQLength));
        put(RecordLine().number(m_.BeamPointLoadCount));
        for (int p = 1; p <= m_.BeamPointLoadCount; ++p)
            put(RecordLine()
                    .number(m_.BeamPointLoad(1, p)).gap()
                    .number(m_.BeamPointLoad(2, p))
                    .number(m_.BeamPointLoadX(p)));
        put(RecordLine()
                .number(m_.SupportMomentStartBeforeGrouting).gap()
                .number(m_.SupportMomentEndBeforeGrouting).gap()
                .number(m_.SupportMomentStartBeforeTopping).gap()
                .number(m_.SupportMomentEndBeforeTopping).gap()
                .number(m_.SupportMomentStartPermanent).gap()
                .number(m_.SupportMomentEndPermanent).gap()
                .number(m_.SupportMomentStartVariable).gap()
                .number(m_.SupportMomentEndVariable));
        put(RecordLine().number(m_.AllowedCrackWidth));
        put(RecordLine().number(m_.SlabTensileStrengthFactor));
        if (m_.SlabsOnLedge != 0)
            put(RecordLine().number(m_.DowelledConnection).raw(" 1.0"));
        else
            put(RecordLine().number(m_.DowelsOnBeamTop).number(m_.BetaYAsStored));
        for (int s = 1; s <= 2; ++s) {
            put(RecordLine().number(m_.HoleCount(s)));
            for (int h = 1; h <= m_.HoleCount(s); ++h)
                put(RecordLine()
                        .number(m_.HoleX(s, h)).number(m_.HoleWidthB(s, h))
                        .number(m_.HoleY(s, h)).number(m_.HoleLengthA(s, h)));
        }
        if (m_.HoleCount(1) + m_.HoleCount(2) > 0)
            put(RecordLine().number(m_.SlabFieldEdgeDistance1).number(m_.SlabFieldEdgeDistance2));
        put(RecordLine().number(m_.LanguageIndex));
        // Record 39, behind the records every earlier file holds: a reader
        // of those files stops before it, and a file without it reads 0.7.
        put(RecordLine().number(m_.ReleaseStrengthRatio));
    }

private:
    void put(const RecordLine& line) {
        out_ += runtime::utf8ToCp1252(line.str());
        out_ += "\r\n";
    }

    // Records 8 to 16: library, type and span with the material group, the
    // section record, and the reinforcement groups of the category.
    void writeBeamRecords(std::optional<model::BeamFamily> family) {
        const Value category = m_.BeamCategory;
        if (categoryIs(category, {1, 4}) && family != model::BeamFamily::CW) {
            m_.SteelStrength2 = m_.SteelStrength;
            m_.SteelStrength3 = m_.SteelStrength;
        }
        RecordLine r8;
        r8.text(withoutExtension(m_.BeamLibraryFileName)).gap().text(m_.BeamTypeName).gap().number(m_.BeamSpan);
        if (categoryIs(category, {1, 4}))
            r8.number(m_.SteelStrength).gap().number(m_.SteelStrength2).gap().number(m_.SteelStrength3);
        else if (categoryIs(category, {3, 5}))
            r8.number(m_.SteelStrength).number(m_.BeamConcreteClass).number(m_.ConcreteQualityClass(1));
        else
            r8.number(m_.BeamConcreteClass).gap().number(m_.ConcreteQualityClass(1));
        if (categoryIs(category, {3, 5})) {
            m_.SteelStrength2 = m_.SteelStrength;
            m_.SteelStrength3 = m_.SteelStrength;
        }
        put(r8);

        // The section record. A family the file does not know is written
        // without parameters rather than with values left from elsewhere.
        if (family == model::BeamFamily::BI) m_.OverallBeamHeight = m_.BeamHeight;
        const auto fields = sectionParameterFields(m_, family);
        if (isKnownSectionFamily(family)) m_.MaterialParameterCount = static_cast<int16_t>(fields.size());
        RecordLine r9;
        r9.text(m_.BeamTypeName).number(category).number(m_.SlabsOnLedge).number(static_cast<int>(fields.size()));
        for (const Value* field : fields) r9.number(*field);
        put(r9);

        if (!categoryIs(category, {1, 4})) {
            put(RecordLine()
                    .number(m_.ReinforcementModulus).gap()
                    .number(m_.ReinforcementStrength)
                    .number(m_.ReinforcementRowCount));
            for (int r = 1; r <= m_.ReinforcementRowCount; ++r)
                put(RecordLine()
                        .number(m_.BarsInRow(r)).number(m_.BarArea(r))
                        .number(m_.BarDistanceFromBottom(r)).number(m_.BarPrestress(r)));
            if (hasTopRebarRecords(family)) {
                put(RecordLine()
                        .number(m_.TopRebarModulus).gap()
                        .number(m_.TopRebarStrength)
                        .number(m_.TopRebarRowCount));
                for (int r = 1; r <= m_.TopRebarRowCount; ++r)
                    put(RecordLine()
                            .number(m_.TopBarsInRow(r)).number(m_.TopBarArea(r))
                            .number(m_.TopBarDistanceFromTop(r)).number(m_.TopBarPrestress(r)));
            }
        }
        if (categoryIs(category, {4, 5})) {
            put(RecordLine().number(m_.InfillConcreteClass).gap().number(m_.ConcreteQualityClass(2)));
            put(RecordLine()
                    .number(m_.SteelBeamRebarModulus).gap()
                    .number(m_.SteelBeamRebarStrength)
                    .number(m_.SteelBeamRebarRowCount));
            for (int r = 1; r <= m_.SteelBeamRebarRowCount; ++r)
                put(RecordLine()
                        .number(m_.SteelBeamBarsInRow(r)).number(m_.SteelBeamBarArea(r))
                        .number(m_.SteelBeamBarDistance(r)).number(m_.SteelBeamBarPrestress(r)));
        }
    }

    // Records 23 to 26: the line loads of the left and then the right slab
    // field, then the point loads of both.
    void writeSlabLoads() {
        for (int s = 1; s <= 2; ++s) {
            put(RecordLine().number(m_.SlabLineLoadCount(s)));
            for (int i = 1; i <= wholeCount(m_.SlabLineLoadCount(s)); ++i)
                put(RecordLine()
                        .number(m_.SlabLineLoadG(i, s)).gap()
                        .number(m_.SlabLineLoadQ(i, s)).gap()
                        .number(m_.SlabLineLoadY(i, s)));
        }
        for (int s = 1; s <= 2; ++s) {
            put(RecordLine().number(m_.SlabPointLoadCount(s)));
            for (int i = 1; i <= wholeCount(m_.SlabPointLoadCount(s)); ++i)
                put(RecordLine()
                        .number(m_.SlabPointLoadG(i, s)).gap()
                        .number(m_.SlabPointLoadQ(i, s)).gap()
                        .number(m_.SlabPointLoadX(i, s)).gap()
                        .number(m_.SlabPointLoadY(i, s)));
        }
    }

    ProjectModel& m_;
    std::string& out_;
};

}  // namespace

namespace {

// Opens fileName, builds the file's bytes and writes them; gives them back.
std::string writeFile(ProjectModel& m, const std::string& fileName, runtime::TextFileWriter::Mode mode,
                      runtime::SaveCheck* check = nullptr) {
    runtime::TextFileWriter out(fileName, mode, check);
    std::string bytes;
    Writer(m, bytes).writeAll();
    out.bytes(bytes);
    out.close();
    return bytes;
}

}  // namespace

int16_t WriteInputDataFile(ProjectModel& m, const std::string& fileName, runtime::SaveCheck* check) {
    try {
        writeFile(m, fileName, runtime::TextFileWriter::Mode::Replace, check);
        return 0;
    } catch (const RunTimeError& e) {
        return static_cast<int16_t>(e.number());
    }
}

int16_t WriteWorkDataFile(ProjectModel& m, const std::string& fileName, std::string& bytes) {
    try {
        bytes = writeFile(m, fileName, runtime::TextFileWriter::Mode::Output);
        return 0;
    } catch (const RunTimeError& e) {
        return static_cast<int16_t>(e.number());
    }
}

std::string InputDataFileBytes(ProjectModel& m) {
    std::string bytes;
    Writer(m, bytes).writeAll();
    return bytes;
}

}  // namespace quorvel::inputfile
