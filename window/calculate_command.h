#pragma once

// The Click of "计算": the window's state through the calculation and back, then the thickness
// warning or the report of an arithmetic fault.

class Form1;

void CalculateCommand(Form1& form);
