#pragma once

// The modes a topic can set on a page that serves two relations.
namespace PageModes {
// The hydraulic-press page, configured by the isothermal gas topic: P1·V1 = P2·V2
// instead of the press's proportion.
inline constexpr char isothermal[] = "isothermal";
}
