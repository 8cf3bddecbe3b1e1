// The calculator procedures, one per menu item. Each opens its window, runs
// its loop until "Stäng" and returns once the window is closed.
#pragma once

#include "frame/calculator.h"

namespace sparvik {

using frame::Shell;

void FQ_LC(Shell& shell);
void FQ_TID(Shell& shell);
void Q_VALUE(Shell& shell);
void EFF_OHM(Shell& shell);
void EFF_JOULE(Shell& shell);
void EFF_TOPP(Shell& shell);
void ANT_VERT(Shell& shell);
void ANT_STEGE(Shell& shell);
void ANT_METER(Shell& shell);
void ANT_EFFEKTIV(Shell& shell);
void ANT_RL(Shell& shell);
void ANT_RRAD(Shell& shell);
void ANT_ERP(Shell& shell);
void IMP_TRAFO(Shell& shell);
void IMP_KABEL(Shell& shell);
void REA_KAP(Shell& shell);
void REA_IND(Shell& shell);
void IND_COIL(Shell& shell);
void IND_TOROID(Shell& shell);
void DB_GGR(Shell& shell);
void DB_LOSS(Shell& shell);
void DB_EFFEKT(Shell& shell);
void DB_DBM(Shell& shell);
void WIRE_KOAX(Shell& shell);
void WIRE_OHM(Shell& shell);
void SERIE_OHM(Shell& shell);
void SERIE_PARA(Shell& shell);
void SERIE_PARARLC(Shell& shell);
void INFO(Shell& shell);
void RESCOL(Shell& shell);

}  // namespace sparvik
