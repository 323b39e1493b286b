#pragma once
// The object names of the windows that are not a section's: each spelled here once, for the
// registry, the navigation calls and the window tables alike. A section's windows take their
// names from the catalogue.

// The title of the program's own windows and of every message box it shows.
inline constexpr char kProgramTitle[] = "Kinscribe";

namespace WindowName {
inline constexpr char Splash[] = "frmSplash";
inline constexpr char Main[] = "frmMain";
inline constexpr char Editor[] = "frmTxtEditor";
inline constexpr char Note[] = "frmNote";
inline constexpr char Info[] = "frmInfo";
inline constexpr char Instructions[] = "frmInstruc";
inline constexpr char Distribution[] = "frmDistribution";
inline constexpr char Warranty[] = "frmWarranty";
inline constexpr char Shareware[] = "frmShare";
inline constexpr char Credits[] = "frmCredits2";
inline constexpr char VersionHistory[] = "frmVersionHx";
} // namespace WindowName
