#pragma once
// The program's version: the release number that --version and the packages carry, and
// the build text the splash and About windows show after "Version: ".

namespace vostrel {

inline constexpr char kProgramVersion[] = "0.2.0";
inline constexpr char kVersionText[] = "20110201";

}  // namespace vostrel
