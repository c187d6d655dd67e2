#pragma once

// The structural silicone sealant joint of a glass curtain wall panel (JGJ 102-2003): widths under
// wind load, earthquake and permanent load, thickness under temperature and under earthquake for
// five structure types, and the governing thickness of the project.

#include <array>
#include <string>

// The main window's inputs and results, field for field, named after its controls. Texts are UTF-8.
// A new sheet holds the window's initial state.
struct SealantSheet {
    std::string Text1 = "2.5";   // wind load design value, kN/m2
    std::string Text2 = "1500";  // glass short side La, mm
    std::string Text3 = "2400";  // glass long side Lb, mm
    std::string Text4 = "0.4";   // self weight Gk, kN/m2
    bool Option1 = false;        // the panel height is La
    bool Option2 = true;         // the panel height is Lb
    // Tick state of each structure type: 0 not ticked, 1 ticked, 2 greyed; only 1 counts.
    std::array<int, 5> Check1 = {0, 1, 0, 0, 0};

    std::string Label8;                  // width Cs under wind load and earthquake, mm
    std::string Label11;                 // bonding width Cs under permanent load, mm
    std::string Label18;                 // thickness ts under temperature, mm
    std::array<std::string, 5> Label23;  // thickness ts under earthquake, per structure type, mm
    std::array<bool, 5> Label23Enabled = {true, true, true, true, true};  // shown active
    std::string Label27;  // governing thickness ts of the project, mm
};

// Calculates every result of the sheet from its inputs, in a fixed order of steps; later steps read
// back the texts earlier ones wrote, so the displayed rounding feeds into them. Returns true when the
// governing thickness exceeds 12 mm. Raises ArithmeticFault from the step where a fault arises:
// fields written before keep what was written, later ones keep their previous texts.
bool CalculateSealant(SealantSheet& sheet);
