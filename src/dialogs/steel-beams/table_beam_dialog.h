#pragma once
// The beam section window built from a family table (beam_family_tables.h):
// the section dimensions in a column with their labels and units, the
// sketch of the section with the dimensions' labels, the materials, a row
// editor for each reinforcement row group with its steel, and the span,
// spacings, dowel box and buttons of the beam dialog frame. Its check puts
// the typed values into a copy of the project and runs the family's
// geometry check on it; OK writes them into the project.

#include <memory>
#include <string_view>
#include <vector>

#include "dialogs/concrete-beams/beam_dialog.h"
#include "dialogs/steel-beams/beam_family_tables.h"

namespace quorvel::dialogs {

// The steel-beam reinforcement rows (distance from the bottom face).
extern const RowGroup SteelBeamRowGroup;

class TableBeamDialog : public BeamDialog {
public:
    TableBeamDialog(ProjectModel& m, platform::Platform& p, const BeamFamilyTable& table);
    ~TableBeamDialog() override;

    const BeamFamilyTable& table() const { return table_; }
    // The controls of the table by their names.
    platform::TextBox& box(std::string_view name);
    const platform::TextBox& box(std::string_view name) const;
    platform::ComboBox& combo(std::string_view name);
    RowEditor& rowEditor(std::size_t group) { return *editors_.at(group); }
    platform::Frame fraPoikkileikkaus;

    // The contradiction check of the values in the window: the family's
    // geometry check on the project as OK would leave it.
    void CheckFormInput(std::string& message, int16_t& conflict);

protected:
    void loadControls() override;
    void checkInput(std::string& message, int16_t& conflict) override { CheckFormInput(message, conflict); }
    void writeModel() override;

private:
    // A material value's control: a text box or a combo.
    struct Material {
        const MaterialField* spec;
        platform::TextBox* box;
        platform::ComboBox* combo;
    };

    struct Layout {
        int width;
        int height;
        int bottomTop;  // the top of the span block
    };
    static Layout layoutOf(const BeamFamilyTable& table);
    TableBeamDialog(ProjectModel& m, platform::Platform& p, const BeamFamilyTable& table, const Layout& layout);
    void addMaterial(const MaterialField& f, platform::Control* container, int left, int top, int labelWidth);
    // The beam type's own default of the field, else the table's.
    Value ownFieldDefault(FieldRef field, double otherwise) const;
    float typed(const Material& mat) const;
    // Writes the window's section, materials and rows into a project.
    void writeSection(ProjectModel& target) const;

    const BeamFamilyTable& table_;
    std::vector<std::unique_ptr<platform::TextBox>> boxes_;
    std::vector<std::unique_ptr<platform::ComboBox>> combos_;
    std::vector<Material> materials_;
    std::vector<std::unique_ptr<platform::Frame>> frames_;
    std::vector<std::unique_ptr<RowEditor>> editors_;
    std::vector<std::unique_ptr<platform::Line>> lines_;
};

}  // namespace quorvel::dialogs
