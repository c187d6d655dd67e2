#pragma once

// The sheet's tick states (0 not ticked, 1 ticked, 2 greyed) on a Qt check box, whose own numbers
// differ (Qt::Checked is 2).

class QCheckBox;

int TickState(const QCheckBox* box);
void SetTickState(QCheckBox* box, int state);
