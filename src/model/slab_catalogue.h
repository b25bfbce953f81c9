#pragma once
// The slab types read from the slab catalogue and the strand file at
// start-up: one record per slab type, numbered 1..SlabTypeCount in the order
// of the catalogue lines, and the catalogue's strand types, which with a
// type's section decide what strand designations its slabs may have.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/slab_rules.h"
#include "runtime/arrays.h"
#include "runtime/errors.h"

namespace quorvel::model {

inline constexpr int MaxStrandNames = 20;

struct SlabTypeRecord {
    std::string Name;                // slab type name (upper case, no blanks)
    float Thickness = 0.0f;          // slab thickness, mm
    float DefaultSupportLength = 0.0f;  // support length offered for an empty box, mm
    int16_t StrandCount = 0;         // strand designations 0..20
    runtime::Array1<std::string, 0, MaxStrandNames> StrandNames;  // elements 0..StrandCount-1
    SlabSectionColumns section;      // the section columns of its catalogue line
};

// Records 1..size(); any other number is a subscript error (9). The loader
// keeps SlabTypeCount equal to size().
class SlabCatalogueArray {
public:
    SlabTypeRecord& operator()(int i) { return records_[offset(i)]; }
    const SlabTypeRecord& operator()(int i) const { return records_[offset(i)]; }
    SlabTypeRecord& operator[](int i) { return records_[offset(i)]; }
    const SlabTypeRecord& operator[](int i) const { return records_[offset(i)]; }

    void append(SlabTypeRecord record) { records_.push_back(std::move(record)); }
    void clear() {
        records_.clear();
        strandTypes_.clear();
    }
    int size() const { return static_cast<int>(records_.size()); }

    auto begin() { return records_.begin(); }
    auto end() { return records_.end(); }
    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

    // The strand types of the catalogue's strand lines, in their order.
    const std::vector<StrandType>& strandTypes() const { return strandTypes_; }
    void appendStrandType(StrandType type) { strandTypes_.push_back(std::move(type)); }

    // The first record of the slab type, as the calculation's search finds
    // it; nothing when the catalogue does not list the type.
    const SlabTypeRecord* find(std::string_view name) const {
        for (const SlabTypeRecord& r : records_)
            if (r.Name == name) return &r;
        return nullptr;
    }
    // The strand designation of a slab of the type held to the catalogue's
    // strand types and the type's section; nothing when it is taken, or
    // when the catalogue does not list the type.
    std::optional<RuleBreach> strandDesignationBreach(std::string_view type, std::string_view code,
                                                      StrandLayer layer) const {
        const SlabTypeRecord* record = find(type);
        if (!record) return std::nullopt;
        return model::strandDesignationBreach(code, layer, record->section, strandTypes_);
    }

    // The smallest tensile strength fpk of the strand types the bottom and
    // the top designation name (the top one where it is given; the first
    // type of a key, as the search finds it); nothing when neither names a
    // type listed with a strength.
    std::optional<double> weakestStrandStrength(std::string_view bottomCode, std::string_view topCode) const {
        std::optional<double> weakest;
        for (std::string_view code : {bottomCode, topCode}) {
            if (code.empty()) continue;
            const std::string key = strandKeyOf(code);
            for (const StrandType& t : strandTypes_) {
                if (t.key != key) continue;
                if (t.strength > 0 && (!weakest || t.strength < *weakest)) weakest = t.strength;
                break;
            }
        }
        return weakest;
    }

private:
    std::size_t offset(int i) const {
        if (i < 1 || i > size()) throw runtime::RunTimeError(runtime::ErrSubscriptOutOfRange);
        return static_cast<std::size_t>(i - 1);
    }
    std::vector<SlabTypeRecord> records_;
    std::vector<StrandType> strandTypes_;
};

}  // namespace quorvel::model
