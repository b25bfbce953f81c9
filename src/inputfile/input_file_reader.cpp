#include "inputfile/input_file_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "inputfile/beam_section.h"
#include "inputfile/data_line.h"
#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/input_items.h"
#include "runtime/number_text.h"
#include "runtime/text_file.h"

namespace quorvel::inputfile {

using model::ProjectModel;
using runtime::NumberKind;
using runtime::RunTimeError;
using runtime::Value;

std::string ReadCompanyName(const std::string& dataPath) {
    // Read again only from another version of the file.
    static runtime::ParsedFileCache<std::string> names;
    const runtime::DataFile header = runtime::findDataFile(dataPath, "firma.da0");
    if (header.version)
        if (std::optional<std::string> kept = names.find(*header.version, {})) return *kept;
    runtime::TextFileReader file(header.path);
    runtime::InputItemReader items(file);
    const std::string name = items.readItem();
    if (header.version) names.keep(*header.version, {}, name);
    return name;
}

double steelStrengthOf(const std::string& field) {
    std::size_t i = 0;
    while (i < field.size() && !(field[i] >= '0' && field[i] <= '9') && field[i] != '.' && field[i] != '-' &&
           field[i] != '+')
        ++i;
    return runtime::scanNumber(field.substr(i));
}

namespace {

constexpr int maxLines = 32767;

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

class Reader {
public:
    Reader(ProjectModel& m, platform::Platform& ui, runtime::TextFileReader& file)
        : m_(m), ui_(ui), log_(m.WorkFolder()), report_{ui, log_}, file_(file) {}

    // Reads every record; returns the first flagged line or 0.
    void readAll() {
        m_.TitleLine1 = file_.readLine();
        m_.TitleLine2 = file_.readLine();
        counter_ = 2;

        read(1);
        m_.SlabFileName = t(1) + ".mit";
        for (int s = 1; s <= 2; ++s) {
            read(10);
            m_.SlabTypeName(s) = upper(t(1));
            m_.BottomStrandCode(s) = t(2);
            m_.TopStrandCode(s) = t(3);
            m_.StrandInitialStress(s) = x(4);
            m_.StrandPrestressLoss(s) = x(5) * 0.01;
            m_.SlabConcreteClass(s) = x(6);
            m_.ConcreteQualityClass(s + 3) = x(7);
            m_.CoreFillingLength(s) = x(8);
            m_.BeamSpacing(s, 1) = x(9);
            m_.BeamSpacing(s, 2) = x(10);
        }
        read(1);
        m_.FirstJointDistance = x(1);
        read(5);
        m_.ToppingConcreteClass = x(1);
        m_.ConcreteQualityClass(6) = x(2);
        m_.ToppingThickness = x(3);
        m_.ToppingReinforcementArea = x(4);
        m_.ToppingReinforcementStrength = x(5);
        if (m_.ToppingReinforcementStrength < 0.001) m_.ToppingReinforcementStrength = 500;
        if (m_.ToppingThickness < 0.001) {
            m_.ToppingThickness = 0.0001;
            m_.ToppingReinforcementArea = 0;
        }

        read(3);
        const int16_t materialLine = counter_;
        m_.BeamLibraryFileName = t(1) + ".mit";
        m_.BeamTypeName = upper(t(2));
        m_.BeamSpan = x(3);
        std::string materialRest = t(4);

        readSectionRecord();
        readMaterialGroup(materialRest, materialLine);
        readReinforcement();

        read(2);
        m_.JointConcreteClass = x(1);
        if (m_.JointConcreteClass < 10) m_.JointConcreteClass = 10;
        m_.ConcreteQualityClass(3) = whole(x(2));
        if (m_.ConcreteQualityClass(3) == 0) m_.ConcreteQualityClass(3) = 2;
        if (m_.BeamTypeName == "BESUPER") {
            m_.InfillConcreteClass = m_.JointConcreteClass;
            m_.ConcreteQualityClass(2) = m_.ConcreteQualityClass(3);
        }
        read(6);
        for (int s = 1; s <= 2; ++s) {
            m_.SlabBottomGap(s) = atLeast(x(s), 0.001, 0.001);
            m_.JointGroutWidth(s) = atLeast(x(s + 2), 0.001, 0.001);
            m_.SlabSupportLength(s) = x(s + 4);
        }
        read(7);
        m_.PartialFactorPermanent = x(1);
        m_.PartialFactorVariable = x(2);
        m_.AdditionalSafetyFactor = x(3) == 0 ? Value(1.2) : x(3);
        m_.SlabSelfWeightFactor(1) = x(4);
        m_.SlabSelfWeightFactor(2) = x(5);
        m_.ConsequenceClassFactorKfi = x(6);
        m_.ImposedLoadPsi1 = x(7);
        for (int s = 1; s <= 2; ++s) {
            read(3);
            m_.ToppingLoad(s) = std::max(x(1).number(), 0.0011);
            m_.SlabImposedLoadPermanent(s) = std::max(x(2).number(), 0.0011);
            m_.SlabImposedLoadVariable(s) = std::max(x(3).number(), 0.0011);
        }
        read(2);
        m_.SlabFieldEdgeDistance1 = x(1);
        m_.SlabFieldEdgeDistance2 = x(2);
        readSlabLoads();
        read(4);
        m_.BeamLineLoadG1 = x(1);
        m_.BeamLineLoadG2 = x(2);
        m_.BeamLineLoadGX = x(3);
        m_.BeamLineLoadGLength = x(4);
        read(4);
        m_.BeamLineLoadQ1 = x(1);
        m_.BeamLineLoadQ2 = x(2);
        m_.BeamLineLoadQX = x(3);
        m_.BeamLineLoadQLength = x(4);
        read(1);
        m_.BeamPointLoadCount = static_cast<int16_t>(count(x(1), 5));
        for (int p = 1; p <= m_.BeamPointLoadCount; ++p) {
            read(3);
            m_.BeamPointLoad(1, p) = x(1);
            m_.BeamPointLoad(2, p) = x(2);
            m_.BeamPointLoadX(p) = x(3);
        }
        read(8);
        m_.SupportMomentStartBeforeGrouting = x(1);
        m_.SupportMomentEndBeforeGrouting = x(2);
        m_.SupportMomentStartBeforeTopping = x(3);
        m_.SupportMomentEndBeforeTopping = x(4);
        m_.SupportMomentStartPermanent = x(5);
        m_.SupportMomentEndPermanent = x(6);
        m_.SupportMomentStartVariable = x(7);
        m_.SupportMomentEndVariable = x(8);
        defaults_[1] = "0.2";
        read(1);
        m_.AllowedCrackWidth = x(1);
        defaults_[1] = "1";
        read(1);
        m_.SlabTensileStrengthFactor = x(1);
        read(2);
        if (m_.SlabsOnLedge == 0) {
            m_.DowelsOnBeamTop = runtime::toInt16(std::floor(x(1).number()));
            m_.DowelledConnection = 0;
            m_.BetaY = x(2);
        } else {
            m_.DowelsOnBeamTop = 0;
            m_.DowelledConnection = runtime::toInt16(std::floor(x(1).number()));
            m_.BetaY = 1;
        }
        for (int s = 1; s <= 2; ++s) {
            read(1);
            m_.HoleCount(s) = static_cast<int16_t>(count(x(1), 2));
            for (int h = 1; h <= m_.HoleCount(s); ++h) {
                read(4);
                m_.HoleX(s, h) = x(1);
                m_.HoleWidthB(s, h) = x(2);
                m_.HoleY(s, h) = x(3);
                m_.HoleLengthA(s, h) = x(4);
            }
        }
        if (m_.HoleCount(1) + m_.HoleCount(2) > 0) {
            read(2);
            m_.SlabFieldEdgeDistance1 = x(1);
            m_.SlabFieldEdgeDistance2 = x(2);
        }
        defaults_[1] = "0";
        read(1);
        m_.LanguageIndex = runtime::toInt16(std::floor(x(1).number()));
    }

    int16_t lineCount() const { return counter_; }
    int16_t flagOf(int line) const { return flags_[static_cast<std::size_t>(line)]; }
    ErrorLog& log() { return log_; }

private:
    // Reads the next record with n fields into the work arrays, flagging
    // its line when it is short.
    void read(int n) {
        ReadDataLine(report_, file_, counter_, n, values_, texts_, defaults_, nextFlag());
    }
    int16_t& nextFlag() {
        if (counter_ >= maxLines) throw RunTimeError(runtime::ErrOverflow);
        return flags_[static_cast<std::size_t>(counter_) + 1];
    }
    Value x(int k) const { return Value(values_[static_cast<std::size_t>(k)]); }
    const std::string& t(int k) const { return texts_[static_cast<std::size_t>(k)]; }
    static Value whole(const Value& v) { return Value(std::floor(v.number())); }
    static Value atLeast(const Value& v, double limit, double replacement) {
        return v < limit ? Value(replacement) : v;
    }

    // A count read from the file: its whole part, which must lie in
    // 0..max. A count outside that range flags the line and is held to the
    // range, so no record can reach beyond its array.
    int count(const Value& v, int max) {
        const double w = std::floor(v.number());
        if (w >= 0 && w <= max) return static_cast<int>(w);
        flags_[static_cast<std::size_t>(counter_)] = 1;
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
            ReadBeamSection(m_, report_, file_, counter_, nextFlag());
            return;
        }
        const bool hasSectionRecord = upper(firstField(file_.peekLine())) == m_.BeamTypeName;
        if (hasSectionRecord) {
            nextFlag() = 0;
            file_.readLine();
            ++counter_;
        }
        int16_t sectionFlag = 0;
        ReadBeamSection(m_, report_, file_, counter_, sectionFlag);
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
    // section record has just set.
    void readMaterialGroup(std::string rest, int16_t line) {
        const Value category = m_.BeamCategory;
        const bool steel = category == 1 || category == 4;
        const bool prestressed = category == 3 || category == 5;
        int16_t count = 2;
        if (steel) {
            count = 3;
            rest += " 355 355";
        } else if (prestressed) {
            count = 3;
        }
        m_.MaterialParameterCount = count;
        int16_t flag = 0;
        ParseDataFields(report_, count, rest, values_, texts_, defaults_, flag);
        raiseFlag(line, flag);
        if (flag == 1) {
            ui_.messageBox("Palkin materiaaliparametreja liian vähän", platform::Buttons::Ok,
                           platform::Icon::Exclamation, ui_.applicationTitle());
            log_.write("Rivillä " + runtime::numberStr(line, NumberKind::Integer) + " " +
                       "Palkin materiaaliparametreja liian vähän; tarvittava määrä " +
                       runtime::numberStr(count, NumberKind::Integer) + " " + " kpl");
        }
        if (steel) {
            m_.SteelStrength = steelStrengthOf(t(1));
            m_.SteelStrength2 = steelStrengthOf(t(2));
            m_.SteelStrength3 = steelStrengthOf(t(3));
        } else if (prestressed) {
            m_.SteelStrength = steelStrengthOf(t(1));
            m_.BeamConcreteClass = x(2);
            m_.ConcreteQualityClass(1) = x(3);
        } else {
            m_.BeamConcreteClass = x(1);
            m_.ConcreteQualityClass(1) = x(2);
        }
    }

    // Records 10 to 16 by category and family.
    void readReinforcement() {
        const Value category = m_.BeamCategory;
        const std::string family = m_.BeamFamilyCode();
        if (category != 1 && category != 4) {
            read(3);
            m_.ReinforcementModulus = x(1);
            m_.ReinforcementStrength = x(2);
            m_.ReinforcementRowCount = static_cast<int16_t>(count(x(3), 10));
            for (int r = 1; r <= m_.ReinforcementRowCount; ++r) {
                read(4);
                m_.BarsInRow(r) = runtime::toInt16(x(1));
                m_.BarArea(r) = x(2);
                m_.BarDistanceFromBottom(r) = x(3);
                m_.BarPrestress(r) = x(4) < 0.0011 ? Value(0.00001) : x(4);
            }
            if (family == "LB" || family == "BE" || family == "AP") {
                read(3);
                m_.TopRebarModulus = x(1);
                m_.TopRebarStrength = x(2);
                m_.TopRebarRowCount = static_cast<int16_t>(count(x(3), 10));
                for (int r = 1; r <= m_.TopRebarRowCount; ++r) {
                    read(4);
                    m_.TopBarsInRow(r) = runtime::toInt16(x(1));
                    m_.TopBarArea(r) = x(2);
                    m_.TopBarDistanceFromTop(r) = x(3);
                    if (family == "BE")
                        m_.TopBarDistanceFromBottom(r) = m_.TopBarDistanceFromTop(r);
                    else if (family == "AP" && r == 1)
                        m_.TopBarDistanceFromBottom(r) =
                            m_.BottomFlangeThickness + m_.BeamHeight + m_.TopBarDistanceFromTop(1);
                    else if (family == "AP")
                        m_.TopBarDistanceFromBottom(r) =
                            m_.BottomFlangeThickness + m_.BeamHeight - m_.TopBarDistanceFromTop(r);
                    else
                        m_.TopBarDistanceFromBottom(r) = m_.OverallBeamHeight - m_.TopBarDistanceFromTop(r);
                    m_.TopBarPrestress(r) = x(4) < 0.0011 ? Value(0.00001) : x(4);
                }
            }
        }
        if (category == 4 || category == 5) {
            read(2);
            m_.InfillConcreteClass = x(1);
            m_.ConcreteQualityClass(2) = whole(x(2));
            read(3);
            m_.SteelBeamRebarModulus = x(1);
            m_.SteelBeamRebarStrength = x(2);
            m_.SteelBeamRebarRowCount = static_cast<int16_t>(count(x(3), 10));
            for (int r = 1; r <= m_.SteelBeamRebarRowCount; ++r) {
                read(4);
                m_.SteelBeamBarsInRow(r) = runtime::toInt16(std::floor(x(1).number()));
                m_.SteelBeamBarArea(r) = x(2);
                m_.SteelBeamBarDistance(r) = x(3);
                m_.SteelBeamBarPrestress(r) = x(4) < 0.001 ? Value(0.001) : x(4);
            }
        }
    }

    // Records 23 to 26.
    void readSlabLoads() {
        for (int s = 1; s <= 2; ++s) {
            read(1);
            m_.SlabLineLoadCount(s) = static_cast<double>(count(x(1), 5));
            for (int i = 1; i <= static_cast<int>(m_.SlabLineLoadCount(s)); ++i) {
                read(3);
                m_.SlabLineLoadG(i, s) = x(1);
                m_.SlabLineLoadQ(i, s) = x(2);
                m_.SlabLineLoadY(i, s) = x(3);
            }
        }
        for (int s = 1; s <= 2; ++s) {
            read(1);
            m_.SlabPointLoadCount(s) = static_cast<double>(count(x(1), 5));
            for (int i = 1; i <= static_cast<int>(m_.SlabPointLoadCount(s)); ++i) {
                read(4);
                m_.SlabPointLoadG(i, s) = x(1);
                m_.SlabPointLoadQ(i, s) = x(2);
                m_.SlabPointLoadX(i, s) = x(3);
                m_.SlabPointLoadY(i, s) = x(4);
            }
        }
    }

    ProjectModel& m_;
    platform::Platform& ui_;
    ErrorLog log_;
    DataLineReporting report_;
    runtime::TextFileReader& file_;
    int16_t counter_ = 0;
    // Work arrays of this read only: no default or value of an earlier read
    // carries over.
    std::vector<double> values_ = std::vector<double>(21, 0.0);
    std::vector<std::string> texts_ = std::vector<std::string>(21);
    std::vector<std::string> defaults_ = std::vector<std::string>(21);
    std::vector<int16_t> flags_ = std::vector<int16_t>(maxLines + 2, 0);
};

}  // namespace

int16_t ReadInputDataFile(ProjectModel& m, platform::Platform& ui, const std::string& fileName,
                          int16_t& firstErrorLine) {
    try {
        runtime::TextFileReader file(fileName);
        m.CompanyName = ReadCompanyName(m.DataPath);
        Reader reader(m, ui, file);
        reader.readAll();

        std::string list;
        firstErrorLine = 0;
        for (int i = 1; i <= reader.lineCount(); ++i) {
            if (reader.flagOf(i) == 0) continue;
            list += "Lähtötietovirhe rivillä " + runtime::numberStr(i, NumberKind::Integer) + "\r\n";
            if (firstErrorLine == 0) firstErrorLine = static_cast<int16_t>(i);
        }
        if (list.empty()) return 0;
        ui.messageBox("Lähtötietovirheitä:\n" + list + "Virheilmoitukset tiedostossa quorvel.err",
                      platform::Buttons::Ok, platform::Icon::Exclamation, ui.applicationTitle());
        reader.log().write(list);
        return -1;
    } catch (const RunTimeError& e) {
        return static_cast<int16_t>(e.number());
    }
}

}  // namespace quorvel::inputfile
