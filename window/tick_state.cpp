#include "tick_state.h"

#include <QCheckBox>

int TickState(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    }
    return 0;
}

void SetTickState(QCheckBox* box, int state) {
    box->setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}
