#pragma once
// The trim block of a project file: flying mass, air density, every wing's incidence and every
// section's twist and airfoil.
//
//  <trim>
//   <trim_mass>1450</trim_mass>                g, as typed
//   <trim_density>1.225</trim_density>        kg/m^3, as typed
//   <trim_wing>                               one per wing with a setting
//    <trim_wing_no>2</trim_wing_no>
//    <incidence>-1.5</incidence>              degrees, as typed
//    <trim_section>                           one per section with a setting
//     <trim_section_no>1</trim_section_no>
//     <twist>0</twist>                        degrees, as typed
//     <airfoil>NACA 2412</airfoil>            the name (a coordinate file's first line)
//     <alpha0>-2.08</alpha0>                  degrees, as typed or as the airfoil gave it
//     <cm0>-0.053</cm0>
//    </trim_section>
//   </trim_wing>
//  </trim>
//
// The airfoil's values are stored with its name, never a coordinate file's path: the project
// stays whole when the file moves. Readers from before the block see none of their tags in it
// (the rules of files/project_balance.h: a tag is the text between a line's first "<" and the
// next ">", every value follows its own tag on its line), so they read the same aircraft.
#include "model/trim_settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace tv::project_trim {

/// Appends the block (CR LF lines, then a line " "); nothing for settings that are empty().
/// Wings and sections without any text are left out.
void append(std::string& out, const TrimTexts& trim);

/// Reads the block line by line as the tag scan meets its tags. A "<trim>" starts the data afresh;
/// wing tags count only inside a block, section tags only inside a wing, and numbers outside
/// 1..5 are ignored with everything up to the next number.
class Reader {
public:
    void line(std::string_view tag, std::string_view rest);
    /// The block's data, or nothing when the file holds no "<trim>".
    const std::optional<TrimTexts>& result() const { return data_; }

private:
    std::string* field(std::string_view tag);
    std::optional<TrimTexts> data_;
    bool inBlock_ = false, inWing_ = false, inSection_ = false;
    int wing_ = 0, section_ = 0;
};

} // namespace tv::project_trim
